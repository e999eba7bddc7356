#pragma once

#include <cstdint>
#include <string>

#include "store/file_table.h"

namespace vm::names {

// Whether a training record's person link names the person whose DateCreated is `person`:
// compared as the general number texts of the two, as the links are matched by text.
bool samePerson(double personId, double person);

// Removes person n from Name.List together with every training record of the person, and
// returns how many training records went. The training records go first: should the second
// rewrite fail, the person is still listed and removing the person again finishes the work,
// rather than leaving training records that belong to nobody. Each file is rewritten in one
// atomic step, without writing the removal mark into it first; removing the last person leaves no
// Name.List, the last training record no Training.Records.
std::int32_t removePerson(store::FileTable& table, std::int32_t n);

}  // namespace vm::names
