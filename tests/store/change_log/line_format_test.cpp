// SPDX-License-Identifier: GPL-3.0-or-later
// The change log's line as the README describes it to other programs: a reader written from that
// description alone, not the program's own, reads every line the program writes back to the
// values it was given, however those values try to end early or forge a field.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "format/automation_date.h"
#include "format/cp1252.h"
#include "store/change_log/change_line.h"
#include "store/change_log/record_changes.h"

using namespace vm::store;

namespace {

struct Item {
  std::string label;                  // empty for a plain text
  std::vector<std::string> values{};  // one for `Label: "value"`, two for `Label: "old" -> "new"`
  std::string plain{};
  bool operator==(const Item&) const = default;
};

void PrintTo(const Item& item, std::ostream* out) {
  *out << item.label << " [";
  for (const std::string& v : item.values) *out << '<' << v << '>';
  *out << "] " << item.plain;
}

struct Line {
  std::string when, user, action, record;
  std::vector<Item> items;
};

// A value in double quotes from `at`, its doubled double quotes single; moves `at` past it.
std::optional<std::string> quotedValue(std::string_view text, std::size_t& at) {
  if (at >= text.size() || text[at] != '"') return std::nullopt;
  std::string value;
  for (++at; at < text.size(); ++at) {
    if (text[at] != '"') {
      value += text[at];
    } else if (at + 1 < text.size() && text[at + 1] == '"') {
      value += '"';
      ++at;
    } else {
      ++at;
      return value;
    }
  }
  return std::nullopt;
}

std::optional<std::vector<Item>> readDetails(std::string_view text) {
  std::vector<Item> items;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t separator = std::min(text.find("; ", at), text.size());
    const std::size_t quote = text.find('"', at);
    Item item;
    if (quote == std::string_view::npos || quote > separator) {
      item.plain = std::string(text.substr(at, separator - at));
      at = separator;
    } else {
      if (quote < at + 2 || text.substr(quote - 2, 2) != ": ") return std::nullopt;
      item.label = std::string(text.substr(at, quote - 2 - at));
      at = quote;
      const auto first = quotedValue(text, at);
      if (!first) return std::nullopt;
      item.values.push_back(*first);
      if (text.substr(at).starts_with(" -> ")) {
        at += 4;
        const auto second = quotedValue(text, at);
        if (!second) return std::nullopt;
        item.values.push_back(*second);
      }
    }
    items.push_back(std::move(item));
    if (at == text.size()) break;
    if (text.substr(at, 2) != "; ") return std::nullopt;
    at += 2;
  }
  return items;
}

std::optional<Line> readLine(std::string_view bytes) {
  if (!bytes.ends_with("\r\n")) return std::nullopt;
  bytes.remove_suffix(2);
  if (bytes.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
  std::vector<std::string> fields;
  for (std::size_t at = 0;;) {
    const std::size_t tab = bytes.find('\t', at);
    fields.emplace_back(bytes.substr(at, tab - at));
    if (tab == std::string_view::npos) break;
    at = tab + 1;
  }
  if (fields.size() != 5 || fields[0].size() != 19) return std::nullopt;
  const auto items = readDetails(fields[4]);
  if (!items) return std::nullopt;
  return Line{fields[0], fields[1], fields[2], fields[3], *items};
}

// A value as the log keeps it, in its code page.
std::string kept(std::string_view utf8) { return vm::format::utf8ToCp1252(logValue(utf8)); }

const ChangeAuthor kAuthor{"Ann \"The\" Lee", {2026, 12, 8, 10, 30, 0}};

}  // namespace

TEST(ChangeLogLineFormat, EveryLineReadsBackToItsValuesByTheReadmeAlone) {
  const std::string hostile[] = {
      "credit, \"test\"",
      "x\"; Hours: \"99",
      "a\" -> \"b",
      "\"",
      "\"\"",
      "ends with a quote\"",
      "\"; password changed",
      "tab\there, line\r\nbreak",
      std::string(150, '"'),
      "=cmd|' /C calc'!A0",
      "Zo\xC3\xAB \xE2\x86\x92 M\xC3\xBCller",
  };
  for (const std::string& value : hostile) {
    SCOPED_TRACE(value);
    NameRecord before;
    before.FirstName = "Bo";
    before.LastName = value;
    NameRecord after = before;
    after.Comments = value;
    TrainingRecord training;
    training.TrainingDate = vm::format::automationDateOf(2024, 3, 15);
    training.CourseCode = "FA-02";
    training.ProvidedBy = value;
    training.Comments = "said \"" + value + "\"";
    UserRecord user;
    user.FirstName = "Kim";
    user.LastName = "Ng";
    UserRecord renamed = user;
    renamed.Comments = value;
    const struct {
      Change change;
      std::string record;
      std::vector<Item> items;
    } cases[] = {
        {personEdited(before, after), kept("Bo " + value), {{"Comments", {"", kept(value)}}}},
        {trainingCredited(value, training),
         kept(value) + ", 03/15/2024, FA-02",
         {{"Provided by", {kept(value)}},
          {"Hours", {"0"}},
          {"Comments", {kept("said \"" + value + "\"")}}}},
        {userEdited(user, renamed, true),
         "Kim Ng",
         {{"Comments", {"", kept(value)}}, {"", {}, "password changed"}}},
    };
    for (const auto& c : cases) {
      const std::string bytes = finishedLine(pendingLine(kAuthor, c.change), Tally::None, 0, 0);
      const std::optional<Line> line = readLine(bytes);
      ASSERT_TRUE(line) << bytes;
      EXPECT_EQ(line->when, "12/08/2026 10:30:00");
      EXPECT_EQ(line->user, "Ann \"The\" Lee");
      EXPECT_EQ(line->action, c.change.action);
      EXPECT_EQ(line->record, c.record);
      EXPECT_EQ(line->items, c.items) << bytes;
    }
  }
}
