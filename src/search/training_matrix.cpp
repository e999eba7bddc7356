// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/training_matrix.h"

#include <bit>
#include <cmath>
#include <limits>

#include "format/date_text.h"
#include "search/person_index.h"
#include "store/field_codec.h"

namespace vm::search {
namespace {

namespace L = store::layout::training;

constexpr double kNone = -std::numeric_limits<double>::infinity();

// The chosen courses by the stored bytes of their DateCreated, as a record's CourseID holds them;
// courses that share a DateCreated are chained, so a record counts for each of them.
class CourseLookup {
 public:
  explicit CourseLookup(std::span<const MatrixCourse> courses) : next_(courses.size(), -1) {
    std::size_t size = 16;
    while (size < 4 * courses.size()) size *= 2;
    entries_.resize(size);
    mask_ = size - 1;
    for (std::size_t c = courses.size(); c-- > 0;) {
      if (std::isnan(courses[c].id)) continue;  // equal to nothing
      const std::uint64_t key = keyOf(std::bit_cast<std::uint64_t>(courses[c].id));
      std::size_t i = placeOf(key);
      while (entries_[i].column >= 0 && entries_[i].key != key) i = (i + 1) & mask_;
      if (entries_[i].column >= 0) next_[c] = entries_[i].column;
      entries_[i] = {key, static_cast<int>(c)};
    }
  }

  // The first column of the record's course, or -1 when its course is not chosen.
  int find(std::span<const char> record) const {
    const std::uint64_t key =
        keyOf(store::codec::getLittle<std::uint64_t>(record, L::CourseID.offset));
    for (std::size_t i = placeOf(key);; i = (i + 1) & mask_) {
      if (entries_[i].column < 0) return -1;
      if (entries_[i].key == key) return entries_[i].column;
    }
  }
  int next(int column) const { return next_[static_cast<std::size_t>(column)]; }

 private:
  struct Entry {
    std::uint64_t key = 0;
    int column = -1;
  };
  // Equal values have equal keys: the two zeros are one.
  static std::uint64_t keyOf(std::uint64_t bits) {
    return bits == 0x8000000000000000ULL ? 0 : bits;
  }
  std::size_t placeOf(std::uint64_t key) const {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> 40) & mask_;
  }

  std::vector<Entry> entries_;
  std::vector<int> next_;
  std::size_t mask_ = 0;
};

}  // namespace

TrainingMatrix::TrainingMatrix(std::size_t courses, std::vector<int> rowSlot,
                               std::vector<double> latestDates)
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

TrainingMatrix trainingMatrix(store::FileTable& files, std::span<const std::string> personRows,
                              std::span<const MatrixCourse> courses, const ScanProgress& progress) {
  PersonIndex persons(personRows);
  const std::size_t width = courses.size();
  std::vector<double> latest(static_cast<std::size_t>(persons.persons()) * width, kNone);
  std::vector<int> rowSlot(personRows.size());
  for (std::size_t r = 0; r < rowSlot.size(); ++r) rowSlot[r] = persons.slotOfRow(r);

  if (!latest.empty()) {
    const CourseLookup lookup(courses);
    // The course is asked first: a matrix takes a few of the file's courses, so most records end
    // there, and only the rest look their person up.
    passOverTraining(
        files, progress,
        [&](std::span<const char> r) {
          if (lookup.find(r) >= 0) persons.prefetch(r);
        },
        [&](std::span<const char> r) {
          int column = lookup.find(r);
          if (column < 0) return true;
          const int slot = persons.find(r);
          if (slot < 0) return true;
          const double date = store::codec::getDouble(r, L::TrainingDate);
          double* cells = latest.data() + static_cast<std::size_t>(slot) * width;
          for (; column >= 0; column = lookup.next(column)) {
            double& cell = cells[static_cast<std::size_t>(column)];
            if (date > cell) cell = date;  // a date that is no number is never the latest
          }
          return true;
        });
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
