// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "store/change_log/change_line.h"
#include "store/file_table.h"
#include "store/records.h"

namespace vm::courses {

// The changes of Course.Index, each written with its line in the change log as one piece of
// journalled work (store/work_journal.h). Each opens and closes the file.

// Appends a new course at the end of Course.Index, stamping its DateCreated with the author's time
// moved on while another course already carries it. Returns false, writing nothing, when the index
// already holds as many courses as it can count.
bool appendCourse(store::FileTable& table, const store::ChangeAuthor& author,
                  store::CourseRecord& course);

// Writes an edited course over record n, keeping the DateCreated stored there (which is given back
// in `course`). A save that changes nothing writes nothing.
void rewriteCourse(store::FileTable& table, const store::ChangeAuthor& author, std::int32_t n,
                   store::CourseRecord& course);

// Removes course n from Course.Index, and its renewal period with it, as one piece of journalled
// work: neither is ever found without the other; removing the last course leaves no Course.Index.
// Training records keep their copies of the course.
void deleteCourse(store::FileTable& table, const store::ChangeAuthor& author, std::int32_t n);

}  // namespace vm::courses
