// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "store/file_system.h"

namespace vm::store {

// Where one line lies in the log: its first byte and its length, line end left out.
struct LinePlace {
  std::uint64_t offset = 0;
  std::uint32_t length = 0;
};

// Reads the change log from its end towards its start, a block at a time, finding the lines as
// it goes, so that the newest lines are at hand at once however long the log is, and no more of
// it is read than is asked for. It reads the log as long as it was when the reader was made; the
// file is opened for each read and closed again. Empty lines are passed over; a last line
// without its line end (cut short by a crash) is a line all the same.
class ChangeLogReader {
 public:
  // A missing log reads as an empty one.
  ChangeLogReader(FileSystem& fs, std::string path, std::size_t blockSize = 256 * 1024);

  using Visit = std::function<bool(std::string_view line, LinePlace place)>;
  // Hands the lines not read yet to `visit`, newest first, until it returns false (after taking
  // that line) or the start of the log is reached.
  void readOlder(const Visit& visit);
  bool atStart() const { return lineEnd_ == 0 && done_; }

  // The bytes of a line found before.
  std::string lineAt(LinePlace place) const;
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
