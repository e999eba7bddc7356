// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/record_additions.h"

#include <algorithm>
#include <map>
#include <set>

#include "format/automation_date.h"
#include "server/change_lines.h"
#include "server/copy_rows.h"
#include "server/row_writes.h"
#include "store/record_codec.h"

namespace vm::server {
namespace {

using Moved = std::map<double, double>;  // stamp as picked -> stamp as stored

// Holds the list and tells whether it can count `adding` records more.
bool fits(Connection& c, const TableShape& shape, std::size_t adding) {
  if (adding == 0) return true;
  holdList(c, shape.file);
  const std::int64_t count =
      c.exec("SELECT count(*) FROM " + std::string(shape.table)).getInt64(0, 0);
  return count + static_cast<std::int64_t>(adding) <= store::maxRecords(shape.file);
}

// Moves each stamp that a record on the server holds on a second at a time past every stamp in
// use, as an addition of one record would. After fits, so that nobody takes one meanwhile.
template <typename Record>
Moved restamp(Connection& c, std::vector<Record>& records) {
  Moved moved;
  if (records.empty()) return moved;
  const auto first = std::min_element(records.begin(), records.end(), [](auto& a, auto& b) {
    return a.DateCreated < b.DateCreated;
  });
  const Result result = c.exec("SELECT date_created FROM " + std::string(shapeOf<Record>().table) +
                                   " WHERE date_created >= $1",
                               Params().add(first->DateCreated));
  std::set<double> taken;
  for (int i = 0; i < result.rows(); ++i) taken.insert(result.getDouble(i, 0));
  std::set<double> used = taken;
  for (const Record& r : records) used.insert(r.DateCreated);
  constexpr double kSecond = 1.0 / 86400.0;
  for (Record& r : records) {
    if (!taken.contains(r.DateCreated)) continue;
    double stamp = r.DateCreated;
    while (used.contains(stamp))
      stamp = format::toAutomationDate(format::fromAutomationDate(stamp + kSecond));
    used.insert(stamp);
    r.DateCreated = moved[r.DateCreated] = stamp;
  }
  return moved;
}

void follow(double& link, const Moved& moved) {
  const auto to = moved.find(link);
  if (to != moved.end()) link = to->second;
}

template <typename Record>
void copyRecords(Connection& c, const store::ChangeAuthor& author,
                 const std::vector<Record>& records) {
  if (records.empty()) return;
  const TableShape& shape = shapeOf<Record>();
  CopyRows copy(c, shape.table, copyColumns(shape));
  for (const Record& r : records) copyRow(copy, shape, store::encoded(r), &author);
  copy.finish();
}

}  // namespace

bool addRecords(Connection& c, const store::ChangeAuthor& author,
                const records::Additions& additions) {
  if (additions.persons.empty() && additions.courses.empty() && additions.trainings.empty())
    return true;
  return c.transaction([&] {
    if (!fits(c, kPersons, additions.persons.size()) ||
        !fits(c, kCourses, additions.courses.size()))
      return false;
    records::Additions stored = additions;
    const Moved persons = restamp(c, stored.persons);
    const Moved courses = restamp(c, stored.courses);
    for (store::TrainingRecord& t : stored.trainings) {
      follow(t.PersonID, persons);
      follow(t.CourseID, courses);
    }
    copyRecords(c, author, stored.persons);
    copyRecords(c, author, stored.courses);
    copyRecords(c, author, stored.trainings);
    addChangeLines(c, author, stored.changes);
    return true;
  });
}

}  // namespace vm::server
