// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/import_plan.h"

#include <algorithm>
#include <optional>
#include <set>
#include <tuple>
#include <unordered_map>

#include "format/automation_date.h"
#include "format/date_text.h"
#include "format/number_text.h"
#include "format/trim.h"
#include "imports/field_check.h"
#include "imports/folded_text.h"
#include "search/training_matrix.h"
#include "store/change_log/record_changes.h"
#include "store/course_copies.h"
#include "store/data_files.h"
#include "store/record_codec.h"

namespace vm::imports {
namespace {

using sheets::Cell;
using sheets::Sheet;

constexpr int kAmbiguous = -1;
constexpr double kSecond = 1.0 / 86400.0;

bool hasField(const SheetChoice& c, Field f) {
  return std::find(c.fields.begin(), c.fields.end(), f) != c.fields.end();
}

bool blankRow(const sheets::Row& row) {
  return std::all_of(row.begin(), row.end(), [](const Cell& c) { return cellText(c).empty(); });
}

// The texts of one row by field; the first column of each field counts.
struct RowTexts {
  std::vector<std::string> text = std::vector<std::string>(kFields.size());
  std::vector<const Cell*> cell = std::vector<const Cell*>(kFields.size(), nullptr);

  const std::string& operator[](Field f) const { return text[static_cast<std::size_t>(f)]; }
  std::string& operator[](Field f) { return text[static_cast<std::size_t>(f)]; }
  const Cell* cellOf(Field f) const { return cell[static_cast<std::size_t>(f)]; }
};

RowTexts rowTexts(const Sheet& sheet, std::size_t r, const SheetChoice& choice) {
  RowTexts t;
  for (std::size_t c = 0; c < choice.fields.size(); ++c) {
    const auto i = static_cast<std::size_t>(choice.fields[c]);
    if (choice.fields[c] == Field::None || choice.fields[c] == Field::MatrixCourse || t.cell[i])
      continue;
    t.cell[i] = &sheet.at(r, c);
    t.text[i] = cellText(*t.cell[i]);
  }
  return t;
}

// "Lee, Ann" and "Ann Marie Lee" as first, middle and last names.
void splitWholeName(const std::string& whole, std::string& first, std::string& middle,
                    std::string& last) {
  const std::size_t comma = whole.find(',');
  if (comma != std::string::npos) {
    last = format::trim(whole.substr(0, comma));
    std::string rest = format::trim(whole.substr(comma + 1));
    const std::size_t blank = rest.find(' ');
    first = rest.substr(0, blank);
    middle = blank == std::string::npos ? "" : format::trim(rest.substr(blank + 1));
    return;
  }
  const std::size_t a = whole.find(' ');
  if (a == std::string::npos) {
    first = whole;
    return;
  }
  const std::size_t b = whole.rfind(' ');
  first = whole.substr(0, a);
  last = whole.substr(b + 1);
  middle = format::trim(whole.substr(a + 1, b - a));
}

// A problem of a row, and so its reason for refusal.
using Problem = std::optional<std::string>;

class Planner {
 public:
  Planner(const OnFile& onFile, const format::DateTime& now, ImportPlan& plan)
      : plan_(plan),
        // The first stamp is `now` itself: the one before it is a second earlier.
        lastPerson_(format::toAutomationDate(now) - kSecond),
        lastCourse_(lastPerson_) {
    for (const store::NameRecord& p : onFile.persons) addPerson(p, false);
    for (const store::CourseRecord& c : onFile.courses) addCourse(c, false);
    personsOnFile_ = static_cast<int>(onFile.persons.size());
    coursesOnFile_ = static_cast<int>(onFile.courses.size());
    for (const store::NameRecord& p : onFile.persons) takenPersons_.insert(p.DateCreated);
    for (const store::CourseRecord& c : onFile.courses) takenCourses_.insert(c.DateCreated);
  }

  void setDateOrder(DateOrder order) { dates_ = order; }

  void rowsSheet(std::size_t s, const Sheet& sheet, const SheetChoice& choice) {
    const bool persons = hasField(choice, Field::FirstName) || hasField(choice, Field::LastName) ||
                         hasField(choice, Field::FullName) || hasField(choice, Field::EmployeeID);
    const bool courses = hasField(choice, Field::CourseCode);
    const bool dated = hasField(choice, Field::Date);
    for (std::size_t r = headerRow(sheet) + 1; r < sheet.rows.size(); ++r) {
      if (blankRow(sheet.rows[r])) continue;
      const RowTexts t = rowTexts(sheet, r, choice);
      RowOutcome& out = plan_.rows.emplace_back(RowOutcome{s, r});
      if (dated && !persons) {
        refuse(out, "no column holds the person");
      } else if (dated && !courses) {
        refuse(out, "no column holds the course code");
      } else if (!persons && !courses) {
        refuse(out, "no column holds a person or a course code");
      } else {
        rowRecords(out, t, persons, courses, dated);
      }
    }
  }

  void matrixSheet(std::size_t s, const Sheet& sheet, const SheetChoice& choice) {
    const std::size_t header = headerRow(sheet);
    for (std::size_t r = header + 1; r < sheet.rows.size(); ++r) {
      const sheets::Row& row = sheet.rows[r];
      if (blankRow(row)) continue;
      const RowTexts t = rowTexts(sheet, r, choice);
      if (isCountRow(row)) continue;
      std::vector<std::size_t> dated;
      for (std::size_t c = 0; c < choice.fields.size(); ++c)
        if (choice.fields[c] == Field::MatrixCourse && !cellText(sheet.at(r, c)).empty())
          dated.push_back(c);

      PersonDraft person;
      const Problem personProblem = findPerson(t, person);
      if (dated.empty()) {
        RowOutcome& out = plan_.rows.emplace_back(RowOutcome{s, r});
        if (personProblem) {
          refuse(out, *personProblem);
        } else {
          out.outcome = person.isNew ? Outcome::New : Outcome::OnFile;
          out.text = person.isNew ? "new person " + person.name : person.name + " on file";
          if (person.isNew) commitPerson(person);
        }
        continue;
      }
      for (std::size_t c : dated) {
        RowOutcome& out = plan_.rows.emplace_back(RowOutcome{s, r, c});
        if (personProblem) {
          refuse(out, *personProblem);
          continue;
        }
        CourseDraft course;
        const std::string code = cellText(sheet.at(header, c));
        Problem problem = code.empty() ? Problem("the column has no course code")
                                       : findCourse(code, {}, {}, nullptr, course);
        if (!problem && course.isNew) problem = "no course with code " + code;
        std::optional<double> date;
        if (!problem) problem = readDate(sheet.at(r, c), choice.dates, date);
        if (problem) {
          refuse(out, *problem);
          continue;
        }
        if (person.isNew) commitPerson(person);
        addTraining(out, person, course, *date, {});
      }
    }
  }

 private:
  struct PersonDraft {
    int index = kAmbiguous;  // in people_, once found or added
    bool isNew = false;
    store::NameRecord record{};
    std::string name;
  };
  struct CourseDraft {
    int index = kAmbiguous;
    bool isNew = false;
    store::CourseRecord record{};
  };
  struct Person {
    double stamp;
    std::string name;
    std::string id;  // folded
  };

  static bool isCountRow(const sheets::Row& row) {
    for (const Cell& c : row) {
      const std::string text = cellText(c);
      if (!text.empty()) return text == search::kMatrixCountLabel;
    }
    return false;
  }

  void refuse(RowOutcome& out, std::string reason) {
    out.outcome = Outcome::Refused;
    out.text = std::move(reason);
  }

  void rowRecords(RowOutcome& out, const RowTexts& t, bool persons, bool courses, bool dated) {
    PersonDraft person;
    CourseDraft course;
    std::optional<double> date;
    Problem problem;
    const std::string comments = t[Field::Comments];
    const bool personComments = !dated && !(courses && !persons);
    const bool courseComments = !dated && courses && !persons;
    if (!problem && persons) problem = findPerson(t, person, personComments ? comments : "");
    if (!problem && courses)
      problem = findCourse(t[Field::CourseCode], t[Field::CourseName], t[Field::ProvidedBy],
                           t.cellOf(Field::Hours), course, courseComments ? comments : "");
    if (!problem && courses && !course.isNew && t.cellOf(Field::Hours))
      problem = hoursProblem(*t.cellOf(Field::Hours), false);
    if (!problem && dated) {
      if (course.isNew && course.record.Hours <= 0)
        problem = "course " + t[Field::CourseCode] + " is a category heading";
      if (!problem) problem = readDate(*t.cellOf(Field::Date), dates_, date);
      if (!problem) problem = checkField(FieldRule::TrainingComments, comments);
    }
    if (problem) {
      refuse(out, *problem);
      return;
    }
    std::vector<std::string> news;
    if (persons && person.isNew) commitPerson(person);
    if (courses && course.isNew) commitCourse(course);
    if (dated) {
      addTraining(out, person, course, *date, comments);
      return;
    }
    if (persons)
      news.push_back(person.isNew ? "new person " + person.name : person.name + " on file");
    if (courses) {
      const std::string code = format::trim(course.record.CourseCode);
      news.push_back(course.isNew ? "new course " + code : "course " + code + " on file");
    }
    out.outcome = person.isNew || course.isNew ? Outcome::New : Outcome::OnFile;
    for (const std::string& n : news) out.text += (out.text.empty() ? "" : "; ") + n;
  }

  Problem readDate(const Cell& cell, DateOrder order, std::optional<double>& date) {
    const std::string text = cellText(cell);
    if (text.empty()) return "date missing";
    date = cellDate(cell, order);
    if (!date) return "date " + text + " is not a date";
    return {};
  }

  static Problem hoursProblem(const Cell& cell, bool needed) {
    const std::string text = cellText(cell);
    if (text.empty()) return needed ? Problem("hours missing") : Problem();
    const auto hours = cellNumber(cell);
    if (!hours) return "hours " + text + " is not a number";
    if (*hours < 0) return "hours " + text;
    return {};
  }

  // Finds the row's person, or drafts a new one; the draft is added only when the whole row is.
  Problem findPerson(const RowTexts& t, PersonDraft& d, const std::string& comments = {}) {
    std::string first = t[Field::FirstName], middle = t[Field::MiddleName],
                last = t[Field::LastName];
    const std::string& whole = t[Field::FullName];
    if (first.empty() && last.empty() && !whole.empty()) splitWholeName(whole, first, middle, last);
    const std::string id = t[Field::EmployeeID];
    const std::string foldedId = folded(id);
    if (!id.empty()) {
      const auto found = byId_.find(foldedId);
      if (found != byId_.end()) {
        if (found->second == kAmbiguous) return "more than one person has employee ID " + id;
        return found_(d, found->second);
      }
    }
    if (!first.empty() && !last.empty()) {
      const auto found = byName_.find(folded(first + ' ' + last));
      if (found != byName_.end()) {
        if (found->second == kAmbiguous)
          return "more than one person named " + first + ' ' + last + " on file";
        // Someone of that name with another employee ID is someone else.
        const Person& p = people_[static_cast<std::size_t>(found->second)];
        if (id.empty() || p.id.empty()) return found_(d, found->second);
      }
    }
    if (first.empty() && last.empty() && !id.empty()) return "no person with employee ID " + id;
    if (first.empty()) return whole.empty() ? "first name missing" : "no person named " + whole;
    if (last.empty()) return whole.empty() ? "last name missing" : "no person named " + whole;
    if (personsOnFile_ + static_cast<int>(plan_.persons.size()) >=
        store::maxRecords(store::DataFile::Names))
      return std::string("the Name List is full (32,767 persons)");
    store::NameRecord& r = d.record;
    r.FirstName = first;
    r.MiddleName = middle;
    r.LastName = last;
    r.Organization = t[Field::Organization];
    r.EmployeeID = id;
    r.Comments = comments;
    r.Active = store::kActive;
    for (const auto& [rule, value] : {std::pair{FieldRule::FirstName, &r.FirstName},
                                      {FieldRule::MiddleName, &r.MiddleName},
                                      {FieldRule::LastName, &r.LastName},
                                      {FieldRule::Organization, &r.Organization},
                                      {FieldRule::EmployeeID, &r.EmployeeID},
                                      {FieldRule::PersonComments, &r.Comments}}) {
      if (Problem p = checkField(rule, *value)) return p;
    }
    d.isNew = true;
    d.name = store::personName(r);
    return {};
  }

  Problem found_(PersonDraft& d, int index) {
    d.index = index;
    d.name = people_[static_cast<std::size_t>(index)].name;
    return {};
  }

  Problem findCourse(const std::string& code, const std::string& name, const std::string& provider,
                     const Cell* hours, CourseDraft& d, const std::string& comments = {}) {
    if (code.empty()) return std::string("course code missing");
    const auto found = byCode_.find(folded(code));
    if (found != byCode_.end()) {
      if (found->second == kAmbiguous) return "more than one course with code " + code + " on file";
      d.index = found->second;
      d.record = courses_[static_cast<std::size_t>(found->second)];
      return {};
    }
    if (name.empty() || !hours) return "no course with code " + code;
    if (Problem p = hoursProblem(*hours, true)) return p;
    if (coursesOnFile_ + static_cast<int>(plan_.courses.size()) >=
        store::maxRecords(store::DataFile::Courses))
      return std::string("the Course Index is full (32,767 courses)");
    store::CourseRecord& r = d.record;
    r.CourseCode = code;
    r.CourseName = name;
    r.ProvidedBy = provider;
    r.Hours = format::toSingle(*cellNumber(*hours));
    r.Comments = comments;
    for (const auto& [rule, value] : {std::pair{FieldRule::CourseCode, &r.CourseCode},
                                      {FieldRule::CourseName, &r.CourseName},
                                      {FieldRule::ProvidedBy, &r.ProvidedBy},
                                      {FieldRule::CourseComments, &r.Comments}}) {
      if (Problem p = checkField(rule, *value)) return p;
    }
    d.isNew = true;
    return {};
  }

  // The next creation stamp after `last`, a second on, that no record of the file carries.
  double nextStamp(double& last, std::set<double>& taken) {
    for (;;) {
      // Each stamp is computed from whole seconds, as a date typed with that time would be.
      last = format::toAutomationDate(format::fromAutomationDate(last + kSecond));
      if (taken.insert(last).second) return last;
    }
  }

  void commitPerson(PersonDraft& d) {
    d.record.DateCreated = nextStamp(lastPerson_, takenPersons_);
    d.record = store::asStored(d.record);
    d.index = addPerson(d.record, true);
    d.isNew = true;
    d.name = people_[static_cast<std::size_t>(d.index)].name;
    plan_.persons.push_back(d.record);
  }

  void commitCourse(CourseDraft& d) {
    d.record.DateCreated = nextStamp(lastCourse_, takenCourses_);
    d.record = store::asStored(d.record);
    d.index = addCourse(d.record, true);
    plan_.courses.push_back(d.record);
  }

  void addTraining(RowOutcome& out, const PersonDraft& person, const CourseDraft& course,
                   double date, const std::string& comments) {
    const store::CourseRecord& c = course.record;
    const std::string code = format::trim(c.CourseCode);
    const std::string what = person.name + ", " + code + ", " + format::formatDate(date) +
                             (person.isNew ? "; new person" : "") +
                             (course.isNew ? "; new course" : "");
    if (c.Hours <= 0) {
      refuse(out, "course " + code + " is a category heading");
      return;
    }
    const double personId = people_[static_cast<std::size_t>(person.index)].stamp;
    if (!credited_.insert({personId, c.DateCreated, date}).second) {
      out.outcome = Outcome::OnFile;
      out.text = "already in this import: " + what;
      return;
    }
    plan_.trainings.push_back(store::asStored(store::trainingOf(c, personId, date, comments)));
    plan_.trainingPersons.push_back(person.name);
    plan_.trainingRows.push_back(plan_.rows.size() - 1);
    out.outcome = Outcome::New;
    out.text = "new training: " + what;
  }

  int addPerson(const store::NameRecord& p, bool isNew) {
    const int index = static_cast<int>(people_.size());
    const std::string id = folded(format::trim(p.EmployeeID));
    people_.push_back({p.DateCreated, store::personName(p), id});
    const auto note = [&](std::unordered_map<std::string, int>& map, const std::string& key) {
      if (key.empty()) return;
      const auto [at, added] = map.try_emplace(key, index);
      if (!added && !isNew) at->second = kAmbiguous;
    };
    note(byId_, id);
    note(byName_, folded(format::trim(p.FirstName) + ' ' + format::trim(p.LastName)));
    return index;
  }

  int addCourse(const store::CourseRecord& c, bool isNew) {
    const int index = static_cast<int>(courses_.size());
    courses_.push_back(c);
    const auto [at, added] = byCode_.try_emplace(folded(format::trim(c.CourseCode)), index);
    if (!added && !isNew) at->second = kAmbiguous;
    return index;
  }

 private:
  ImportPlan& plan_;
  std::vector<Person> people_;
  std::vector<store::CourseRecord> courses_;
  std::unordered_map<std::string, int> byId_, byName_, byCode_;
  std::set<double> takenPersons_, takenCourses_;
  double lastPerson_, lastCourse_;
  DateOrder dates_ = DateOrder::MonthFirst;
  int personsOnFile_ = 0, coursesOnFile_ = 0;
  std::set<std::tuple<double, double, double>> credited_;
};

// Persons and courses first, then rows with dates, then matrices.
int sheetOrder(const SheetChoice& c) {
  if (c.kind == SheetKind::Matrix) return 2;
  return hasField(c, Field::Date) ? 1 : 0;
}

}  // namespace

std::size_t headerRow(const Sheet& sheet) {
  for (std::size_t r = 0; r < sheet.rows.size(); ++r)
    if (!blankRow(sheet.rows[r])) return r;
  return sheet.rows.size();
}

SheetChoice guessChoice(const Sheet& sheet) {
  SheetChoice choice;
  const std::size_t header = headerRow(sheet);
  if (header + 1 >= sheet.rows.size()) return choice;
  choice.fields = guessFields(sheet.rows[header]);
  choice.fields.resize(sheet.columns(), Field::None);
  const bool named = std::any_of(choice.fields.begin(), choice.fields.end(), isPersonField);
  // A matrix: no date column, and the unnamed columns after the person's hold dates.
  std::size_t dateColumns = 0, otherColumns = 0;
  if (named && !hasField(choice, Field::Date) && !hasField(choice, Field::CourseCode)) {
    for (std::size_t c = 0; c < choice.fields.size(); ++c) {
      if (choice.fields[c] != Field::None || cellText(sheet.at(header, c)).empty()) continue;
      std::size_t dates = 0, filled = 0;
      for (std::size_t r = header + 1; r < sheet.rows.size(); ++r) {
        const Cell& cell = sheet.at(r, c);
        if (cellText(cell).empty() || cell.kind == Cell::Kind::Number) continue;
        ++filled;
        if (cellDate(cell, DateOrder::MonthFirst) || cellDate(cell, DateOrder::DayFirst)) ++dates;
      }
      ++(filled > 0 && dates * 2 >= filled ? dateColumns : otherColumns);
    }
  }
  if (dateColumns > 0 && dateColumns >= otherColumns) {
    choice.kind = SheetKind::Matrix;
    for (std::size_t c = 0; c < choice.fields.size(); ++c) {
      if (choice.fields[c] == Field::None && !cellText(sheet.at(header, c)).empty())
        choice.fields[c] = Field::MatrixCourse;
      else if (!isPersonField(choice.fields[c]))
        choice.fields[c] = Field::None;
    }
  } else if (std::any_of(choice.fields.begin(), choice.fields.end(),
                         [](Field f) { return f != Field::None; })) {
    choice.kind = SheetKind::Rows;
  }
  // Day first only when some date can be read no other way.
  for (std::size_t r = header + 1; r < sheet.rows.size(); ++r) {
    for (std::size_t c = 0; c < choice.fields.size(); ++c) {
      if (choice.fields[c] != Field::Date && choice.fields[c] != Field::MatrixCourse) continue;
      const auto only = onlyOrder(sheet.at(r, c));
      if (only) {
        choice.dates = *only;
        return choice;
      }
    }
  }
  return choice;
}

SheetChoice choiceAs(const Sheet& sheet, SheetKind kind) {
  SheetChoice choice = guessChoice(sheet);
  if (choice.kind == kind || kind == SheetKind::Skip) {
    choice.kind = kind;
    return choice;
  }
  const std::size_t header = headerRow(sheet);
  choice.kind = kind;
  choice.fields =
      header < sheet.rows.size() ? guessFields(sheet.rows[header]) : std::vector<Field>{};
  choice.fields.resize(sheet.columns(), Field::None);
  if (kind != SheetKind::Matrix) return choice;
  const bool named = std::any_of(choice.fields.begin(), choice.fields.end(), isPersonField);
  for (std::size_t c = 0; c < choice.fields.size(); ++c) {
    if (!named && c == 0)
      choice.fields[c] = Field::FullName;
    else if (!isPersonField(choice.fields[c]))
      choice.fields[c] = cellText(sheet.at(header, c)).empty() ? Field::None : Field::MatrixCourse;
  }
  return choice;
}

bool datesAmbiguous(const Sheet& sheet, const SheetChoice& choice) {
  bool ambiguous = false;
  for (std::size_t r = headerRow(sheet) + 1; r < sheet.rows.size(); ++r) {
    for (std::size_t c = 0; c < choice.fields.size(); ++c) {
      if (choice.fields[c] != Field::Date && choice.fields[c] != Field::MatrixCourse) continue;
      if (onlyOrder(sheet.at(r, c))) return false;
      ambiguous = ambiguous || ambiguousDate(sheet.at(r, c));
    }
  }
  return ambiguous;
}

std::size_t ImportPlan::count(Outcome o) const {
  return static_cast<std::size_t>(
      std::count_if(rows.begin(), rows.end(), [o](const RowOutcome& r) { return r.outcome == o; }));
}

ImportPlan planImport(const sheets::Workbook& book, const std::vector<SheetChoice>& choices,
                      const OnFile& onFile, const format::DateTime& now) {
  ImportPlan plan;
  Planner planner(onFile, now, plan);
  std::vector<std::size_t> order;
  for (std::size_t s = 0; s < book.sheets.size() && s < choices.size(); ++s)
    if (choices[s].kind != SheetKind::Skip) order.push_back(s);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return sheetOrder(choices[a]) < sheetOrder(choices[b]);
  });
  for (std::size_t s : order) {
    planner.setDateOrder(choices[s].dates);
    if (choices[s].kind == SheetKind::Matrix)
      planner.matrixSheet(s, book.sheets[s], choices[s]);
    else
      planner.rowsSheet(s, book.sheets[s], choices[s]);
  }
  // The preview lists the rows as the workbook holds them.
  std::vector<std::size_t> position(plan.rows.size());
  for (std::size_t i = 0; i < position.size(); ++i) position[i] = i;
  std::stable_sort(position.begin(), position.end(), [&](std::size_t a, std::size_t b) {
    const RowOutcome &x = plan.rows[a], &y = plan.rows[b];
    return std::tie(x.sheet, x.row) < std::tie(y.sheet, y.row);
  });
  std::vector<std::size_t> newIndex(position.size());
  std::vector<RowOutcome> sorted;
  sorted.reserve(position.size());
  for (std::size_t i = 0; i < position.size(); ++i) {
    newIndex[position[i]] = i;
    sorted.push_back(std::move(plan.rows[position[i]]));
  }
  plan.rows = std::move(sorted);
  for (std::size_t& r : plan.trainingRows) r = newIndex[r];
  return plan;
}

void settleTrainingOnFile(ImportPlan& plan, const std::vector<bool>& onFile) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < plan.trainings.size(); ++i) {
    if (i < onFile.size() && onFile[i]) {
      RowOutcome& row = plan.rows[plan.trainingRows[i]];
      row.outcome = Outcome::OnFile;
      row.text.replace(0, std::string_view("new training").size(), "training on file");
      continue;
    }
    if (kept != i) {
      plan.trainings[kept] = std::move(plan.trainings[i]);
      plan.trainingPersons[kept] = std::move(plan.trainingPersons[i]);
      plan.trainingRows[kept] = plan.trainingRows[i];
    }
    ++kept;
  }
  plan.trainings.resize(kept);
  plan.trainingPersons.resize(kept);
  plan.trainingRows.resize(kept);
}

std::string_view outcomeLabel(Outcome o) {
  switch (o) {
    case Outcome::New:
      return "new";
    case Outcome::OnFile:
      return "on file";
    case Outcome::Refused:
      return "refused";
  }
  return {};
}

}  // namespace vm::imports
