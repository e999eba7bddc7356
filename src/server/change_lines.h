// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "server/connection.h"
#include "store/change_log/change_line.h"

namespace vm::server {

// The change log and the user log on the server: one row per line, in the order written, holding
// the line's Windows-1252 bytes without its line end (`ended` false only for a last line that had
// none, as a log cut short may end), so that a log goes back to a file byte for byte. The
// program's role may add lines and read them, never change or remove one.

// A change's tally, once the work has found it (change_line.h).
struct TallyCount {
  std::int32_t counted = 0;
  std::int32_t reviewed = 0;
};

// Adds the lines of the changes, as the data folder's log has them (dated and signed by the
// author, completed by their tallies), inside the transaction of the work they tell.
void addChangeLines(Connection& connection, const store::ChangeAuthor& author,
                    std::span<const store::Change> changes, TallyCount tally = {});

// Adds whole lines ("...\r\n" each, a last one perhaps without its end) to one of the two logs.
void addLogLines(Connection& connection, std::string_view log, std::string_view lines);

// The whole log as its file holds it.
std::string logBytes(Connection& connection, std::string_view log);
// Whether the log holds any line.
bool logHoldsLines(Connection& connection, std::string_view log);

// Up to `count` lines of the change log written before the line at `before` (from the newest when
// `before` is 0), newest first, each without its line end: what the log's viewer reads a block at
// a time as it is scrolled.
struct LogLine {
  std::int64_t pos = 0;
  std::string bytes;
};
std::vector<LogLine> olderChangeLines(Connection& connection, std::int64_t before, int count);
// The change log's line at `pos`, as olderChangeLines gave it.
std::string changeLineAt(Connection& connection, std::int64_t pos);

inline constexpr std::string_view kChangeLogTable = "change_log";
inline constexpr std::string_view kUserLogTable = "user_log";

}  // namespace vm::server
