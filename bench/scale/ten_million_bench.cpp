// SPDX-License-Identifier: GPL-3.0-or-later
// Every pass at the size of a large organisation's twenty years: 10,000,000 training records
// (3 GB) of 32,767 persons and 100 courses, made once and kept in the user's cache folder. Each
// pass is timed beside what reading the file costs anyway: a plain sequential read of it, a
// flushed copy of the folder, and SQLite answering the same questions over the same records.
// Each measure runs in a child process of its own, so that its peak memory is its own.
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "access/user_rows.h"
#include "app/folder_records.h"
#include "courses/course_propagation.h"
#include "format/automation_date.h"
#include "names/person_deletion.h"
#include "renewals/renewal_list.h"
#include "scan/folder_blocks.h"
#include "search/annual_summary.h"
#include "search/match_search.h"
#include "search/training_matrix.h"
#include "store/backup/backup_copy.h"
#include "store/backup/restore_copy.h"
#include "store/field_codec.h"
#include "store/file_table.h"
#include "store/posix_file_system.h"
#include "store/work_journal.h"
#include "training/field_edit.h"
#include "training/history_rows.h"
#include "training_file.h"

namespace {

namespace fs = std::filesystem;
namespace L = vm::store::layout::training;
using Clock = std::chrono::steady_clock;

constexpr int kRecords = 10'000'000;
constexpr int kPersons = 32767;
constexpr int kCourses = 100;
constexpr int kRuns = 3;
const vm::store::ChangeAuthor kAuthor{"Dana Demo", {2026, 12, 8, 10, 30, 0}};
// The windows hand every long write a progress that may stop it, and so the store keeps what it
// would need to take the work back: the write passes are timed that way.
const vm::store::PassProgress kWindowsProgress = [](std::int32_t, std::int32_t, std::int32_t) {};
const vm::store::FileStarted kWindowsCopy = [](std::string_view) {};
const char* const kComments[] = {"",
                                 "",
                                 "",
                                 "Passed written test.",
                                 "Make-up session.",
                                 "Certificate on file.",
                                 "Adult CPR refresher, instructor signed off",
                                 "Late arrival; completed the practical part the following week",
                                 "Attended remotely"};
const float kHours[] = {2.0f, 1.5f, 1.0f, 0.5f, 8.0f, 2.2f, 4.0f, 16.0f};

double courseId(int c) {
  return vm::format::toAutomationDate({2000, 6, 1, 9, 0, 0}) + c * 7 / 86400.0;
}
std::string courseCode(int c) { return (c % 10 == 0 ? "CPR-" : "C-") + std::to_string(c); }

fs::path cacheFolder() {
  const char* xdg = std::getenv("XDG_CACHE_HOME");
  const char* home = std::getenv("HOME");
  const fs::path base = xdg && *xdg ? fs::path(xdg) : fs::path(home ? home : "/tmp") / ".cache";
  return base / "verdimark-bench" / "ten-million";
}

void writeRecords(const fs::path& path, std::size_t length, int count,
                  const std::function<void(int, std::span<char>)>& fill) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::vector<char> block;
  for (int k = 0; k < count;) {
    const int take = std::min(count - k, 4096);
    block.assign(length * static_cast<std::size_t>(take), ' ');
    for (int i = 0; i < take; ++i, ++k)
      fill(k, std::span<char>(block).subspan(static_cast<std::size_t>(i) * length, length));
    out.write(block.data(), static_cast<std::streamsize>(block.size()));
  }
}

void check(int rc, sqlite3* db) {
  if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
    std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
    std::exit(1);
  }
}

// The same records in an unindexed table, every field in a column, texts as stored.
void loadSqlite(const fs::path& db, const fs::path& records) {
  fs::remove(db);
  sqlite3* s = nullptr;
  check(sqlite3_open(db.c_str(), &s), s);
  check(sqlite3_exec(s,
                     "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;"
                     "CREATE TABLE training (training_date REAL, person_id REAL, course_id REAL,"
                     " course_code TEXT, course_name TEXT, provided_by TEXT, hours REAL,"
                     " comments TEXT); BEGIN",
                     nullptr, nullptr, nullptr),
        s);
  sqlite3_stmt* insert = nullptr;
  check(sqlite3_prepare_v2(s, "INSERT INTO training VALUES (?, ?, ?, ?, ?, ?, ?, ?)", -1, &insert,
                           nullptr),
        s);
  std::ifstream in(records, std::ios::binary);
  std::vector<char> r(L::kLength);
  while (in.read(r.data(), static_cast<std::streamsize>(r.size()))) {
    using namespace vm::store::codec;
    const std::string_view code = rawText(r, L::CourseCode), name = rawText(r, L::CourseName),
                           by = rawText(r, L::ProvidedBy), comments = rawText(r, L::Comments);
    sqlite3_bind_double(insert, 1, getDouble(r, L::TrainingDate));
    sqlite3_bind_double(insert, 2, getDouble(r, L::PersonID));
    sqlite3_bind_double(insert, 3, getDouble(r, L::CourseID));
    sqlite3_bind_text(insert, 4, code.data(), static_cast<int>(code.size()), SQLITE_STATIC);
    sqlite3_bind_text(insert, 5, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
    sqlite3_bind_text(insert, 6, by.data(), static_cast<int>(by.size()), SQLITE_STATIC);
    sqlite3_bind_double(insert, 7, getSingle(r, L::Hours));
    sqlite3_bind_text(insert, 8, comments.data(), static_cast<int>(comments.size()), SQLITE_STATIC);
    check(sqlite3_step(insert), s);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  check(sqlite3_exec(s, "COMMIT", nullptr, nullptr, nullptr), s);
  sqlite3_close(s);
}

// The data folder and the database, made once: a folder without its "complete" mark is made
// again.
void makeOnce(const fs::path& root) {
  const fs::path data = root / "data";
  if (fs::exists(root / "complete")) return;
  std::printf("making %d training records in %s (once)\n", kRecords, root.c_str());
  std::fflush(stdout);
  fs::remove_all(root);
  fs::create_directories(data);
  const std::vector<double> persons = vm::bench::listedPersons(kPersons);
  writeRecords(data / "User.List", 500, 1, [](int, std::span<char> r) { r[0] = 'U'; });
  std::ofstream(data / "User.Log") << "log-in and log-out lines\r\n";
  writeRecords(data / "Name.List", vm::store::layout::name::kLength, kPersons,
               [&](int p, std::span<char> r) {
                 namespace N = vm::store::layout::name;
                 vm::store::codec::putDouble(r, N::DateCreated, persons[p]);
                 vm::store::codec::putText(r, N::FirstName, "Person");
                 vm::store::codec::putText(r, N::LastName, "Number " + std::to_string(p));
                 vm::store::codec::putInt16(r, N::Active, -1);
               });
  writeRecords(data / "Course.Index", vm::store::layout::course::kLength, kCourses,
               [](int c, std::span<char> r) {
                 namespace C = vm::store::layout::course;
                 vm::store::codec::putDouble(r, C::DateCreated, courseId(c));
                 vm::store::codec::putText(r, C::CourseCode, courseCode(c));
                 vm::store::codec::putText(r, C::CourseName, "A course of the organisation");
                 vm::store::codec::putSingle(r, C::Hours, 2.0f);
               });
  std::mt19937 random(2026);
  writeRecords(data / "Training.Records", L::kLength, kRecords, [&](int, std::span<char> r) {
    using namespace vm::store::codec;
    const int c = static_cast<int>(random() % kCourses);
    putDouble(r, L::TrainingDate,
              vm::format::automationDateOf(2006 + static_cast<int>(random() % 20),
                                           1 + static_cast<int>(random() % 12),
                                           1 + static_cast<int>(random() % 28)));
    putDouble(r, L::PersonID, persons[random() % persons.size()]);
    putDouble(r, L::CourseID, courseId(c));
    putText(r, L::CourseCode, courseCode(c));
    putText(r, L::CourseName, "A course of the organisation");
    putText(r, L::ProvidedBy, "In-house");
    putSingle(r, L::Hours, kHours[random() % std::size(kHours)]);
    putText(r, L::Comments, kComments[random() % std::size(kComments)]);
  });
  loadSqlite(root / "training.db", data / "Training.Records");
  std::ofstream(root / "complete") << "made\n";
}

// Copies every file of a folder and flushes the copies and the folder: what any safe copy costs.
void flushedCopy(const fs::path& from, const fs::path& to) {
  fs::create_directories(to);
  std::vector<char> block(1 << 20);
  for (const fs::directory_entry& e : fs::directory_iterator(from)) {
    const int in = ::open(e.path().c_str(), O_RDONLY);
    const int out = ::open((to / e.path().filename()).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    for (ssize_t got; (got = ::read(in, block.data(), block.size())) > 0;)
      if (::write(out, block.data(), static_cast<std::size_t>(got)) != got) std::exit(1);
    ::fsync(out);
    ::close(out);
    ::close(in);
  }
  const int dir = ::open(to.c_str(), O_RDONLY | O_DIRECTORY);
  ::fsync(dir);
  ::close(dir);
}

struct Measure {
  double seconds = 0;
  double megabytes = 0;  // peak resident memory of the process that ran it
};

// Runs the work `runs` times in a child process and takes its best wall-clock time and the
// child's peak memory.
Measure measure(int runs, const std::function<void()>& work) {
  int pipe[2];
  if (::pipe(pipe) != 0) std::exit(1);
  const pid_t child = ::fork();
  if (child == 0) {
    double best = 1e9;
    for (int r = 0; r < runs; ++r) {
      const auto start = Clock::now();
      work();
      best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    if (::write(pipe[1], &best, sizeof best) != sizeof best) ::_exit(1);
    ::_exit(0);
  }
  ::close(pipe[1]);
  Measure m;
  if (::read(pipe[0], &m.seconds, sizeof m.seconds) != sizeof m.seconds) m.seconds = -1;
  ::close(pipe[0]);
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  m.megabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
  return m;
}

double sqliteQuery(const fs::path& db, const std::string& sql) {
  sqlite3* s = nullptr;
  check(sqlite3_open_v2(db.c_str(), &s, SQLITE_OPEN_READONLY, nullptr), s);
  sqlite3_stmt* q = nullptr;
  check(sqlite3_prepare_v2(s, sql.c_str(), -1, &q, nullptr), s);
  double rows = 0;
  while (sqlite3_step(q) == SQLITE_ROW) ++rows;
  sqlite3_finalize(q);
  sqlite3_close(s);
  return rows;
}

}  // namespace

int main(int argc, char** argv) {
  // A word given names the passes to time alone, without SQLite and the write passes.
  const std::string only = argc > 1 ? argv[1] : "";
  const fs::path root = cacheFolder();
  const fs::space_info space = fs::space(fs::exists(root) ? root : fs::temp_directory_path());
  if (!fs::exists(root / "complete") && space.available < 16ULL << 30) {
    std::printf("the ten-million bench needs 16 GB free under %s; %.1f GB are: left out\n",
                root.c_str(), static_cast<double>(space.available) / 1e9);
    return 0;
  }
  makeOnce(root);
  const fs::path data = root / "data", db = root / "training.db";
  const std::string records = (data / "Training.Records").string();

  vm::store::PosixFileSystem posix;
  const std::vector<double> persons = vm::bench::listedPersons(kPersons);
  std::vector<vm::search::MatrixCourse> chosen;
  std::vector<vm::renewals::RenewalCourse> renewed;
  for (int c = 0; c < kCourses; c += 2) chosen.push_back({courseCode(c), "Course", courseId(c)});
  for (int c = 0; c < 5; ++c) renewed.push_back({courseId(c * 7), 12 + 12 * c});
  vm::search::MatchCriteria word;
  word.comments = "refresher";
  vm::search::MatchCriteria code;
  code.courseCode = "CPR";
  vm::renewals::RenewalQuery query;
  query.today = vm::format::automationDay(vm::format::automationDateOf(2026, 12, 8));
  query.neverTaken = true;
  const int year = 2015;

  // Every read-only pass, in ranges as the program runs it and in one range (the single-threaded
  // pass it must agree with).
  struct Pass {
    const char* name;
    std::function<std::size_t(vm::store::FileTable&, int ranges)> run;
  };
  const std::vector<Pass> passes = {
      {"search, a comment word",
       [&](vm::store::FileTable& t, int r) {
         return vm::search::matchSearch(*vm::scan::folderBlocks(t), persons, word,
                                        {vm::scan::ScanProgress(), r})
             .size();
       }},
      {"search, a course code",
       [&](vm::store::FileTable& t, int r) {
         return vm::search::matchSearch(*vm::scan::folderBlocks(t), persons, code,
                                        {vm::scan::ScanProgress(), r})
             .size();
       }},
      {"annual summary",
       [&](vm::store::FileTable& t, int r) {
         const auto s = vm::search::annualSummary(*vm::scan::folderBlocks(t), persons, year,
                                                  {vm::scan::ScanProgress(), r});
         return s.persons.size() + static_cast<std::size_t>(s.total * 10);
       }},
      {"training matrix, 50 courses",
       [&](vm::store::FileTable& t, int r) {
         const auto m = vm::search::trainingMatrix(*vm::scan::folderBlocks(t), persons, chosen,
                                                   {vm::scan::ScanProgress(), r});
         std::size_t filled = 0;
         for (std::size_t c = 0; c < m.courses(); ++c)
           filled += static_cast<std::size_t>(m.count(c));
         return filled;
       }},
      {"renewals, 5 courses",
       [&](vm::store::FileTable& t, int r) {
         const auto l = vm::renewals::renewalList(*vm::scan::folderBlocks(t), persons, renewed,
                                                  query, {vm::scan::ScanProgress(), r});
         return l.entries.size() + static_cast<std::size_t>(l.counts.expired) * 7;
       }},
      {"training history",
       [&](vm::store::FileTable& t, int r) {
         return vm::training::historyRecords(t, persons[777], {vm::scan::ScanProgress(), r}).size();
       }},
  };

  std::printf("10,000,000 training records (3.0 GB), %d persons; best of %d runs, wall clock\n",
              kPersons, kRuns);
  vm::bench::plainRead(records);  // into the system's cache, for every measure alike
  const Measure read = measure(kRuns, [&] { vm::bench::plainRead(records); });
  const std::string like =
      "SELECT person_id FROM training WHERE comments LIKE '%refresher%' GROUP BY person_id";
  const std::string group =
      "SELECT person_id, SUM(hours) FROM training WHERE training_date >= " +
      std::to_string(vm::format::automationDateOf(year, 1, 1)) + " AND training_date < " +
      std::to_string(vm::format::automationDateOf(year + 1, 1, 1)) + " GROUP BY person_id";
  Measure sqlLike{1, 0}, sqlGroup{1, 0};
  if (only.empty()) {
    sqliteQuery(db, "SELECT COUNT(*) FROM training");  // into the cache too
    sqlLike = measure(kRuns, [&] { sqliteQuery(db, like); });
    sqlGroup = measure(kRuns, [&] { sqliteQuery(db, group); });
  }
  std::printf("%-30s %8s %8s %9s %8s %8s\n", "pass", "seconds", "x read", "x SQLite", "MB",
              "1 range");
  std::printf("%-30s %8.3f %8s %9s %8.0f\n", "plain sequential read", read.seconds, "1.00", "",
              read.megabytes);
  std::printf("%-30s %8.3f %8.2f %9s %8.0f\n", "SQLite LIKE '%refresher%'", sqlLike.seconds,
              sqlLike.seconds / read.seconds, "1.00", sqlLike.megabytes);
  std::printf("%-30s %8.3f %8.2f %9s %8.0f\n", "SQLite SUM(hours) of a year", sqlGroup.seconds,
              sqlGroup.seconds / read.seconds, "1.00", sqlGroup.megabytes);

  bool same = true;
  for (const Pass& p : passes) {
    if (std::string(p.name).find(only) == std::string::npos) continue;
    std::size_t inRanges = 0, oneRange = 0;
    const Measure m = measure(kRuns, [&] {
      vm::store::FileTable table(posix, data.string());
      p.run(table, 0);
    });
    vm::store::FileTable table(posix, data.string());
    inRanges = p.run(table, 0);
    const auto start = Clock::now();
    oneRange = p.run(table, 1);
    const double single = std::chrono::duration<double>(Clock::now() - start).count();
    same = same && inRanges == oneRange;
    const double sql = std::string(p.name) == "annual summary" ? sqlGroup.seconds : sqlLike.seconds;
    std::printf("%-30s %8.3f %8.2f %9.2f %8.0f %8.3f%s\n", p.name, m.seconds,
                m.seconds / read.seconds, m.seconds / sql, m.megabytes, single,
                inRanges == oneRange ? "" : "  DIFFERS FROM ONE RANGE");
  }

  if (!only.empty()) return same ? 0 : 1;
  // The write passes, on a copy of the folder, each once: the copy is the flushed copy measured.
  const fs::path work = root / "work", backup = root / "backup";
  fs::remove_all(work);
  fs::remove_all(backup);
  fs::create_directories(backup);
  const Measure copy = measure(1, [&] { flushedCopy(data, work); });
  std::printf("%-30s %8.3f %8s %9s %8.0f\n", "flushed copy of the folder", copy.seconds, "", "1.00",
              copy.megabytes);

  // What a start does with the data folder before the title window shows: finish unfinished work
  // and read the users to log in; the same on the full folder and on one that holds only users.
  const fs::path usersOnly = root / "users-only";
  fs::create_directories(usersOnly);
  fs::copy_file(work / "User.List", usersOnly / "User.List", fs::copy_options::overwrite_existing);
  const auto start = [&](const fs::path& folder) {
    return measure(kRuns, [&] {
      vm::store::FileTable t(posix, folder.string());
      vm::store::finishInterruptedWork(t);
      if (vm::access::userRows(vm::app::FolderRecords(t).users()).empty()) std::exit(1);
    });
  };
  const Measure startFull = start(work), startEmpty = start(usersOnly);
  std::printf("%-30s %8.6f %8s %9s %8.0f  (%.6f s with users alone)\n",
              "start-up's work on the folder", startFull.seconds, "", "", startFull.megabytes,
              startEmpty.seconds);
  fs::remove_all(usersOnly);
  vm::store::CourseRecord course;
  course.DateCreated = courseId(3);
  course.CourseCode = "C-3";
  course.CourseName = "A course of the organisation, revised";
  course.ProvidedBy = "In-house";
  course.Hours = 2.5f;
  const std::vector<std::pair<const char*, std::function<void()>>> writes = {
      {"deleting one training record",
       [&] {
         vm::store::FileTable t(posix, work.string());
         vm::training::removeTrainingRecord(t, kAuthor, kRecords / 2, "A person", kWindowsProgress);
       }},
      {"deleting a person",
       [&] {
         vm::store::FileTable t(posix, work.string());
         vm::names::removePerson(t, kAuthor, 12345, kWindowsProgress);
       }},
      {"propagating one course (1%)",
       [&] {
         vm::store::FileTable t(posix, work.string());
         vm::courses::propagateCourse(t, kAuthor, course, kWindowsProgress);
       }},
      {"backup",
       [&] {
         if (vm::store::backUpFiles(posix, work.string(), backup.string(), kWindowsCopy))
           std::exit(1);
       }},
      {"restore",
       [&] {
         vm::store::FileTable t(posix, work.string());
         if (vm::store::restoreFiles(t, backup.string(), kAuthor, kWindowsCopy)) std::exit(1);
       }},
      {"propagating a course all hold",
       [&] {
         vm::store::FileTable t(posix, work.string());
         vm::courses::propagateCourse(t, kAuthor, course, kWindowsProgress);
       }},
  };
  // Before the last: every record of the copy made a record of the course, untimed.
  const auto everyRecordHolds = [&] {
    std::fstream file(work / "Training.Records", std::ios::in | std::ios::out | std::ios::binary);
    std::vector<char> block(L::kLength * 4096);
    for (std::streamoff at = 0;; at += static_cast<std::streamoff>(block.size())) {
      file.seekg(at);
      file.read(block.data(), static_cast<std::streamsize>(block.size()));
      const auto got = static_cast<std::size_t>(file.gcount());
      if (got == 0) break;
      file.clear();
      for (std::size_t r = 0; r + L::kLength <= got; r += L::kLength)
        vm::store::codec::putDouble(std::span<char>(block).subspan(r, L::kLength), L::CourseID,
                                    course.DateCreated);
      file.seekp(at);
      file.write(block.data(), static_cast<std::streamsize>(got));
    }
    // On the disk before the carry is timed, whose own flush would otherwise write these too.
    file.close();
    ::sync();
  };
  for (const auto& [name, run] : writes) {
    if (&run == &writes.back().second) everyRecordHolds();
    const Measure m = measure(1, run);
    std::printf("%-30s %8.3f %8.2f %9.2f %8.0f\n", name, m.seconds, m.seconds / read.seconds,
                m.seconds / copy.seconds, m.megabytes);
  }
  fs::remove_all(work);
  fs::remove_all(backup);
  std::printf("%s\n", same ? "every pass in ranges agrees with the pass in one range"
                           : "A PASS IN RANGES DIFFERS FROM THE PASS IN ONE RANGE");
  return same ? 0 : 1;
}
