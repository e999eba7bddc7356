// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/course_propagation.h"

#include "store/change_log/record_changes.h"
#include "store/course_copies.h"
#include "store/record_codec.h"
#include "store/work_journal.h"

namespace vm::courses {

namespace layout = store::layout::training;

PropagationCount propagateCourse(store::FileTable& table, const store::ChangeAuthor& author,
                                 const store::CourseRecord& course,
                                 const PropagationProgress& progress) {
  const store::CourseCopies copies(course);

  const store::Change change = store::courseCarried(store::asStored(course), 0);
  const store::StepResult done =
      store::doWork(table, author,
                    {store::PatchLinked{store::DataFile::Training, layout::CourseID.offset,
                                        course.DateCreated, store::CourseCopies::kField.offset,
                                        std::string(copies.bytes())}},
                    {&change, 1}, progress)
          .front();
  return {done.before, done.matched};
}

}  // namespace vm::courses
