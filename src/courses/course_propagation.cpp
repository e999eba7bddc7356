// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/course_propagation.h"

#include <array>

#include "store/change_log/record_changes.h"
#include "store/field_codec.h"
#include "store/record_codec.h"
#include "store/work_journal.h"

namespace vm::courses {

namespace layout = store::layout::training;

PropagationCount propagateCourse(store::FileTable& table, const store::ChangeAuthor& author,
                                 const store::CourseRecord& course,
                                 const PropagationProgress& progress) {
  // The course's fields as they lie in a training record, encoded once for the whole pass.
  std::array<char, layout::kLength> copy{};
  store::codec::putText(copy, layout::CourseCode, course.CourseCode);
  store::codec::putText(copy, layout::CourseName, course.CourseName);
  store::codec::putText(copy, layout::ProvidedBy, course.ProvidedBy);
  store::codec::putSingle(copy, layout::Hours, course.Hours);
  constexpr std::size_t kFirst = layout::CourseCode.offset;
  constexpr std::size_t kLast = layout::Hours.end();
  // Only the four course fields lie between the course link and the comments.
  static_assert(layout::CourseID.end() == kFirst && layout::Comments.offset == kLast);

  const store::Change change = store::courseCarried(store::asStored(course), 0);
  const store::StepResult done =
      store::doWork(table, author,
                    {store::PatchLinked{store::DataFile::Training, layout::CourseID.offset,
                                        course.DateCreated, kFirst,
                                        std::string(copy.data() + kFirst, kLast - kFirst)}},
                    {&change, 1}, progress)
          .front();
  return {done.before, done.matched};
}

}  // namespace vm::courses
