// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/change_log/record_changes.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "format/automation_date.h"
#include "format/date_text.h"
#include "format/number_text.h"
#include "format/trim.h"
#include "store/access_levels.h"

namespace vm::store {
namespace {

template <typename Record>
struct ShownField {
  std::string_view label;
  std::function<std::string(const Record&)> text;
};

// "mm/dd/yyyy", with the time of day when the date holds one.
std::string dateText(double date) {
  const format::DateTime t = format::fromAutomationDate(date);
  std::string text = format::formatDate(date);
  if (t.hour != 0 || t.minute != 0 || t.second != 0) text += ' ' + format::formatTime(date);
  return text;
}

std::string statusText(std::int16_t active) {
  return active == kActive ? "Active Person" : "Inactive Person";
}

std::string levelText(std::int16_t level) {
  const std::string_view name = accessLevelName(level);
  return name.empty() ? std::to_string(level) : std::string(name);
}

// The fields an addition lists and an edit compares, beyond those that name the record.
const std::vector<ShownField<NameRecord>>& personFields() {
  static const std::vector<ShownField<NameRecord>> fields = {
      {"First Name", [](const NameRecord& r) { return format::trim(r.FirstName); }},
      {"Middle Name", [](const NameRecord& r) { return format::trim(r.MiddleName); }},
      {"Last Name", [](const NameRecord& r) { return format::trim(r.LastName); }},
      {"Organization", [](const NameRecord& r) { return format::trim(r.Organization); }},
      {"Employee ID", [](const NameRecord& r) { return format::trim(r.EmployeeID); }},
      {"Comments", [](const NameRecord& r) { return format::trim(r.Comments); }},
      {"Status", [](const NameRecord& r) { return statusText(r.Active); }},
  };
  return fields;
}

const std::vector<ShownField<CourseRecord>>& courseFields() {
  static const std::vector<ShownField<CourseRecord>> fields = {
      {"Course Code", [](const CourseRecord& r) { return format::trim(r.CourseCode); }},
      {"Name of Course", [](const CourseRecord& r) { return format::trim(r.CourseName); }},
      {"Provided by", [](const CourseRecord& r) { return format::trim(r.ProvidedBy); }},
      {"Hours", [](const CourseRecord& r) { return format::shortestSingle(r.Hours); }},
      {"Comments", [](const CourseRecord& r) { return format::trim(r.Comments); }},
  };
  return fields;
}

const std::vector<ShownField<TrainingRecord>>& trainingFields() {
  static const std::vector<ShownField<TrainingRecord>> fields = {
      {"Course Date", [](const TrainingRecord& r) { return dateText(r.TrainingDate); }},
      {"Course Code", [](const TrainingRecord& r) { return format::trim(r.CourseCode); }},
      {"Name of Course", [](const TrainingRecord& r) { return format::trim(r.CourseName); }},
      {"Provided by", [](const TrainingRecord& r) { return format::trim(r.ProvidedBy); }},
      {"Hours", [](const TrainingRecord& r) { return format::shortestSingle(r.Hours); }},
      {"Comments", [](const TrainingRecord& r) { return format::trim(r.Comments); }},
  };
  return fields;
}

const std::vector<ShownField<UserRecord>>& userFields() {
  static const std::vector<ShownField<UserRecord>> fields = {
      {"First Name", [](const UserRecord& r) { return format::trim(r.FirstName); }},
      {"Last Name", [](const UserRecord& r) { return format::trim(r.LastName); }},
      {"Access Level", [](const UserRecord& r) { return levelText(r.AccessLevel); }},
      {"Comments", [](const UserRecord& r) { return format::trim(r.Comments); }},
  };
  return fields;
}

// `Field: "value"` for every field the addition filled, but those that already name the record.
template <typename Record>
std::vector<std::string> filled(const std::vector<ShownField<Record>>& fields, const Record& r,
                                std::initializer_list<std::string_view> naming) {
  std::vector<std::string> details;
  for (const ShownField<Record>& f : fields) {
    if (std::find(naming.begin(), naming.end(), f.label) != naming.end()) continue;
    const std::string value = f.text(r);
    if (!value.empty()) details.push_back(std::string(f.label) + ": " + quoted(value));
  }
  return details;
}

// `Field: "old" -> "new"` for every field that differs.
template <typename Record>
std::vector<std::string> differing(const std::vector<ShownField<Record>>& fields,
                                   const Record& before, const Record& after) {
  std::vector<std::string> details;
  for (const ShownField<Record>& f : fields) {
    const std::string old = f.text(before);
    const std::string now = f.text(after);
    if (old != now)
      details.push_back(std::string(f.label) + ": " + quoted(old) + " -> " + quoted(now));
  }
  return details;
}

// Parts of a record's name joined by ", ", empty ones left out.
std::string named(std::initializer_list<std::string> parts) {
  std::string out;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    if (!out.empty()) out += ", ";
    out += logValue(part);
  }
  return out;
}

std::string courseNamed(const CourseRecord& c) {
  return named({format::trim(c.CourseCode), format::trim(c.CourseName)});
}

std::string trainingNamed(std::string_view person, const TrainingRecord& t) {
  return named({format::trim(person), dateText(t.TrainingDate), format::trim(t.CourseCode),
                format::trim(t.CourseName)});
}

std::string userNamed(const UserRecord& u) {
  const std::string first = format::trim(u.FirstName);
  const std::string last = format::trim(u.LastName);
  return logValue(first.empty() || last.empty() ? first + last : first + ' ' + last);
}

Change change(std::string_view action, std::string record, std::vector<std::string> details = {}) {
  return Change{std::string(action), std::move(record), std::move(details)};
}

std::string fileList(std::span<const std::string> files) {
  std::string out;
  for (const std::string& name : files) out += (out.empty() ? "" : ", ") + name;
  return logValue(out);
}

}  // namespace

std::string personName(const NameRecord& person) {
  std::string name = format::trim(person.FirstName);
  for (const std::string& part : {format::trim(person.MiddleName), format::trim(person.LastName)}) {
    if (part.empty()) continue;
    if (!name.empty()) name += ' ';
    name += part;
  }
  return name;
}

Change personAdded(const NameRecord& person) {
  return change("person added", logValue(personName(person)),
                filled(personFields(), person, {"First Name", "Middle Name", "Last Name"}));
}

Change personEdited(const NameRecord& before, const NameRecord& after) {
  return change("person edited", logValue(personName(before)),
                differing(personFields(), before, after));
}

Change personDeleted(const NameRecord& person, std::size_t trainingStep) {
  Change c = change("person deleted", logValue(personName(person)));
  c.tally = Tally::TrainingRemoved;
  c.tallyStep = trainingStep;
  return c;
}

Change courseAdded(const CourseRecord& course) {
  return change("course added", courseNamed(course),
                filled(courseFields(), course, {"Course Code", "Name of Course"}));
}

Change courseEdited(const CourseRecord& before, const CourseRecord& after) {
  return change("course edited", courseNamed(before), differing(courseFields(), before, after));
}

Change courseDeleted(const CourseRecord& course) {
  return change("course deleted", courseNamed(course));
}

Change courseCarried(const CourseRecord& course, std::size_t patchStep) {
  Change c = change("course change carried", courseNamed(course));
  c.tally = Tally::TrainingUpdated;
  c.tallyStep = patchStep;
  return c;
}

Change trainingCredited(std::string_view person, const TrainingRecord& training) {
  return change(
      "training credited", trainingNamed(person, training),
      filled(trainingFields(), training, {"Course Date", "Course Code", "Name of Course"}));
}

Change trainingEdited(std::string_view person, const TrainingRecord& before,
                      const TrainingRecord& after) {
  return change("training edited", trainingNamed(person, before),
                differing(trainingFields(), before, after));
}

Change trainingDeleted(std::string_view person, const TrainingRecord& training) {
  return change("training deleted", trainingNamed(person, training));
}

Change userAdded(const UserRecord& user) {
  return change("user added", userNamed(user),
                filled(userFields(), user, {"First Name", "Last Name"}));
}

Change userEdited(const UserRecord& before, const UserRecord& after, bool passwordChanged) {
  Change c = change("user edited", userNamed(before), differing(userFields(), before, after));
  if (passwordChanged) c.details.push_back("password changed");
  return c;
}

Change userDeleted(const UserRecord& user) { return change("user deleted", userNamed(user)); }

Change dataBackedUp(std::string_view folder, std::span<const std::string> files) {
  return change("data backed up", logValue(folder), {fileList(files), std::string(kBackupLogEnds)});
}

Change dataRestored(std::string_view folder, std::span<const std::string> files,
                    std::string_view backedUp, std::span<const std::string> removed) {
  Change c = change("data restored", logValue(folder), {fileList(files)});
  if (!backedUp.empty()) c.details.push_back("Backed up: " + quoted(backedUp));
  if (!removed.empty()) c.details.push_back("Removed: " + quoted(fileList(removed)));
  return c;
}

Change dataImported(std::string_view file, const ImportCounts& counts) {
  const auto counted = [](std::size_t n, std::string_view one, std::string_view many,
                          std::string_view what) {
    return std::to_string(n) + ' ' + std::string(n == 1 ? one : many) + std::string(what);
  };
  return change("data imported", logValue(file),
                {counted(counts.persons, "person", "persons", " added"),
                 counted(counts.courses, "course", "courses", " added"),
                 counted(counts.trainings, "training record", "training records", " added"),
                 counted(counts.onFile, "row", "rows", " already on file"),
                 counted(counts.refused, "row", "rows", " refused")});
}

}  // namespace vm::store
