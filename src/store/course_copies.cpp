// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/course_copies.h"

#include <utility>

#include "store/field_codec.h"

namespace vm::store {

TrainingRecord trainingOf(const CourseRecord& course, double personId, double trainingDate,
                          std::string comments) {
  TrainingRecord record;
  record.TrainingDate = trainingDate;
  record.PersonID = personId;
  record.CourseID = course.DateCreated;
  record.CourseCode = course.CourseCode;
  record.CourseName = course.CourseName;
  record.ProvidedBy = course.ProvidedBy;
  record.Hours = course.Hours;
  record.Comments = std::move(comments);
  return record;
}

CourseCopies::CourseCopies(const CourseRecord& course) {
  namespace layout = layout::training;
  codec::putText(record_, layout::CourseCode, course.CourseCode);
  codec::putText(record_, layout::CourseName, course.CourseName);
  codec::putText(record_, layout::ProvidedBy, course.ProvidedBy);
  codec::putSingle(record_, layout::Hours, course.Hours);
}

}  // namespace vm::store
