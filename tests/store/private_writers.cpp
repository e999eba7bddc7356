// SPDX-License-Identifier: GPL-3.0-or-later
// Code outside the store that would write a record file without journalled work. It is compiled
// case by case (private_writers.cmake): case 0, what any code may do, compiles; every other case
// must be refused for reaching a private member.

#include <string>
#include <vector>

#include "store/compaction.h"
#include "store/file_table.h"
#include "store/linked_records.h"
#include "store/record_writer.h"

using namespace vm::store;

void outsideTheStore(FileTable& table) {
  const std::string record(1000, ' ');
#if CASE == 0
  const OpenFile file(table, DataFile::Names);
  const NameRecord first = table.read<NameRecord>(1);
  table.scan(DataFile::Names, 1, file.count(),
             [](std::int32_t, std::span<const char>) { return true; });
  table.flushFolder();
#elif CASE == 1
  table.write(1, NameRecord{});
#elif CASE == 2
  table.append(std::vector<NameRecord>{NameRecord{}});
#elif CASE == 3
  table.writeBytes(DataFile::Names, 1, record);
#elif CASE == 4
  table.appendBytes(DataFile::Names, record);
#elif CASE == 5
  table.overwriteBytes(DataFile::Names, 1, record);
#elif CASE == 6
  table.flush(DataFile::Names);
#elif CASE == 7
  RecordWriter writer(table);
  compact(writer, DataFile::Names);
#elif CASE == 8
  RecordWriter writer{table};
  patchLinked(writer, DataFile::Training, 16, 1.0, 24, "NEW");
#endif
}
