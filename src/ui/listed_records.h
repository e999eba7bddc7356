// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vm::ui {

// What the main window's tabs hand each other: the persons and courses their lists show, as
// typed values. Only the tab that owns a list reads its grid.

// A person the Name List lists: who it is (its DateCreated, to which training records link),
// where Name.List keeps it (for the windows that read or change the record), and what the list
// shows of it.
struct ListedPerson {
  double dateCreated = 0;
  std::int32_t recNum = 0;
  QString name;  // "First Middle Last"
  QString organization;
  QString sortKey;  // "Last Middle First", the order of the list
};

// The persons' DateCreated in their order, as the passes over the training file take them.
inline std::vector<double> stampsOf(std::span<const ListedPerson> persons) {
  std::vector<double> stamps;
  stamps.reserve(persons.size());
  for (const ListedPerson& p : persons) stamps.push_back(p.dateCreated);
  return stamps;
}

// A course the Course Index lists, its cells as the list shows them.
struct ListedCourse {
  std::optional<double> dateCreated;  // nothing when the list's copy does not read back
  std::int32_t recNum = 0;
  QString code;
  QString name;
  QString provider;
  QString hours;  // empty for a category heading
};

}  // namespace vm::ui
