// SPDX-License-Identifier: GPL-3.0-or-later
// Carrying a course edit into a Training.Records of 1,000,000 records: one sequential pass that
// rewrites only the course's own records, neighbours in one write, with the progress told
// sparingly; beside it the same pass writing each record on its own, as a baseline.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "courses/course_propagation.h"
#include "flush_timer.h"
#include "store/field_codec.h"
#include "store/posix_file_system.h"
#include "support/record_writer_for_tests.h"

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

store::CourseRecord editedCourse() {
  store::CourseRecord course;
  course.DateCreated = kCourse;
  course.CourseCode = "FA-02";
  course.CourseName = "First Aid, revised";
  course.ProvidedBy = "St. John";
  course.Hours = 7.5f;
  return course;
}

// The pass as it was first written: every matching record written back on its own.
double oneWriteEach(const std::filesystem::path& folder) {
  store::PosixFileSystem fs;
  store::FileTable table(fs, folder.string());
  store::RecordWriter writer = store::RecordWriterForTests::of(table);
  const store::CourseRecord course = editedCourse();
  const auto start = Clock::now();
  const store::OpenFile file(table, store::DataFile::Training);
  std::vector<char> record(store::layout::training::kLength);
  table.scan(
      store::DataFile::Training, 1, file.count(), [&](std::int32_t n, std::span<const char> bytes) {
        if (store::codec::getDouble(bytes, store::layout::training::CourseID) == kCourse) {
          std::copy(bytes.begin(), bytes.end(), record.begin());
          store::codec::putText(record, store::layout::training::CourseCode, course.CourseCode);
          writer.overwriteBytes(store::DataFile::Training, n, record);
        }
        return true;
      });
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void run(const std::filesystem::path& folder, int everyNth) {
  writeTrainingRecords(folder / "Training.Records", everyNth);
  const double baseline = oneWriteEach(folder);
  writeTrainingRecords(folder / "Training.Records", everyNth);
  store::PosixFileSystem posix;
  bench::FlushTimer fs(posix);
  store::FileTable table(fs, folder.string());

  int told = 0;
  const auto start = Clock::now();
  const courses::PropagationCount count =
      courses::propagateCourse(table, {"Dana Demo", {2026, 12, 8, 10, 30, 0}}, editedCourse(),
                               [&](std::int32_t, std::int32_t, std::int32_t) { ++told; });
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf(
      "propagation: %d records reviewed, %d updated (every %d.) in %.3f s, of which %.3f s "
      "waiting for the disk (%d flushes); one write per record, unflushed: %.3f s; progress "
      "told %d times\n",
      count.reviewed, count.updated, everyNth, seconds, fs.seconds(), fs.flushes(), baseline, told);
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
