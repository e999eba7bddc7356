// SPDX-License-Identifier: GPL-3.0-or-later
// What it costs that every save is on the disk before the program goes on: adds, edits and
// log lines with their flushes, and journalled removals, each beside the same writes without
// any flush, measured in the same run on the same disk.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "courses/course_store.h"
#include "flush_timer.h"
#include "store/file_table.h"
#include "store/posix_file_system.h"
#include "store/user_log/user_log.h"
#include "store/work_journal.h"
#include "support/record_writer_for_tests.h"

namespace {

using namespace vm;
using Clock = std::chrono::steady_clock;

constexpr int kSaves = 200;
constexpr int kRemovals = 20;

store::CourseRecord course(int i) {
  store::CourseRecord c;
  c.DateCreated = 45000.0 + i;
  c.CourseCode = "C" + std::to_string(i);
  c.CourseName = "Course number " + std::to_string(i);
  c.ProvidedBy = "Provider";
  c.Hours = 2.5f;
  return c;
}

double millisecondsEach(int times, const std::function<void(int)>& operation) {
  const auto start = Clock::now();
  for (int i = 1; i <= times; ++i) operation(i);
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / times;
}

void report(const char* what, double flushed, double unflushed) {
  std::printf("%-34s %7.3f ms a save, flushed; %7.3f ms without flushes\n", what, flushed,
              unflushed);
}

}  // namespace

int main() {
  const auto folder = std::filesystem::temp_directory_path() / "verdimark-bench-store";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  store::PosixFileSystem posix;
  bench::FlushTimer fs(posix);
  store::FileTable table(fs, folder.string());
  store::RecordWriter writer = store::RecordWriterForTests::of(table);
  std::vector<char> record(300);

  // Adds: one course appended per save, as the course editor does.
  const double add = millisecondsEach(kSaves, [&](int i) {
    const store::OpenFile file(table, store::DataFile::Courses);
    writer.append(std::vector<store::CourseRecord>{course(i)});
  });
  const double addRaw = millisecondsEach(kSaves, [&](int i) {
    const store::OpenFile file(table, store::DataFile::Courses);
    store::RecordTraits<store::CourseRecord>::encode(course(i), record);
    writer.overwriteBytes(store::DataFile::Courses, file.count() + 1, record);
  });
  report("add a course", add, addRaw);

  // Edits: one course rewritten in place per save.
  const double edit = millisecondsEach(kSaves, [&](int i) {
    const store::OpenFile file(table, store::DataFile::Courses);
    writer.write(i, course(i + 1000));
  });
  const double editRaw = millisecondsEach(kSaves, [&](int i) {
    const store::OpenFile file(table, store::DataFile::Courses);
    store::RecordTraits<store::CourseRecord>::encode(course(i + 2000), record);
    writer.overwriteBytes(store::DataFile::Courses, i, record);
  });
  report("edit a course", edit, editRaw);

  // Log lines, appended whole.
  const std::string line = "12/08/2026 at 10:30:00 - Dana Demo logged out.\r\n";
  const std::string log = (folder / "User.Log").string();
  const double logged = millisecondsEach(
      kSaves, [&](int) { store::appendUserLogLine(table, line.substr(0, line.size() - 2)); });
  const double loggedRaw = millisecondsEach(kSaves, [&](int) {
    const auto h = posix.open(log, store::FileSystem::Mode::ReadWrite);
    posix.write(h, posix.size(h), line);
    posix.close(h);
  });
  report("write a user log line", logged, loggedRaw);

  // Removals from an index of 400 courses: journal, mark, compaction, each flushed.
  fs.reset();
  const store::ChangeAuthor author{"Dana Demo", {2026, 12, 8, 10, 30, 0}};
  const store::Change removed{"course deleted", "C"};
  const double removal = millisecondsEach(kRemovals, [&](int i) {
    store::doWork(table, author, {store::RemoveRecord{store::DataFile::Courses, i * 7}},
                  {&removed, 1});
  });
  std::printf("%-34s %7.3f ms a removal, of which %.3f ms waiting for %d flushes\n",
              "remove a course (of ~400)", removal, fs.seconds() * 1000 / kRemovals,
              fs.flushes() / kRemovals);

  // Adds and edits as the course editor makes them: journalled work with its change log line.
  fs.reset();
  const double addLogged = millisecondsEach(
      kSaves, [&](int i) { courses::CourseStore(table).add(author, course(i + 3000)); });
  const double addFlushes = fs.seconds() * 1000 / kSaves;
  fs.reset();
  const double editLogged = millisecondsEach(
      kSaves, [&](int i) { courses::CourseStore(table).save(author, i, course(i + 4000)); });
  std::printf("%-34s %7.3f ms a save, of which %.3f ms waiting for the disk\n",
              "add a course, with its line", addLogged, addFlushes);
  std::printf("%-34s %7.3f ms a save, of which %.3f ms waiting for the disk\n",
              "edit a course, with its line", editLogged, fs.seconds() * 1000 / kSaves);

  std::filesystem::remove_all(folder);
  return 0;
}
