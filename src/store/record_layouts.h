// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace vm::store::layout {

// Offset and width of every field; records are packed with no padding and fill their
// length exactly, which the asserts below prove.
struct Field {
  std::size_t offset;
  std::size_t width;
  constexpr std::size_t end() const { return offset + width; }
};

namespace user {
inline constexpr std::size_t kLength = 500;
inline constexpr Field DateCreated{0, 8};
inline constexpr Field FirstName{8, 15};
inline constexpr Field LastName{23, 20};
inline constexpr Field Password{43, 16};
inline constexpr Field AccessLevel{59, 2};
inline constexpr Field Comments{61, 439};
static_assert(FirstName.offset == DateCreated.end() && LastName.offset == FirstName.end() &&
              Password.offset == LastName.end() && AccessLevel.offset == Password.end() &&
              Comments.offset == AccessLevel.end() && Comments.end() == kLength);
}  // namespace user

namespace name {
inline constexpr std::size_t kLength = 1000;
inline constexpr Field DateCreated{0, 8};
inline constexpr Field FirstName{8, 15};
inline constexpr Field MiddleName{23, 15};
inline constexpr Field LastName{38, 20};
inline constexpr Field Organization{58, 30};
inline constexpr Field EmployeeID{88, 20};
inline constexpr Field Comments{108, 890};
inline constexpr Field Active{998, 2};
static_assert(FirstName.offset == DateCreated.end() && MiddleName.offset == FirstName.end() &&
              LastName.offset == MiddleName.end() && Organization.offset == LastName.end() &&
              EmployeeID.offset == Organization.end() && Comments.offset == EmployeeID.end() &&
              Active.offset == Comments.end() && Active.end() == kLength);
}  // namespace name

namespace course {
inline constexpr std::size_t kLength = 300;
inline constexpr Field DateCreated{0, 8};
inline constexpr Field CourseCode{8, 8};
inline constexpr Field CourseName{16, 50};
inline constexpr Field ProvidedBy{66, 30};
inline constexpr Field Hours{96, 4};
inline constexpr Field Comments{100, 200};
static_assert(CourseCode.offset == DateCreated.end() && CourseName.offset == CourseCode.end() &&
              ProvidedBy.offset == CourseName.end() && Hours.offset == ProvidedBy.end() &&
              Comments.offset == Hours.end() && Comments.end() == kLength);
}  // namespace course

namespace training {
inline constexpr std::size_t kLength = 300;
inline constexpr Field TrainingDate{0, 8};
inline constexpr Field PersonID{8, 8};
inline constexpr Field CourseID{16, 8};
inline constexpr Field CourseCode{24, 8};
inline constexpr Field CourseName{32, 50};
inline constexpr Field ProvidedBy{82, 30};
inline constexpr Field Hours{112, 4};
inline constexpr Field Comments{116, 184};
static_assert(PersonID.offset == TrainingDate.end() && CourseID.offset == PersonID.end() &&
              CourseCode.offset == CourseID.end() && CourseName.offset == CourseCode.end() &&
              ProvidedBy.offset == CourseName.end() && Hours.offset == ProvidedBy.end() &&
              Comments.offset == Hours.end() && Comments.end() == kLength);
}  // namespace training

// The renewal periods keep room for what a course's renewal may come to need; this build writes
// the room as zeros and leaves what another build wrote there as it is.
namespace renewal {
inline constexpr std::size_t kLength = 32;
inline constexpr Field CourseID{0, 8};
inline constexpr Field Months{8, 2};
inline constexpr Field Reserved{10, 22};
static_assert(Months.offset == CourseID.end() && Reserved.offset == Months.end() &&
              Reserved.end() == kLength);
}  // namespace renewal

}  // namespace vm::store::layout
