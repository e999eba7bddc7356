// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/change_log/change_log_reader.h"

#include "store/file.h"
#include "store/store_error.h"

namespace vm::store {
namespace {

// Reads bytes [offset, offset + out.size()) of the file, opened for this read alone.
void readAt(FileSystem& fs, const std::string& path, std::uint64_t offset, std::span<char> out) {
  File file(fs, path, FileSystem::Mode::Read);
  const std::size_t got = file.read(offset, out);
  file.close();
  if (got != out.size()) throw StoreError("Cannot read", path, "the file is shorter than it was");
}

}  // namespace

ChangeLogReader::ChangeLogReader(FileSystem& fs, std::string path, std::size_t blockSize)
    : fs_(fs), path_(std::move(path)), blockSize_(blockSize) {
  size_ = fs_.fileSize(path_).value_or(0);
  lineEnd_ = size_;
  bufStart_ = size_;
  done_ = size_ == 0;
}

bool ChangeLogReader::readBlockBefore() {
  if (bufStart_ == 0) return false;
  const std::uint64_t take = std::min<std::uint64_t>(blockSize_, bufStart_);
  std::string block(static_cast<std::size_t>(take), '\0');
  readAt(fs_, path_, bufStart_ - take, block);
  buffer_.insert(0, block);
  bufStart_ -= take;
  return true;
}

void ChangeLogReader::readOlder(const Visit& visit) {
  while (!done_) {
    // The line ends at lineEnd_; it begins after the line break before it.
    std::size_t end = static_cast<std::size_t>(lineEnd_ - bufStart_);
    std::size_t newline = end == 0 ? std::string::npos : buffer_.rfind('\n', end - 1);
    while (newline == std::string::npos && readBlockBefore()) {
      end = static_cast<std::size_t>(lineEnd_ - bufStart_);
      newline = buffer_.rfind('\n', end - 1);
    }
    const std::size_t begin = newline == std::string::npos ? 0 : newline + 1;
    std::size_t stop = end;
    if (stop > begin && buffer_[stop - 1] == '\r') --stop;
    const LinePlace place{bufStart_ + begin, static_cast<std::uint32_t>(stop - begin)};
    const std::string_view line(buffer_.data() + begin, stop - begin);
    bool more = true;
    if (!line.empty()) more = visit(line, place);
    // The next line ends at this one's line break; what lies beyond it is no longer needed.
    if (newline == std::string::npos) {
      lineEnd_ = 0;
      done_ = true;
      buffer_.clear();
    } else {
      lineEnd_ = bufStart_ + newline;
      buffer_.resize(newline);
    }
    if (!more) return;
  }
}

std::string ChangeLogReader::lineAt(LinePlace place) const {
  std::string line(place.length, '\0');
  readAt(fs_, path_, place.offset, line);
  return line;
}

}  // namespace vm::store
