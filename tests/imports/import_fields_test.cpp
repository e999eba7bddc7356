// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/import_fields.h"

#include <gtest/gtest.h>

namespace vm::imports {
namespace {

TEST(ImportFields, HeadersNameTheirFields) {
  const std::vector<std::pair<std::string, Field>> cases = {
      {"First Name", Field::FirstName},    {"Given name", Field::FirstName},
      {"Prénom", Field::FirstName},        {"Middle Name", Field::MiddleName},
      {"M.I.", Field::MiddleName},         {"Last Name", Field::LastName},
      {"SURNAME", Field::LastName},        {"Name", Field::FullName},
      {"Employee", Field::FullName},       {"Employee ID", Field::EmployeeID},
      {"Emp. No.", Field::EmployeeID},     {"Staff number", Field::EmployeeID},
      {"ID", Field::EmployeeID},           {"Organisation", Field::Organization},
      {"Department", Field::Organization}, {"Course Code", Field::CourseCode},
      {"Course", Field::CourseCode},       {"Code", Field::CourseCode},
      {"Course Name", Field::CourseName},  {"Name of Course", Field::CourseName},
      {"Title", Field::CourseName},        {"Provided by", Field::ProvidedBy},
      {"Trainer", Field::ProvidedBy},      {"Hours", Field::Hours},
      {"Credit hours", Field::Hours},      {"Date", Field::Date},
      {"Training date", Field::Date},      {"Completed", Field::Date},
      {"Comments", Field::Comments},       {"Notes", Field::Comments},
      {"Shoe size", Field::None},          {"", Field::None},
  };
  for (const auto& [header, field] : cases) EXPECT_EQ(guessField(header), field) << header;
}

TEST(ImportFields, EachFieldIsGuessedForOneColumnOnly) {
  const auto cell = sheets::Cell::ofText;
  EXPECT_EQ(guessFields({cell("Date"), cell("First"), cell("Name"), cell("Last"), cell("Date")}),
            (std::vector<Field>{Field::Date, Field::FirstName, Field::None, Field::LastName,
                                Field::None}));
}

}  // namespace
}  // namespace vm::imports
