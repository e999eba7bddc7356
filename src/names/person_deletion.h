// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "store/change_log/change_line.h"
#include "store/file_table.h"
#include "store/pass_progress.h"

namespace vm::names {

// Removes person n from Name.List together with every training record of the person, and
// returns how many training records went; the change log's line names the person and that
// number. The training records go first: should the second rewrite fail, the person is still
// listed and removing the person again finishes the work, rather than leaving training records
// that belong to nobody. Each file is rewritten in one atomic step, without writing the removal
// mark into it first; removing the last person leaves no Name.List, the last training record no
// Training.Records.
// `progress` may stop the removal before anything changed (see store::doWork).
std::int32_t removePerson(store::FileTable& table, const store::ChangeAuthor& author,
                          std::int32_t n, const store::PassProgress& progress = {});

}  // namespace vm::names
