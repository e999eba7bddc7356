#pragma once

#include <cstdint>

#include "format/date_time.h"
#include "store/file_table.h"
#include "store/records.h"

namespace vm::courses {

// Appends a new course at the end of Course.Index, stamping its DateCreated with `now` moved on
// while another course already carries it. Returns false, writing nothing, when the index already
// holds as many courses as it can count.
bool appendCourse(store::FileTable& table, store::CourseRecord& course,
                  const format::DateTime& now);

// Writes an edited course over record n, keeping the DateCreated stored there (which is given back
// in `course`).
void rewriteCourse(store::FileTable& table, std::int32_t n, store::CourseRecord& course);

// Removes course n from Course.Index, and its renewal period with it, as one piece of journalled
// work: neither is ever found without the other. Training records keep their copies of the course.
void deleteCourse(store::FileTable& table, std::int32_t n);

}  // namespace vm::courses
