#include "names/person_deletion.h"

#include <vector>

#include "store/field_codec.h"
#include "store/work_journal.h"

namespace vm::names {

std::int32_t removePerson(store::FileTable& table, std::int32_t n) {
  using store::DataFile;
  double person = 0;
  {
    const store::OpenFile names(table, DataFile::Names);
    std::vector<char> record(store::layout::name::kLength);
    table.readBytes(DataFile::Names, n, record);
    person = store::codec::getDouble(record, store::layout::name::DateCreated);
  }
  const std::vector<store::StepResult> done = store::doWork(
      table,
      {store::DropLinked{DataFile::Training, store::layout::training::PersonID.offset, person},
       store::RemoveRecord{DataFile::Names, n}});
  return done.front().matched;
}

}  // namespace vm::names
