// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "store/change_log/change_line.h"
#include "store/change_log/record_changes.h"
#include "store/record_layouts.h"
#include "store/record_store.h"
#include "store/records.h"

namespace vm::courses {

// Courses as Course.Index keeps them. A course goes with its renewal period, in one piece of
// work, so that neither is ever found without the other; its training records keep their copies
// of the course.
struct CourseKind {
  using Record = store::CourseRecord;
  static store::Change added(const Record& course) { return store::courseAdded(course); }
  static store::Change edited(const Record& before, const Record& after) {
    return store::courseEdited(before, after);
  }
  static store::Change removed(const Record& course) { return store::courseDeleted(course); }
  static std::vector<store::WorkStep> goesWith(const Record& course) {
    return {store::DropLinked{store::DataFile::Renewals, store::layout::renewal::CourseID.offset,
                              course.DateCreated}};
  }
};

using CourseStore = store::RecordStore<CourseKind>;

}  // namespace vm::courses
