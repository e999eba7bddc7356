// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "store/change_log/change_line.h"
#include "store/file_table.h"
#include "store/records.h"

namespace vm::names {

// The additions and edits of Name.List, each written with its line in the change log as one
// piece of journalled work (store/work_journal.h). Each opens and closes the file.

// Appends the person, stamping its DateCreated with the author's time (moved on while another
// person carries it). Returns false, writing nothing, when the list holds as many persons as it
// can count.
bool addPerson(store::FileTable& table, const store::ChangeAuthor& author,
               store::NameRecord& person);

// Writes the edited person over record n, keeping the DateCreated stored there (given back in
// `person`). A save that changes nothing writes nothing.
void savePerson(store::FileTable& table, const store::ChangeAuthor& author, std::int32_t n,
                store::NameRecord& person);

}  // namespace vm::names
