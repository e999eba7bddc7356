// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/renewal_edits.h"

#include <algorithm>
#include <map>
#include <set>

#include "format/number_text.h"
#include "server/change_lines.h"
#include "server/row_writes.h"
#include "store/record_layouts.h"
#include "store/store_error.h"

namespace vm::server {
namespace {

constexpr auto kRenewals = store::DataFile::Renewals;

// Courses are told apart by the link rule: the same general number text.
std::string keyOf(double courseId) { return format::generalNumber(courseId); }

std::string monthsText(int months) { return months > 0 ? std::to_string(months) : std::string(); }

}  // namespace

std::vector<store::Change> savePeriodChanges(Connection& c, const store::ChangeAuthor& author,
                                             std::span<const PeriodChange> changes) {
  return c.transaction([&] {
    holdList(c, kRenewals);
    const std::vector<RenewalRow> rows = listRenewals(c);
    // The months each course has now: a course listed twice has its first.
    std::map<std::string, int> was;
    for (const RenewalRow& row : rows) was.emplace(keyOf(row.period.CourseID), row.period.Months);
    const auto monthsNow = [&](double courseId) {
      const auto it = was.find(keyOf(courseId));
      return it == was.end() ? 0 : std::max(it->second, 0);
    };

    std::vector<store::Change> told;
    std::set<std::string> named;
    for (const PeriodChange& change : changes) {
      const int old = monthsNow(change.courseId);
      if (old == std::max(change.months, 0) || !named.insert(keyOf(change.courseId)).second)
        continue;
      std::string course = store::logValue(change.code);
      if (!change.name.empty())
        course += (course.empty() ? "" : ", ") + store::logValue(change.name);
      told.push_back({"renewal period changed",
                      course,
                      {"Months: " + store::quoted(monthsText(old)) + " -> " +
                       store::quoted(monthsText(change.months))}});
    }

    // The last change of a course is the one that counts.
    std::map<std::string, const PeriodChange*> wanted;
    for (const PeriodChange& change : changes) wanted[keyOf(change.courseId)] = &change;
    bool wrote = false;
    std::set<std::string> placed;
    std::int64_t count = static_cast<std::int64_t>(rows.size());
    for (const RenewalRow& row : rows) {
      const auto it = wanted.find(keyOf(row.period.CourseID));
      if (it == wanted.end()) continue;
      placed.insert(it->first);
      const int months = it->second->months;
      if (months <= 0) {
        c.exec("DELETE FROM renewals WHERE pos = $1", Params().add(row.pos));
        --count;
        wrote = true;
      } else if (months != row.period.Months) {
        c.exec("UPDATE renewals SET months = $2 WHERE pos = $1",
               Params().add(row.pos).add(static_cast<std::int16_t>(months)));
        wrote = true;
      }
    }
    const std::string reserved(store::layout::renewal::Reserved.width, '\0');
    // A new period goes where its course was first named.
    for (const PeriodChange& change : changes) {
      const PeriodChange& last = *wanted.at(keyOf(change.courseId));
      if (last.months <= 0 || !placed.insert(keyOf(change.courseId)).second) continue;
      c.exec(
          "INSERT INTO renewals (course_id, months, reserved) VALUES ($1, $2, $3)",
          Params().add(last.courseId).add(static_cast<std::int16_t>(last.months)).bytes(reserved));
      ++count;
      wrote = true;
    }
    if (!wrote) return std::vector<store::Change>{};
    if (count > store::maxRecords(kRenewals))
      throw store::RecordLimitError("Course.Renewal cannot hold more than " +
                                    std::to_string(store::maxRecords(kRenewals)) + " records");
    addChangeLines(c, author, told);
    return told;
  });
}

}  // namespace vm::server
