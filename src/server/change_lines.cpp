// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/change_lines.h"

#include "server/copy_rows.h"

namespace vm::server {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

struct Line {
  std::string_view bytes;
  bool ended;
};

std::vector<Line> linesOf(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const std::size_t end = text.find(kLineEnd);
    if (end == std::string_view::npos) {
      lines.push_back({text, false});
      break;
    }
    lines.push_back({text.substr(0, end), true});
    text.remove_prefix(end + kLineEnd.size());
  }
  return lines;
}

}  // namespace

void addLogLines(Connection& c, std::string_view log, std::string_view text) {
  const std::vector<Line> lines = linesOf(text);
  if (lines.size() == 1) {
    c.exec("INSERT INTO " + std::string(log) + " (line, ended) VALUES ($1, $2)",
           Params().bytes(lines[0].bytes).add(lines[0].ended));
    return;
  }
  if (lines.empty()) return;
  CopyRows copy(c, log, "(line, ended)");
  for (const Line& line : lines) {
    copy.row(2);
    copy.bytes(line.bytes);
    copy.add(line.ended);
  }
  copy.finish();
}

void addChangeLines(Connection& c, const store::ChangeAuthor& author,
                    std::span<const store::Change> changes, TallyCount tally) {
  std::string text;
  for (const store::Change& change : changes)
    text += store::finishedLine(store::pendingLine(author, change), change.tally, tally.counted,
                                tally.reviewed);
  addLogLines(c, kChangeLogTable, text);
}

std::string logBytes(Connection& c, std::string_view log) {
  const Result result = c.exec("SELECT line, ended FROM " + std::string(log) + " ORDER BY pos");
  std::string out;
  for (int i = 0; i < result.rows(); ++i) {
    out += result.raw(i, 0);
    if (result.getBool(i, 1)) out += kLineEnd;
  }
  return out;
}

bool logHoldsLines(Connection& c, std::string_view log) {
  return c.exec("SELECT EXISTS (SELECT 1 FROM " + std::string(log) + ")").getBool(0, 0);
}

std::vector<LogLine> olderChangeLines(Connection& c, std::int64_t before, int count) {
  const Result result =
      c.exec("SELECT pos, line FROM change_log WHERE $1 = 0 OR pos < $1 ORDER BY pos DESC LIMIT $2",
             Params().add(before).add(static_cast<std::int64_t>(count)));
  std::vector<LogLine> lines;
  for (int i = 0; i < result.rows(); ++i)
    lines.push_back({result.getInt64(i, 0), result.getText(i, 1)});
  return lines;
}

std::string changeLineAt(Connection& c, std::int64_t pos) {
  return c.exec("SELECT line FROM change_log WHERE pos = $1", Params().add(pos)).getText(0, 0);
}

}  // namespace vm::server
