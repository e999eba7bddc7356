#include "courses/course_store.h"

#include "store/creation_stamp.h"

namespace vm::courses {

constexpr auto kCourses = store::DataFile::Courses;

bool appendCourse(store::FileTable& table, store::CourseRecord& course,
                  const format::DateTime& now) {
  const store::OpenFile file(table, kCourses);
  if (!table.canAppend(kCourses)) return false;
  course.DateCreated = store::uniqueCreationStamp(table, kCourses, now);
  table.write(table.count(kCourses) + 1, course);
  return true;
}

void rewriteCourse(store::FileTable& table, std::int32_t n, store::CourseRecord& course) {
  const store::OpenFile file(table, kCourses);
  course.DateCreated = table.read<store::CourseRecord>(n).DateCreated;
  table.write(n, course);
}

}  // namespace vm::courses
