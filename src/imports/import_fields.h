// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "sheets/workbook.h"

namespace vm::imports {

// What a column of a sheet holds, as the import reads it.
enum class Field {
  None,  // not imported
  FirstName,
  MiddleName,
  LastName,
  FullName,  // a person's whole name: "Ann Lee", "Ann M. Lee" or "Lee, Ann"
  Organization,
  EmployeeID,
  CourseCode,
  CourseName,
  ProvidedBy,
  Hours,
  Date,
  Comments,
  MatrixCourse,  // a course of a training matrix: its code heads the column, dates fill it
};

inline constexpr std::array<Field, 14> kFields = {
    Field::None,       Field::FirstName,    Field::MiddleName, Field::LastName,
    Field::FullName,   Field::Organization, Field::EmployeeID, Field::CourseCode,
    Field::CourseName, Field::ProvidedBy,   Field::Hours,      Field::Date,
    Field::Comments,   Field::MatrixCourse};

// The field's name as the import window lists it ("First Name", "(not imported)").
std::string_view fieldLabel(Field f);

// The field a header names, by its words in any letter case and with or without accents:
// "First Name", "Given name", "Surname", "Emp. No.", "Course Code", "Title", "Hours", "Date
// completed", "Notes". Field::None when the header says nothing the import knows.
Field guessField(std::string_view header);

// The fields of a header row: each guessed field for the first column that names it, later ones
// not imported.
std::vector<Field> guessFields(const sheets::Row& header);

bool isPersonField(Field f);

}  // namespace vm::imports
