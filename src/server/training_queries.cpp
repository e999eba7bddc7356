// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/training_queries.h"

#include "format/automation_date.h"
#include "server/person_links.h"
#include "server/row_codec.h"

namespace vm::server {
namespace {

constexpr double kSecond = 1.0 / 86400.0;
// Up to this many different texts in a field, going through them in the index costs less than
// reading the records that hold the part.
constexpr double kFewTexts = 5000;

// The rows of a filter (the table, joined to the persons' links when it names persons), its
// WHERE clause and their parameters.
struct Condition {
  std::string from = "training";
  std::string sql = "true";
  Params params;

  void add(const std::string& clause) { sql += " AND " + clause; }
  std::string next() const { return "$" + std::to_string(params.size() + 1); }
};

// Whether a part of a field asks anything of the server: not one of blanks alone, nor one that
// server text cannot hold.
bool asksServer(const std::string& part) {
  return part.find_last_not_of(' ') != std::string::npos && part.find('\0') == std::string::npos;
}

// The condition that `text`, in small letters, holds the part, its LIKE pattern a parameter.
// Blanks at the part's end may match the padding, which the columns leave out, so they are left
// out here too.
std::string holdsPart(Condition& where, const std::string& text, const std::string& part) {
  const std::string p = where.next();
  where.params.text(part.substr(0, part.find_last_not_of(' ') + 1));
  return text + " LIKE '%' || replace(replace(replace(verdimark_fold(" + p +
         "), '\\', '\\\\'), '%', '\\%'), '_', '\\_') || '%'";
}

void addPart(Condition& where, const std::string& column, const std::string& part) {
  if (asksServer(part)) where.add(holdsPart(where, "verdimark_fold(" + column + ")", part));
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

bool someOfEachPersonPays(Connection& c, const TrainingFilter& f) {
  if (!f.anyOfPerson || asksServer(f.courseCode) == asksServer(f.comments)) return false;
  // None before the server first looked at the table.
  const Result distinct =
      c.exec("SELECT coalesce(verdimark_different_texts($1::regclass), 0)",
             Params().text(asksServer(f.courseCode) ? "training_course_code_persons"
                                                    : "training_comments_persons"));
  const double texts = distinct.getDouble(0, 0);
  return texts > 0 && texts <= kFewTexts;
}

void scanSomeOfEachPerson(Connection& c, const TrainingFilter& filter, const BlockVisit& visit) {
  const bool byCode = asksServer(filter.courseCode);
  const std::string text = byCode ? "verdimark_fold(course_code)" : "verdimark_fold(comments)";
  TrainingFilter rest = filter;
  rest.courseCode.clear();
  rest.comments.clear();
  Condition where = conditionOf(rest, personsPay(c, filter));
  const std::string holds =
      holdsPart(where, "texts.t", byCode ? filter.courseCode : filter.comments);
  const ColumnPick pick = pickColumns(kTraining, filter.fields);
  // The different texts are gone through one by one in the index of text and person, each the
  // least above the one before; for each text that holds the part, the first entry of each person
  // under it. The index holds what the records give, so the table is not read.
  const std::string texts = "WITH RECURSIVE texts(t) AS (SELECT min(" + text +
                            ") FROM training UNION ALL SELECT (SELECT min(" + text +
                            ") FROM training WHERE " + text +
                            " > texts.t) FROM texts WHERE t IS NOT NULL) ";
  const std::string firsts = "SELECT DISTINCT ON (person_link) " + columnList(pick) + " FROM " +
                             where.from + " WHERE " + text + " = texts.t AND " + where.sql +
                             " ORDER BY person_link";
  scanQuery(c, pick,
            texts + "SELECT firsts.* FROM texts CROSS JOIN LATERAL (" + firsts + ") firsts WHERE " +
                holds,
            where.params, visit);
}

}  // namespace vm::server
