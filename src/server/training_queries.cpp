// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/training_queries.h"

#include <set>

#include "format/automation_date.h"
#include "format/number_text.h"
#include "server/person_links.h"
#include "server/row_codec.h"
#include "store/field_codec.h"

namespace vm::server {
namespace {

namespace L = store::layout::training;
constexpr double kSecond = 1.0 / 86400.0;

// The rows of a filter (the table, joined to the persons' links when it names persons), its
// WHERE clause and their parameters.
struct Condition {
  std::string from = "training";
  std::string sql = "true";
  Params params;

  void add(const std::string& clause) { sql += " AND " + clause; }
  std::string next() const { return "$" + std::to_string(params.size() + 1); }
};

// A part of a field, as a LIKE pattern over the field in small letters. Blanks at its end may
// match the padding, which the columns leave out, so they are left out here too; a part that
// server text cannot hold asks nothing of the server.
void addPart(Condition& where, const std::string& column, const std::string& part) {
  const std::size_t end = part.find_last_not_of(' ');
  if (end == std::string::npos || part.find('\0') != std::string::npos) return;
  const std::string p = where.next();
  where.add("verdimark_fold(" + column + ") LIKE '%' || replace(replace(replace(verdimark_fold(" +
            p + "), '\\', '\\\\'), '%', '\\%'), '_', '\\_') || '%'");
  where.params.text(part.substr(0, end + 1));
}

// The filter's condition; the persons' only when `withPersons`, for a query that takes them apart.
Condition conditionOf(const TrainingFilter& f, bool withPersons = true) {
  Condition where;
  // Stored dates from the first day's midnight on fall on that day or later, give or take the
  // rounding to the second; before 31 December 1899 the day runs the other way, and the dates
  // beyond the last day that can be held count as that day, so those ends are not bounded.
  if (f.firstDay && *f.firstDay >= 1) {
    where.add("training_date >= " + where.next());
    where.params.add(static_cast<double>(*f.firstDay) - kSecond);
  }
  if (f.lastDay && *f.lastDay >= 0 && static_cast<double>(*f.lastDay) < format::kMaxAutomationDay) {
    where.add("training_date < " + where.next());
    where.params.add(static_cast<double>(*f.lastDay + 1) + kSecond);
  }
  addPart(where, "course_code", f.courseCode);
  addPart(where, "comments", f.comments);
  if (f.persons && withPersons) {
    // The persons' links come as a constant array the planner knows the size of, so that it
    // joins them through the index of person for a few persons and hashes many beside the
    // other conditions' indexes. Each link is there once, so each record comes once.
    where.from += " JOIN unnest(" + where.next() + ") person(link) ON person_link = person.link";
    where.params.doubles(personLinks(*f.persons));
  }
  return where;
}

template <typename Each>
bool eachRecord(std::span<const char> block, Each&& each) {
  for (std::size_t at = 0; at + L::kLength <= block.size(); at += L::kLength)
    if (!each(block.subspan(at, L::kLength))) return false;
  return true;
}

// Whether naming the persons leaves out enough records to pay: not when they are half or more of
// those the server holds (as the planner estimates them), for then the look-up of the many costs
// more than the few records it saves, and the pass finds its persons itself.
bool personsPay(Connection& c, const TrainingFilter& filter) {
  if (!filter.persons) return false;
  const Result held = c.exec(
      "SELECT reltuples::bigint FROM pg_class WHERE oid = 'persons'::regclass AND reltuples >= 0");
  return held.rows() == 0 ||
         2 * static_cast<std::int64_t>(filter.persons->size()) < held.getInt64(0, 0);
}

}  // namespace

void scanCandidates(Connection& c, const TrainingFilter& filter, const BlockVisit& visit) {
  const Condition where = conditionOf(filter, personsPay(c, filter));
  const ColumnPick pick = pickColumns(kTraining, filter.fields);
  scanQuery(c, pick,
            "SELECT " + columnList(pick) + " FROM " + where.from + " WHERE " + where.sql +
                (filter.inFileOrder ? " ORDER BY pos" : ""),
            where.params, visit);
}

void scanFirstMatches(Connection& c, const TrainingFilter& filter,
                      const std::function<bool(std::span<const char> record)>& meets) {
  c.transaction(
      [&] {
        // The records that may meet the filter are sorted by person and the first of each taken;
        // with nothing asked but given persons, each person's first record is found through the
        // index of person and place.
        const bool anyRecord = filter.persons && !filter.firstDay && !filter.lastDay &&
                               filter.courseCode.empty() && filter.comments.empty();
        Condition where = conditionOf(filter, !anyRecord);
        std::string query;
        if (anyRecord) {
          query = "SELECT " + columnList(kTraining) + " FROM unnest(" + where.next() +
                  ") person(link) CROSS JOIN LATERAL (SELECT pos, " + columnList(kTraining) +
                  " FROM training WHERE person_link = person.link ORDER BY pos LIMIT 1) first "
                  "ORDER BY pos";
          where.params.doubles(personLinks(*filter.persons));
        } else {
          c.run("SET LOCAL work_mem = '64MB'");
          query = "SELECT " + columnList(kTraining) +
                  " FROM (SELECT DISTINCT ON (person_link) pos, " + columnList(kTraining) +
                  " FROM " + where.from + " WHERE " + where.sql +
                  " ORDER BY person_link, pos) first ORDER BY pos";
        }
        std::vector<double> turnedDown;
        scanQuery(c, {&kTraining}, query, where.params, [&](std::span<const char> block) {
          return eachRecord(block, [&](std::span<const char> record) {
            if (!meets(record)) turnedDown.push_back(store::codec::getDouble(record, L::PersonID));
            return true;
          });
        });
        if (turnedDown.empty()) return;
        TrainingFilter again = filter;
        again.persons = turnedDown;
        again.inFileOrder = true;
        std::set<std::string> taken;  // persons by the link rule
        scanCandidates(c, again, [&](std::span<const char> block) {
          return eachRecord(block, [&](std::span<const char> record) {
            const std::string person =
                format::generalNumber(store::codec::getDouble(record, L::PersonID));
            if (!taken.count(person) && meets(record)) taken.insert(person);
            return true;
          });
        });
      },
      TxMode::Snapshot);
}

}  // namespace vm::server
