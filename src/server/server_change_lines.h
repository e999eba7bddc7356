// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

#include "server/change_lines.h"
#include "store/change_log/change_line_source.h"

namespace vm::server {

// The change log on the server, read from the newest line back a block of rows at a time. A
// line's place is its row's position; a line of the block at hand is read back without asking
// the server again, as the viewer mostly asks for the rows it has just listed.
class ServerChangeLines final : public store::ChangeLineSource {
 public:
  // The connection outlives this.
  explicit ServerChangeLines(Connection& connection, int blockLines = 1000)
      : connection_(connection), blockLines_(blockLines) {}

  void readOlder(const Visit& visit) override;
  bool atStart() const override { return lastBlock_ && next_ == block_.size(); }
  std::string lineAt(store::LinePlace place) const override;

 private:
  // Reads the block before the one at hand; false when there is none.
  bool readBlock();

  Connection& connection_;
  int blockLines_;
  std::vector<LogLine> block_;  // newest first
  std::size_t next_ = 0;        // the first line of the block not handed over yet
  bool lastBlock_ = false;
};

}  // namespace vm::server
