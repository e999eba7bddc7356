// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vm::store {

// Where one line lies in the log: in a file its first byte and its length, line end left out; on
// a server its row's position and its length.
struct LinePlace {
  std::uint64_t offset = 0;
  std::uint32_t length = 0;
};

// The change log's lines, wherever the log is kept, found from the newest back a block at a time
// as they are asked for, so that a log of any length is at hand at once and no more of it is read
// than is asked for. Each line is its Windows-1252 bytes without its line end; empty lines are
// passed over.
class ChangeLineSource {
 public:
  virtual ~ChangeLineSource() = default;

  using Visit = std::function<bool(std::string_view line, LinePlace place)>;
  // Hands the lines not read yet to `visit`, newest first, until it returns false (after taking
  // that line) or the oldest line has been handed over.
  virtual void readOlder(const Visit& visit) = 0;
  virtual bool atStart() const = 0;

  // The bytes of a line found before.
  virtual std::string lineAt(LinePlace place) const = 0;
};

}  // namespace vm::store
