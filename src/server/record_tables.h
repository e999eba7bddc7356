// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "store/data_files.h"
#include "store/record_layouts.h"

namespace vm::server {

// The tables that hold the record files' records, one column per field of the byte layout, so
// that a record means on the server what it means in the data folder. Text columns hold the
// field's characters without the blanks that pad it (the layout pads with blanks again); dates,
// hours and flags hold the stored number bit for bit.
enum class ColumnKind { Date, Single, Int16, Text };

struct ColumnShape {
  std::string_view name;
  store::layout::Field field;
  ColumnKind kind;
};

struct TableShape {
  std::string_view table;
  store::DataFile file;
  std::span<const ColumnShape> columns;
  // The columns whose links (the stamp's number to 15 significant digits, as records have always
  // compared them) the table keeps beside them, "<name>" giving "<link column>".
  std::span<const std::array<std::string_view, 2>> links;
};

namespace shapes {
namespace L = store::layout;
using K = ColumnKind;

inline constexpr std::array<ColumnShape, 6> kUserColumns = {{
    {"date_created", L::user::DateCreated, K::Date},
    {"first_name", L::user::FirstName, K::Text},
    {"last_name", L::user::LastName, K::Text},
    {"password", L::user::Password, K::Text},
    {"access_level", L::user::AccessLevel, K::Int16},
    {"comments", L::user::Comments, K::Text},
}};

inline constexpr std::array<ColumnShape, 8> kPersonColumns = {{
    {"date_created", L::name::DateCreated, K::Date},
    {"first_name", L::name::FirstName, K::Text},
    {"middle_name", L::name::MiddleName, K::Text},
    {"last_name", L::name::LastName, K::Text},
    {"organization", L::name::Organization, K::Text},
    {"employee_id", L::name::EmployeeID, K::Text},
    {"comments", L::name::Comments, K::Text},
    {"active", L::name::Active, K::Int16},
}};

inline constexpr std::array<ColumnShape, 6> kCourseColumns = {{
    {"date_created", L::course::DateCreated, K::Date},
    {"course_code", L::course::CourseCode, K::Text},
    {"course_name", L::course::CourseName, K::Text},
    {"provided_by", L::course::ProvidedBy, K::Text},
    {"hours", L::course::Hours, K::Single},
    {"comments", L::course::Comments, K::Text},
}};

inline constexpr std::array<ColumnShape, 8> kTrainingColumns = {{
    {"training_date", L::training::TrainingDate, K::Date},
    {"person_id", L::training::PersonID, K::Date},
    {"course_id", L::training::CourseID, K::Date},
    {"course_code", L::training::CourseCode, K::Text},
    {"course_name", L::training::CourseName, K::Text},
    {"provided_by", L::training::ProvidedBy, K::Text},
    {"hours", L::training::Hours, K::Single},
    {"comments", L::training::Comments, K::Text},
}};

inline constexpr std::array<std::array<std::string_view, 2>, 1> kStampLink = {
    {{"date_created", "link"}}};
inline constexpr std::array<std::array<std::string_view, 2>, 2> kTrainingLinks = {
    {{"person_id", "person_link"}, {"course_id", "course_link"}}};

}  // namespace shapes

inline constexpr TableShape kUsers{"users", store::DataFile::Users, shapes::kUserColumns,
                                   shapes::kStampLink};
inline constexpr TableShape kPersons{"persons", store::DataFile::Names, shapes::kPersonColumns,
                                     shapes::kStampLink};
inline constexpr TableShape kCourses{"courses", store::DataFile::Courses, shapes::kCourseColumns,
                                     shapes::kStampLink};
inline constexpr TableShape kTraining{"training", store::DataFile::Training,
                                      shapes::kTrainingColumns, shapes::kTrainingLinks};

inline constexpr std::array<const TableShape*, 4> kRecordTables = {&kUsers, &kPersons, &kCourses,
                                                                   &kTraining};

// Whether the columns cover every byte of the record, so that no byte is left to chance.
constexpr bool coversRecord(std::span<const ColumnShape> columns, std::size_t length) {
  std::size_t at = 0;
  for (const ColumnShape& c : columns) {
    if (c.field.offset != at) return false;
    at = c.field.end();
  }
  return at == length;
}
static_assert(coversRecord(shapes::kUserColumns, store::layout::user::kLength) &&
              coversRecord(shapes::kPersonColumns, store::layout::name::kLength) &&
              coversRecord(shapes::kCourseColumns, store::layout::course::kLength) &&
              coversRecord(shapes::kTrainingColumns, store::layout::training::kLength));

}  // namespace vm::server
