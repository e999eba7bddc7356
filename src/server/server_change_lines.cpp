// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/server_change_lines.h"

#include <algorithm>

namespace vm::server {

bool ServerChangeLines::readBlock() {
  if (lastBlock_) return false;
  const std::int64_t before = block_.empty() ? 0 : block_.back().pos;
  // One line more than the block, so that the last block is known as such when it is read.
  block_ = olderChangeLines(connection_, before, blockLines_ + 1);
  lastBlock_ = block_.size() <= static_cast<std::size_t>(blockLines_);
  if (!lastBlock_) block_.pop_back();
  next_ = 0;
  return !block_.empty();
}

void ServerChangeLines::readOlder(const Visit& visit) {
  while (next_ < block_.size() || readBlock()) {
    const LogLine& line = block_[next_++];
    if (line.bytes.empty()) continue;
    const store::LinePlace place{static_cast<std::uint64_t>(line.pos),
                                 static_cast<std::uint32_t>(line.bytes.size())};
    if (!visit(line.bytes, place)) return;
  }
}

std::string ServerChangeLines::lineAt(store::LinePlace place) const {
  const auto pos = static_cast<std::int64_t>(place.offset);
  const auto held = std::lower_bound(block_.begin(), block_.end(), pos,
                                     [](const LogLine& l, std::int64_t p) { return l.pos > p; });
  if (held != block_.end() && held->pos == pos) return held->bytes;
  return changeLineAt(connection_, pos);
}

}  // namespace vm::server
