// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/course_store.h"

#include "store/change_log/record_changes.h"
#include "store/creation_stamp.h"
#include "store/record_layouts.h"
#include "store/work_journal.h"

namespace vm::courses {

constexpr auto kCourses = store::DataFile::Courses;

bool appendCourse(store::FileTable& table, const store::ChangeAuthor& author,
                  store::CourseRecord& course) {
  {
    const store::OpenFile file(table, kCourses);
    if (!table.canAppend(kCourses)) return false;
    course.DateCreated = store::uniqueCreationStamp(table, kCourses, author.when);
  }
  const std::string bytes = store::encoded(course);
  const store::Change change = store::courseAdded(store::decoded<store::CourseRecord>(bytes));
  store::doWork(table, author, {store::AppendRecords{kCourses, bytes}}, {&change, 1});
  return true;
}

void rewriteCourse(store::FileTable& table, const store::ChangeAuthor& author, std::int32_t n,
                   store::CourseRecord& course) {
  store::CourseRecord before;
  {
    const store::OpenFile file(table, kCourses);
    before = table.read<store::CourseRecord>(n);
  }
  course.DateCreated = before.DateCreated;
  const std::string bytes = store::encoded(course);
  const store::Change change =
      store::courseEdited(before, store::decoded<store::CourseRecord>(bytes));
  if (change.details.empty()) return;
  store::doWork(table, author, {store::PutRecord{kCourses, n, bytes}}, {&change, 1});
}

void deleteCourse(store::FileTable& table, const store::ChangeAuthor& author, std::int32_t n) {
  store::CourseRecord course;
  {
    const store::OpenFile file(table, kCourses);
    course = table.read<store::CourseRecord>(n);
  }
  const store::Change change = store::courseDeleted(course);
  store::doWork(table, author,
                {store::DropLinked{store::DataFile::Renewals,
                                   store::layout::renewal::CourseID.offset, course.DateCreated},
                 store::RemoveRecord{kCourses, n}},
                {&change, 1});
}

}  // namespace vm::courses
