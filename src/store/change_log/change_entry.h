// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "format/date_time.h"

namespace vm::store {

// One line of the change log in its columns (change_line.h), as UTF-8 for the viewer, the values
// in the details as they were typed (the doubled quotes inside a quoted value single again). A
// line not in the log's form, as another program might have added, is shown whole as its details.
struct ChangeEntry {
  std::string when;  // "mm/dd/yyyy hh:nn:ss"
  std::string user;
  std::string action;
  std::string record;
  std::string details;
};

ChangeEntry parseChangeLine(std::string_view cp1252);

// The lines the viewer lists: those holding a text, in any letter case (a double quote in it
// found as typed, or doubled inside a quoted value), and dated within a range of
// whole days, both ends included. An empty text and a missing end pass everything; a line with no
// date of its own passes only when no range is set.
class ChangeFilter {
 public:
  ChangeFilter() = default;
  ChangeFilter(std::string_view utf8Text, std::optional<format::DateTime> from,
               std::optional<format::DateTime> to);

  bool matches(std::string_view cp1252Line) const;
  bool passesEverything() const { return needle_.empty() && !from_ && !to_; }

 private:
  std::string needle_;        // Windows-1252, small letters
  std::string quotedNeedle_;  // the same with its double quotes doubled, when it has any
  std::optional<int> from_;
  std::optional<int> to_;  // days as yyyymmdd
};

}  // namespace vm::store
