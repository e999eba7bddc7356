// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/matrix_courses.h"

#include "format/text_case.h"
#include "format/trim.h"

namespace vm::search {
namespace {

void take(std::vector<MatrixCourse>& out, const ListedCourse& course) {
  // A row whose identity cannot be read links no record, so it has no column.
  if (course.id) out.push_back({course.code, course.name, *course.id});
}

}  // namespace

std::vector<std::size_t> headingsOf(std::span<const ListedCourse> list) {
  std::vector<std::size_t> out;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].heading) out.push_back(i);
  return out;
}

std::vector<MatrixCourse> coursesUnder(std::span<const ListedCourse> list, std::size_t heading) {
  std::vector<MatrixCourse> out;
  for (std::size_t i = heading + 1; i < list.size() && !list[i].heading; ++i) take(out, list[i]);
  return out;
}

std::vector<MatrixCourse> coursesStartingWith(std::span<const ListedCourse> list,
                                              std::string_view text) {
  const std::string start = format::lowerCase(format::trimView(text));
  std::vector<MatrixCourse> out;
  if (start.empty()) return out;
  for (const ListedCourse& course : list)
    if (!course.heading && format::lowerCase(course.code).starts_with(start)) take(out, course);
  return out;
}

}  // namespace vm::search
