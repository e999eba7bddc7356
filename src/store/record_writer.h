// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "store/file_table.h"

namespace vm::store {

// The one door to the writers of the record files. Every change of a record file is journalled
// work (work_journal.h), and that is so by construction: the file table's writers are private to
// this class, and only the runner of journalled work's steps can make one, which it hands to the
// rewrites it runs (compaction.h, linked_records.h). Nothing else in the program can write a
// record, and the compiler says so (tests/store/private_writers.cmake).
class RecordWriter {
 public:
  RecordWriter(const RecordWriter&) = delete;
  RecordWriter& operator=(const RecordWriter&) = delete;

  FileTable& table() const { return table_; }

  // See FileTable: record n rewritten in place (1 to the count, never beyond); whole records
  // appended, all or none; records rewritten in place without a flush; the flush.
  void writeBytes(DataFile f, std::int32_t n, std::span<const char> in) {
    table_.writeBytes(f, n, in);
  }
  void appendBytes(DataFile f, std::span<const char> records) { table_.appendBytes(f, records); }
  void overwriteBytes(DataFile f, std::int32_t first, std::span<const char> records) {
    table_.overwriteBytes(f, first, records);
  }
  void flush(DataFile f) { table_.flush(f); }

  template <typename Record>
  void write(std::int32_t n, const Record& r) {
    table_.write(n, r);
  }
  template <typename Record>
  void append(const std::vector<Record>& records) {
    table_.append(records);
  }

 private:
  explicit RecordWriter(FileTable& table) : table_(table) {}

  // The runner of the steps of journalled work (work_journal.cpp).
  friend class StepRunner;
  // The tests and benchmarks of the store, which build files record by record and try each writer
  // on its own; defined under tests/ alone (tests/recorded_writes_test.cpp holds src/ to it).
  friend struct RecordWriterForTests;

  FileTable& table_;
};

}  // namespace vm::store
