// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/person_deletion.h"

#include "names/person_store.h"

namespace vm::names {

std::int32_t removePerson(store::FileTable& table, const store::ChangeAuthor& author,
                          std::int32_t n, const store::PassProgress& progress) {
  return PersonStore(table).remove(author, n, progress).front().matched;
}

}  // namespace vm::names
