// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/record_writer.h"

namespace vm::store {

// The tests' and benchmarks' door to the record writers, which the program reaches only through
// journalled work: they build files record by record and try each writer on its own.
struct RecordWriterForTests {
  static RecordWriter of(FileTable& table) { return RecordWriter(table); }
};

}  // namespace vm::store

namespace vm::test {

inline store::RecordWriter writerOf(store::FileTable& table) {
  return store::RecordWriterForTests::of(table);
}

}  // namespace vm::test
