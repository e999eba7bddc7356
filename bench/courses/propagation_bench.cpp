// Carrying a course edit into a Training.Records of 1,000,000 records: one sequential pass that
// rewrites only the course's own records, with the progress told sparingly.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "courses/course_propagation.h"
#include "store/field_codec.h"
#include "store/posix_file_system.h"

namespace {

using namespace vm;
using Clock = std::chrono::steady_clock;

constexpr std::int32_t kRecords = 1'000'000;
constexpr double kCourse = 45100.5;

void writeTrainingRecords(const std::filesystem::path& path, int everyNth) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::vector<char> record(store::layout::training::kLength);
  namespace layout = store::layout::training;
  for (std::int32_t i = 1; i <= kRecords; ++i) {
    store::codec::putDouble(record, layout::TrainingDate, 40000.0 + i % 9000);
    store::codec::putDouble(record, layout::PersonID, 30000.0 + i % 5000);
    store::codec::putDouble(record, layout::CourseID, i % everyNth == 0 ? kCourse : 1.0 + i % 300);
    store::codec::putText(record, layout::CourseCode, "FA-01");
    store::codec::putText(record, layout::CourseName, "First Aid");
    store::codec::putText(record, layout::ProvidedBy, "Red Cross");
    store::codec::putSingle(record, layout::Hours, 8.0f);
    store::codec::putText(record, layout::Comments, "Completed with the whole shift");
    out.write(record.data(), static_cast<std::streamsize>(record.size()));
  }
}

void run(const std::filesystem::path& folder, int everyNth) {
  writeTrainingRecords(folder / "Training.Records", everyNth);
  store::PosixFileSystem fs;
  store::FileTable table(fs, folder.string());
  store::CourseRecord course;
  course.DateCreated = kCourse;
  course.CourseCode = "FA-02";
  course.CourseName = "First Aid, revised";
  course.ProvidedBy = "St. John";
  course.Hours = 7.5f;

  int told = 0;
  const auto start = Clock::now();
  const courses::PropagationCount count = courses::propagateCourse(
      table, course, [&](std::int32_t, std::int32_t, std::int32_t) { ++told; });
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf(
      "propagation: %d records reviewed, %d updated (every %d.) in %.3f s; progress told %d "
      "times (%.1f a second)\n",
      count.reviewed, count.updated, everyNth, seconds, told, told / seconds);
}

}  // namespace

int main() {
  const auto folder = std::filesystem::temp_directory_path() / "verdimark-bench-propagation";
  std::filesystem::create_directories(folder);
  run(folder, 100);
  run(folder, 10);
  run(folder, 1);
  std::filesystem::remove_all(folder);
  return 0;
}
