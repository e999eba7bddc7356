// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "store/change_log/change_line_source.h"
#include "store/file_system.h"

namespace vm::store {

// Reads the change log's file from its end towards its start, a block at a time, finding the lines
// as it goes. It reads the log as long as it was when the reader was made; the file is opened for
// each read and closed again. A last line without its line end (cut short by a crash) is a line
// all the same.
class ChangeLogReader final : public ChangeLineSource {
 public:
  // A missing log reads as an empty one.
  ChangeLogReader(FileSystem& fs, std::string path, std::size_t blockSize = 256 * 1024);

  void readOlder(const Visit& visit) override;
  bool atStart() const override { return lineEnd_ == 0 && done_; }
  std::string lineAt(LinePlace place) const override;
  std::uint64_t size() const { return size_; }

 private:
  // Reads the block before the buffer into its front; false at the start of the log.
  bool readBlockBefore();

  FileSystem& fs_;
  std::string path_;
  std::size_t blockSize_;
  std::uint64_t size_ = 0;
  std::uint64_t lineEnd_ = 0;   // where the next line to hand over ends
  std::uint64_t bufStart_ = 0;  // the buffer holds the bytes from here to lineEnd_
  std::string buffer_;
  bool done_ = false;
};

}  // namespace vm::store
