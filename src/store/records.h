// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace vm::store {

// The record types, field for field as they lie on disk. Text is UTF-8 here and
// Windows-1252 on disk; a decoded text field holds its full width, padding included,
// so readers trim it. Dates are automation dates (days since 30 December 1899).

struct UserRecord {
  double DateCreated = 0;
  std::string FirstName;
  std::string LastName;
  std::string Password;  // scrambled form
  std::int16_t AccessLevel = 0;
  std::string Comments;
};

struct NameRecord {
  double DateCreated = 0;
  std::string FirstName;
  std::string MiddleName;
  std::string LastName;
  std::string Organization;
  std::string EmployeeID;
  std::string Comments;
  std::int16_t Active = 0;  // -1 active, 0 inactive
};

struct CourseRecord {
  double DateCreated = 0;
  std::string CourseCode;
  std::string CourseName;
  std::string ProvidedBy;
  float Hours = 0;
  std::string Comments;
};

struct TrainingRecord {
  double TrainingDate = 0;
  double PersonID = 0;  // the person's DateCreated
  double CourseID = 0;  // the course's DateCreated
  std::string CourseCode;
  std::string CourseName;
  std::string ProvidedBy;
  float Hours = 0;
  std::string Comments;
};

// The renewal period of one course (Course.Renewal): a training of the course lapses this many
// months after the day it was taken. Only courses with a period have a record.
struct RenewalRecord {
  double CourseID = 0;  // the course's DateCreated
  std::int16_t Months = 0;
};

inline constexpr std::int16_t kActive = -1;
inline constexpr std::int16_t kInactive = 0;

}  // namespace vm::store
