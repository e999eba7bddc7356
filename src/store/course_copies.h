// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "store/record_layouts.h"
#include "store/records.h"

namespace vm::store {

// A training record keeps copies of its course's code, name, provider and hours, side by side
// between the course link and the comments; carrying a course into its records writes them anew.

// The training record of `course` taken by the person `personId` on `trainingDate`.
TrainingRecord trainingOf(const CourseRecord& course, double personId, double trainingDate,
                          std::string comments);

// The course's copies encoded as a training record holds them, once for a whole pass.
class CourseCopies {
 public:
  static constexpr layout::Field kField{
      layout::training::CourseCode.offset,
      layout::training::Hours.end() - layout::training::CourseCode.offset};
  static_assert(layout::training::CourseID.end() == kField.offset &&
                layout::training::Comments.offset == kField.end());

  explicit CourseCopies(const CourseRecord& course);

  // The bytes of the copies, kField.width of them, written at kField.offset.
  std::string_view bytes() const { return {record_.data() + kField.offset, kField.width}; }
  // One copy's stored bytes, as the codec reads a field of a training record.
  std::string_view field(layout::Field f) const { return {record_.data() + f.offset, f.width}; }

 private:
  std::array<char, layout::training::kLength> record_{};
};

}  // namespace vm::store
