// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/record_codec.h"

#include <algorithm>

#include "store/field_codec.h"
#include "store/record_layouts.h"

namespace vm::store {

using namespace codec;

static_assert(recordLength(DataFile::Users) == layout::user::kLength &&
              recordLength(DataFile::Names) == layout::name::kLength &&
              recordLength(DataFile::Courses) == layout::course::kLength &&
              recordLength(DataFile::Training) == layout::training::kLength &&
              recordLength(DataFile::Renewals) == layout::renewal::kLength);

void RecordTraits<UserRecord>::encode(const UserRecord& r, std::span<char> b) {
  namespace L = layout::user;
  putDouble(b, L::DateCreated, r.DateCreated);
  putText(b, L::FirstName, r.FirstName);
  putText(b, L::LastName, r.LastName);
  putText(b, L::Password, r.Password);
  putInt16(b, L::AccessLevel, r.AccessLevel);
  putText(b, L::Comments, r.Comments);
}

UserRecord RecordTraits<UserRecord>::decode(std::span<const char> b) {
  namespace L = layout::user;
  return {getDouble(b, L::DateCreated), getText(b, L::FirstName),    getText(b, L::LastName),
          getText(b, L::Password),      getInt16(b, L::AccessLevel), getText(b, L::Comments)};
}

void RecordTraits<NameRecord>::encode(const NameRecord& r, std::span<char> b) {
  namespace L = layout::name;
  putDouble(b, L::DateCreated, r.DateCreated);
  putText(b, L::FirstName, r.FirstName);
  putText(b, L::MiddleName, r.MiddleName);
  putText(b, L::LastName, r.LastName);
  putText(b, L::Organization, r.Organization);
  putText(b, L::EmployeeID, r.EmployeeID);
  putText(b, L::Comments, r.Comments);
  putInt16(b, L::Active, r.Active);
}

NameRecord RecordTraits<NameRecord>::decode(std::span<const char> b) {
  namespace L = layout::name;
  return {getDouble(b, L::DateCreated), getText(b, L::FirstName),    getText(b, L::MiddleName),
          getText(b, L::LastName),      getText(b, L::Organization), getText(b, L::EmployeeID),
          getText(b, L::Comments),      getInt16(b, L::Active)};
}

void RecordTraits<CourseRecord>::encode(const CourseRecord& r, std::span<char> b) {
  namespace L = layout::course;
  putDouble(b, L::DateCreated, r.DateCreated);
  putText(b, L::CourseCode, r.CourseCode);
  putText(b, L::CourseName, r.CourseName);
  putText(b, L::ProvidedBy, r.ProvidedBy);
  putSingle(b, L::Hours, r.Hours);
  putText(b, L::Comments, r.Comments);
}

CourseRecord RecordTraits<CourseRecord>::decode(std::span<const char> b) {
  namespace L = layout::course;
  return {getDouble(b, L::DateCreated), getText(b, L::CourseCode), getText(b, L::CourseName),
          getText(b, L::ProvidedBy),    getSingle(b, L::Hours),    getText(b, L::Comments)};
}

void RecordTraits<TrainingRecord>::encode(const TrainingRecord& r, std::span<char> b) {
  namespace L = layout::training;
  putDouble(b, L::TrainingDate, r.TrainingDate);
  putDouble(b, L::PersonID, r.PersonID);
  putDouble(b, L::CourseID, r.CourseID);
  putText(b, L::CourseCode, r.CourseCode);
  putText(b, L::CourseName, r.CourseName);
  putText(b, L::ProvidedBy, r.ProvidedBy);
  putSingle(b, L::Hours, r.Hours);
  putText(b, L::Comments, r.Comments);
}

TrainingRecord RecordTraits<TrainingRecord>::decode(std::span<const char> b) {
  namespace L = layout::training;
  return {getDouble(b, L::TrainingDate), getDouble(b, L::PersonID), getDouble(b, L::CourseID),
          getText(b, L::CourseCode),     getText(b, L::CourseName), getText(b, L::ProvidedBy),
          getSingle(b, L::Hours),        getText(b, L::Comments)};
}

void RecordTraits<RenewalRecord>::encode(const RenewalRecord& r, std::span<char> b) {
  namespace L = layout::renewal;
  putDouble(b, L::CourseID, r.CourseID);
  putInt16(b, L::Months, r.Months);
  std::fill_n(b.begin() + L::Reserved.offset, L::Reserved.width, '\0');
}

RenewalRecord RecordTraits<RenewalRecord>::decode(std::span<const char> b) {
  namespace L = layout::renewal;
  return {getDouble(b, L::CourseID), getInt16(b, L::Months)};
}

}  // namespace vm::store
