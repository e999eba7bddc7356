// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/records.h"
#include "server/connection.h"
#include "store/change_log/change_line.h"

namespace vm::server {

// Adds the persons, courses and training records at the ends of their lists, with the lines, in
// one transaction: all of them or none. Each record is stored as an addition of its own stores
// it, changed by the author, with its DateCreated as given; a stamp another desk took since it
// was picked moves on a second at a time to one nobody holds, and the training records' links to
// it follow. False, and nothing written, when the persons or the courses would be more than a data
// file can count (32,767). Adding no record writes nothing.
bool addRecords(Connection& connection, const store::ChangeAuthor& author,
                const records::Additions& additions);

}  // namespace vm::server
