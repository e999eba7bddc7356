#include "courses/course_propagation.h"

#include <array>
#include <cstring>

#include "store/field_codec.h"

namespace vm::courses {

namespace layout = store::layout::training;
using Clock = std::chrono::steady_clock;

PropagationCount propagateCourse(store::FileTable& table, const store::CourseRecord& course,
                                 const PropagationProgress& progress,
                                 std::chrono::milliseconds interval) {
  constexpr auto kTraining = store::DataFile::Training;
  // The course's fields as they lie in a training record, encoded once for the whole pass.
  std::array<char, layout::kLength> copy{};
  store::codec::putText(copy, layout::CourseCode, course.CourseCode);
  store::codec::putText(copy, layout::CourseName, course.CourseName);
  store::codec::putText(copy, layout::ProvidedBy, course.ProvidedBy);
  store::codec::putSingle(copy, layout::Hours, course.Hours);
  constexpr std::size_t kFirst = layout::CourseCode.offset;
  constexpr std::size_t kLast = layout::Hours.end();
  // Only the four course fields lie between the course link and the comments.
  static_assert(layout::CourseID.end() == kFirst && layout::Comments.offset == kLast);

  const double courseId = course.DateCreated;
  const store::OpenFile file(table, kTraining);
  PropagationCount count{file.count(), 0};
  std::array<char, layout::kLength> record{};
  Clock::time_point lastTold{};
  table.scan(kTraining, 1, file.count(), [&](std::int32_t n, std::span<const char> bytes) {
    // Reading the clock for every record would cost more than the comparison itself.
    if (progress && (n == 1 || (n % 64 == 0 && Clock::now() - lastTold >= interval))) {
      progress(n, count.reviewed, count.updated);
      lastTold = Clock::now();
    }
    if (store::codec::getDouble(bytes, layout::CourseID) == courseId) {
      std::memcpy(record.data(), bytes.data(), record.size());
      std::memcpy(record.data() + kFirst, copy.data() + kFirst, kLast - kFirst);
      table.writeBytes(kTraining, n, record);
      ++count.updated;
    }
    return true;
  });
  if (progress) progress(count.reviewed, count.reviewed, count.updated);
  return count;
}

}  // namespace vm::courses
