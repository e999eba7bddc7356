#include "names/person_deletion.h"

#include <cmath>

#include "format/number_text.h"
#include "store/compaction.h"
#include "store/field_codec.h"

namespace vm::names {

bool samePerson(double personId, double person) {
  if (personId == person) return true;
  // Two values that differ beyond the 15 digits of the text compare equal as text; values
  // further apart than that cannot, so the text is made only for near misses.
  if (!(std::fabs(personId - person) <= std::fabs(person) * 1e-13)) return false;
  return format::generalNumber(personId) == format::generalNumber(person);
}

std::int32_t removePerson(store::FileTable& table, std::int32_t n) {
  using store::DataFile;
  double person = 0;
  {
    const store::OpenFile names(table, DataFile::Names);
    std::vector<char> record(store::layout::name::kLength);
    table.readBytes(DataFile::Names, n, record);
    person = store::codec::getDouble(record, store::layout::name::DateCreated);
  }
  std::int32_t removed = 0;
  if (table.exists(DataFile::Training)) {
    const std::int32_t before = table.open(DataFile::Training);
    const std::int32_t kept =
        store::compact(table, DataFile::Training, [person](std::span<const char> record) {
          return !samePerson(store::codec::getDouble(record, store::layout::training::PersonID),
                             person);
        });
    removed = before - kept;
  }
  // The copy offers the persons in file order, so counting them finds person n.
  std::int32_t at = 0;
  store::compact(table, DataFile::Names, [&](std::span<const char> record) {
    return ++at != n && !store::isTombstoned(DataFile::Names, record);
  });
  return removed;
}

}  // namespace vm::names
