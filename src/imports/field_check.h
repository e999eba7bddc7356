// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace vm::imports {

// The text fields an import fills, each with its width in the record files.
enum class FieldRule {
  FirstName,
  MiddleName,
  LastName,
  Organization,
  EmployeeID,
  PersonComments,
  CourseCode,
  CourseName,
  ProvidedBy,
  CourseComments,
  TrainingComments,
};

// Why a text cannot be stored in the field, or nothing when it can: a character Windows-1252
// lacks ("last name holds \"Ω\", which the data files cannot store"), a line break or other control
// character outside the comments, or more characters than the field holds ("first name too long:
// 16 of 15 characters"). Texts are never cut to fit.
std::optional<std::string> checkField(FieldRule rule, const std::string& utf8);

}  // namespace vm::imports
