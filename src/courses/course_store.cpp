#include "courses/course_store.h"

#include <vector>

#include "store/creation_stamp.h"
#include "store/field_codec.h"
#include "store/work_journal.h"

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

void deleteCourse(store::FileTable& table, std::int32_t n) {
  double course = 0;
  {
    const store::OpenFile file(table, kCourses);
    std::vector<char> record(store::layout::course::kLength);
    table.readBytes(kCourses, n, record);
    course = store::codec::getDouble(record, store::layout::course::DateCreated);
  }
  store::doWork(table, {store::DropLinked{store::DataFile::Renewals,
                                          store::layout::renewal::CourseID.offset, course},
                        store::RemoveRecord{kCourses, n}});
}

}  // namespace vm::courses
