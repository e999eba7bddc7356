// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/training_matrix.h"

#include <limits>

#include "format/date_text.h"
#include "scan/link_index.h"
#include "scan/range_pass.h"
#include "store/field_codec.h"

namespace vm::search {
namespace {

namespace L = store::layout::training;

constexpr double kNone = -std::numeric_limits<double>::infinity();

// A date that is no number is never the latest; of equal dates the first met stays.
void keepLatest(double& cell, double date) {
  if (date > cell) cell = date;
}

// The chosen courses as the links of a record's CourseID find them: courses whose stamps link to
// each other are chained, so that a record counts for each of them.
class CourseLookup {
 public:
  explicit CourseLookup(std::span<const MatrixCourse> courses)
      : index_(stamps(courses), L::CourseID), next_(courses.size(), -1) {
    first_.assign(static_cast<std::size_t>(index_.persons()), -1);
    for (std::size_t c = courses.size(); c-- > 0;) {
      int& first = first_[static_cast<std::size_t>(index_.slotOfRow(c))];
      next_[c] = first;
      first = static_cast<int>(c);
    }
  }

  // The first column of the record's course, or -1 when its course is not chosen.
  int find(std::span<const char> record) {
    const int slot = index_.find(record);
    return slot < 0 ? -1 : first_[static_cast<std::size_t>(slot)];
  }
  int next(int column) const { return next_[static_cast<std::size_t>(column)]; }

 private:
  static std::vector<double> stamps(std::span<const MatrixCourse> courses) {
    std::vector<double> out;
    out.reserve(courses.size());
    for (const MatrixCourse& c : courses) out.push_back(c.id);
    return out;
  }

  scan::LinkIndex index_;
  std::vector<int> first_;  // by the index's slot
  std::vector<int> next_;   // by column
};

}  // namespace

TrainingMatrix::TrainingMatrix(std::size_t courses, std::vector<int> rowSlot,
                               scan::LargeTable<double> latestDates)
    : courses_(courses),
      rowSlot_(std::move(rowSlot)),
      latest_(std::move(latestDates)),
      counts_(courses) {
  for (std::size_t r = 0; r < rows(); ++r)
    for (std::size_t c = 0; c < courses_; ++c)
      if (latest(r, c)) ++counts_[c];
}

std::optional<double> TrainingMatrix::latest(std::size_t row, std::size_t course) const {
  const double date = latest_[static_cast<std::size_t>(rowSlot_[row]) * courses_ + course];
  if (date == kNone) return std::nullopt;
  return date;
}

TrainingMatrix trainingMatrix(scan::TrainingBlocks& blocks, std::span<const double> personRows,
                              std::span<const MatrixCourse> courses,
                              const scan::PassOptions& pass) {
  const scan::LinkIndex listed(personRows);
  const std::size_t width = courses.size();
  const std::size_t cells = static_cast<std::size_t>(listed.persons()) * width;
  std::vector<int> rowSlot(personRows.size());
  for (std::size_t r = 0; r < rowSlot.size(); ++r) rowSlot[r] = listed.slotOfRow(r);

  // Each range keeps the latest dates of its own records.
  struct Part {
    CourseLookup lookup;
    scan::LinkIndex persons;
    std::size_t width;
    scan::LargeTable<double> latest;

    // The course is asked first: a matrix takes a few of the file's courses, so most records
    // end there, and only the rest look their person up.
    // The persons' look-up table stays in the cache; the row of cells a record updates, one of
    // thousands, is what has to be fetched ahead.
    void ahead(std::span<const char> r) {
      const int column = lookup.find(r);
      if (column < 0) return;
      const int slot = persons.find(r);
#if defined(__GNUC__) || defined(__clang__)
      if (slot >= 0)
        __builtin_prefetch(latest.data() + static_cast<std::size_t>(slot) * width +
                           static_cast<std::size_t>(column));
#endif
    }
    bool visit(std::span<const char> r) {
      int column = lookup.find(r);
      if (column < 0) return true;
      const int slot = persons.find(r);
      if (slot < 0) return true;
      const double date = store::codec::getDouble(r, L::TrainingDate);
      double* row = latest.data() + static_cast<std::size_t>(slot) * width;
      for (; column >= 0; column = lookup.next(column))
        keepLatest(row[static_cast<std::size_t>(column)], date);
      return true;
    }
  };
  scan::LargeTable<double> latest;
  if (cells > 0) {
    const CourseLookup lookup(courses);
    std::vector<Part> parts = scan::passInRanges<Part>(blocks, pass, [&] {
      return Part{lookup, listed, width, scan::LargeTable<double>(cells, kNone)};
    });
    // Later ranges merged into the first in file order, under the rule each record met.
    latest = std::move(parts.front().latest);
    for (std::size_t p = 1; p < parts.size(); ++p)
      for (std::size_t c = 0; c < cells; ++c) keepLatest(latest[c], parts[p].latest[c]);
  } else {
    latest.assign(cells, kNone);
  }
  return TrainingMatrix(width, std::move(rowSlot), std::move(latest));
}

MatrixTable matrixTable(const TrainingMatrix& matrix, const std::string& nameHeading,
                        std::span<const std::string> names, std::span<const MatrixCourse> courses) {
  MatrixTable table;
  table.header.reserve(courses.size() + 1);
  table.header.push_back(nameHeading);
  for (const MatrixCourse& course : courses) table.header.push_back(course.code);
  table.rows.reserve(matrix.rows() + 1);
  for (std::size_t r = 0; r < matrix.rows(); ++r) {
    std::vector<std::string>& cells = table.rows.emplace_back();
    cells.reserve(courses.size() + 1);
    cells.push_back(r < names.size() ? names[r] : std::string());
    for (std::size_t c = 0; c < matrix.courses(); ++c) {
      const std::optional<double> date = matrix.latest(r, c);
      cells.push_back(date ? format::formatDate(*date) : std::string());
    }
  }
  std::vector<std::string>& counts = table.rows.emplace_back();
  counts.push_back(kMatrixCountLabel);
  for (std::size_t c = 0; c < matrix.courses(); ++c)
    counts.push_back(std::to_string(matrix.count(c)));
  return table;
}

}  // namespace vm::search
