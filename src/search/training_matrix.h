// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "scan/large_table.h"
#include "scan/training_blocks.h"
#include "scan/training_pass.h"
#include "search/matrix_courses.h"

namespace vm::search {

// Who has taken which course, and when last: the listed persons down, the chosen courses across,
// in each cell the date of the person's latest training in that course.
class TrainingMatrix {
 public:
  TrainingMatrix() = default;
  TrainingMatrix(std::size_t courses, std::vector<int> rowSlot,
                 scan::LargeTable<double> latestDates);

  std::size_t rows() const { return rowSlot_.size(); }
  std::size_t courses() const { return courses_; }
  // The TrainingDate of the row's latest record of the course; nothing when it has none.
  std::optional<double> latest(std::size_t row, std::size_t course) const;
  // How many rows have a date in the course.
  int count(std::size_t course) const { return counts_[course]; }

 private:
  std::size_t courses_ = 0;
  std::vector<int> rowSlot_;         // the person of each row
  scan::LargeTable<double> latest_;  // per person, per course; -infinity for none
  std::vector<int> counts_;
};

// The matrix of the listed persons, given by their DateCreated in list order, and the courses. A
// record counts for the person its PersonID links to and for every chosen course its CourseID
// links to (store/link_rule.h).
// One pass over the training records, whatever the number of persons and courses; the blocks need
// hand over only the persons' records (scan::personsHint).
TrainingMatrix trainingMatrix(scan::TrainingBlocks& blocks, std::span<const double> persons,
                              std::span<const MatrixCourse> courses,
                              const scan::PassOptions& pass = {});

// The text of the last row, which counts the persons trained in each course.
inline constexpr const char* kMatrixCountLabel = "Persons trained";

// The matrix as it is shown, printed and exported: the header (the name column's heading, then
// the course codes) and one row per person (the name, then each date as "mm/dd/yyyy" or empty),
// then the count row.
struct MatrixTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
};
MatrixTable matrixTable(const TrainingMatrix& matrix, const std::string& nameHeading,
                        std::span<const std::string> names, std::span<const MatrixCourse> courses);

}  // namespace vm::search
