// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vm::search {

// One row of the Course Index, in the list's order: its code and name as shown, whether it is a
// category heading (no hours), and its identity (nothing when the row's ID does not read back).
struct ListedCourse {
  std::string code;
  std::string name;
  bool heading = false;
  std::optional<double> id;
};

// A course across the top of the training matrix.
struct MatrixCourse {
  std::string code;
  std::string name;
  double id = 0;
};

// The most courses a matrix takes: more than any group an office trains in, few enough to read
// on a screen and on paper.
inline constexpr std::size_t kMostMatrixCourses = 200;

// The positions of the category headings in the list.
std::vector<std::size_t> headingsOf(std::span<const ListedCourse> list);

// The courses a heading groups: those listed after it, up to the next heading.
std::vector<MatrixCourse> coursesUnder(std::span<const ListedCourse> list, std::size_t heading);

// The courses (headings left out) whose code starts with the text, ignoring letter case and the
// blanks around the text, in the list's order. An empty text chooses none.
std::vector<MatrixCourse> coursesStartingWith(std::span<const ListedCourse> list,
                                              std::string_view text);

}  // namespace vm::search
