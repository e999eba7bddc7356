// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/import_fields.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>

#include "imports/cell_text.h"
#include "imports/folded_text.h"

namespace vm::imports {
namespace {

// Letters and digits only: "Emp. No." -> "empno".
std::string squeezed(std::string_view header) {
  std::string out;
  for (char c : folded(header))
    if (std::isalnum(static_cast<unsigned char>(c))) out += c;
  return out;
}

bool has(const std::string& s, std::string_view part) { return s.find(part) != std::string::npos; }

}  // namespace

std::string_view fieldLabel(Field f) {
  switch (f) {
    case Field::None:
      return "(not imported)";
    case Field::FirstName:
      return "First Name";
    case Field::MiddleName:
      return "Middle Name";
    case Field::LastName:
      return "Last Name";
    case Field::FullName:
      return "Whole Name";
    case Field::Organization:
      return "Organization";
    case Field::EmployeeID:
      return "Employee ID";
    case Field::CourseCode:
      return "Course Code";
    case Field::CourseName:
      return "Name of Course";
    case Field::ProvidedBy:
      return "Provided by";
    case Field::Hours:
      return "Hours";
    case Field::Date:
      return "Date";
    case Field::Comments:
      return "Comments";
    case Field::MatrixCourse:
      return "Course of the Matrix";
  }
  return {};
}

Field guessField(std::string_view header) {
  const std::string h = squeezed(header);
  if (h.empty()) return Field::None;
  // Whole words first, then the words a header is likely to contain.
  static const std::vector<std::pair<std::string_view, Field>> kExact = {
      {"first", Field::FirstName},
      {"given", Field::FirstName},
      {"forename", Field::FirstName},
      {"prenom", Field::FirstName},
      {"middle", Field::MiddleName},
      {"mi", Field::MiddleName},
      {"initial", Field::MiddleName},
      {"last", Field::LastName},
      {"surname", Field::LastName},
      {"family", Field::LastName},
      {"nom", Field::LastName},
      {"name", Field::FullName},
      {"fullname", Field::FullName},
      {"person", Field::FullName},
      {"employee", Field::FullName},
      {"staff", Field::FullName},
      {"employeename", Field::FullName},
      {"staffname", Field::FullName},
      {"personname", Field::FullName},
      {"id", Field::EmployeeID},
      {"badge", Field::EmployeeID},
      {"payroll", Field::EmployeeID},
      {"course", Field::CourseCode},
      {"code", Field::CourseCode},
      {"title", Field::CourseName},
      {"training", Field::CourseName},
      {"description", Field::CourseName},
      {"provider", Field::ProvidedBy},
      {"trainer", Field::ProvidedBy},
      {"instructor", Field::ProvidedBy},
      {"vendor", Field::ProvidedBy},
      {"hrs", Field::Hours},
      {"duration", Field::Hours},
      {"when", Field::Date},
      {"completed", Field::Date},
      {"taken", Field::Date},
      {"remarks", Field::Comments},
      {"org", Field::Organization},
      {"company", Field::Organization},
      {"dept", Field::Organization},
      {"department", Field::Organization},
      {"division", Field::Organization},
      {"unit", Field::Organization},
      {"site", Field::Organization},
  };
  for (const auto& [word, field] : kExact)
    if (h == word) return field;
  if (has(h, "date")) return Field::Date;
  if (has(h, "hour")) return Field::Hours;
  if (has(h, "comment") || has(h, "note")) return Field::Comments;
  if (has(h, "provid")) return Field::ProvidedBy;
  if (has(h, "organi") || has(h, "depart")) return Field::Organization;
  if (has(h, "course") || has(h, "training")) {
    if (has(h, "name") || has(h, "title") || has(h, "desc")) return Field::CourseName;
    return Field::CourseCode;
  }
  if (has(h, "code")) return Field::CourseCode;
  if (has(h, "first") || has(h, "given")) return Field::FirstName;
  if (has(h, "middle")) return Field::MiddleName;
  if (has(h, "last") || has(h, "surname") || has(h, "family")) return Field::LastName;
  if ((has(h, "employee") || has(h, "emp") || has(h, "staff") || has(h, "person")) &&
      (has(h, "id") || has(h, "no") || has(h, "number") || has(h, "num")))
    return Field::EmployeeID;
  if (has(h, "name")) return Field::FullName;
  return Field::None;
}

std::vector<Field> guessFields(const sheets::Row& header) {
  std::vector<Field> fields;
  for (const sheets::Cell& cell : header) {
    Field f = guessField(cellText(cell));
    if (std::find(fields.begin(), fields.end(), f) != fields.end()) f = Field::None;
    fields.push_back(f);
  }
  // A whole name beside first and last names is said twice: the parts win.
  const bool parts = std::find(fields.begin(), fields.end(), Field::LastName) != fields.end();
  if (parts) std::replace(fields.begin(), fields.end(), Field::FullName, Field::None);
  return fields;
}

bool isPersonField(Field f) {
  return f == Field::FirstName || f == Field::MiddleName || f == Field::LastName ||
         f == Field::FullName || f == Field::Organization || f == Field::EmployeeID;
}

}  // namespace vm::imports
