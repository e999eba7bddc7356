// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheets in and out at the sizes an organisation's records come to: 100,000 training rows
// imported from an .xlsx file (the file read, every row's outcome found, then the records written
// as one piece of work), and a list of 32,767 rows exported as an .xlsx file. The import's memory
// is its process's peak: the file to import is made by a process of its own.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/folder_records.h"
#include "format/automation_date.h"
#include "format/date_text.h"
#include "imports/import_plan.h"
#include "imports/import_work.h"
#include "imports/on_file.h"
#include "scan/folder_blocks.h"
#include "sheets/sheet_file.h"
#include "sheets/typed_table.h"
#include "store/posix_file_system.h"
#include "store/record_codec.h"

namespace {

using namespace vm;
using Clock = std::chrono::steady_clock;

constexpr int kTrainingRows = 100000;
constexpr int kPersons = 2000;
constexpr int kCourses = 60;
constexpr int kListRows = 32767;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Persons and courses on file; the training rows name them by employee ID and code, each with
// its date and a comment, as an organisation's sheet of who took what when.
void makeFolder(const std::filesystem::path& folder) {
  std::string names, courses;
  for (int i = 0; i < kPersons; ++i) {
    store::NameRecord p;
    p.DateCreated = 40000 + i / 86400.0;
    p.FirstName = "First" + std::to_string(i);
    p.LastName = "Last" + std::to_string(i);
    p.EmployeeID = "E-" + std::to_string(i);
    p.Active = store::kActive;
    names += store::encoded(p);
  }
  for (int i = 0; i < kCourses; ++i) {
    store::CourseRecord c;
    c.DateCreated = 41000 + i / 86400.0;
    c.CourseCode = "C-" + std::to_string(i);
    c.CourseName = "Course number " + std::to_string(i);
    c.ProvidedBy = "Provider";
    c.Hours = 2.5f;
    courses += store::encoded(c);
  }
  std::FILE* f = std::fopen((folder / "Name.List").c_str(), "wb");
  std::fwrite(names.data(), 1, names.size(), f);
  std::fclose(f);
  f = std::fopen((folder / "Course.Index").c_str(), "wb");
  std::fwrite(courses.data(), 1, courses.size(), f);
  std::fclose(f);
}

void makeTrainingSheet(const std::string& path) {
  sheets::Sheet sheet{"Training"};
  sheet.rows.push_back({sheets::Cell::ofText("Employee ID"), sheets::Cell::ofText("Course Code"),
                        sheets::Cell::ofText("Date"), sheets::Cell::ofText("Comments")});
  for (int i = 0; i < kTrainingRows; ++i) {
    sheet.rows.push_back({sheets::Cell::ofText("E-" + std::to_string(i % kPersons)),
                          sheets::Cell::ofText("C-" + std::to_string(i % kCourses)),
                          sheets::Cell::ofDate(36000 + i / 7), sheets::Cell::ofText("Passed")});
  }
  sheets::writeWorkbook(path, {{sheet}});
}

long peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

}  // namespace

int main() {
  const auto folder = std::filesystem::temp_directory_path() / "verdimark-bench-spreadsheets";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  makeFolder(folder);
  const std::string book = (folder / "training.xlsx").string();
  if (const pid_t child = fork(); child == 0) {
    makeTrainingSheet(book);
    _exit(0);
  } else {
    int status = 0;
    waitpid(child, &status, 0);
  }

  store::PosixFileSystem fs;
  store::FileTable table(fs, folder.string());
  app::FolderRecords records(table);
  const format::DateTime now{2026, 12, 8, 10, 30, 0};
  auto start = Clock::now();
  const sheets::Workbook workbook = sheets::readWorkbook(book);
  const double read = secondsSince(start);
  const std::vector<imports::SheetChoice> choices = {imports::guessChoice(workbook.sheets.at(0))};
  imports::ImportPlan plan =
      imports::planImport(workbook, choices, imports::readOnFile(records), now);
  imports::settleTrainingOnFile(
      plan, imports::trainingOnFile(*scan::folderBlocks(table), plan.trainings));
  const double preview = secondsSince(start) - read;
  const bool written =
      imports::writeImport(table, {"Bench", now}, imports::importAdditions(plan, book));
  const double total = secondsSince(start);
  std::printf(
      "import of %d training rows from .xlsx: %.2f s (file read %.2f s, preview %.2f s, "
      "written %.2f s), %zu records added%s; peak memory %ld MB\n",
      kTrainingRows, total, read, preview, total - read - preview, plan.trainings.size(),
      written ? "" : " NOT WRITTEN", peakMegabytes());

  std::vector<std::vector<std::string>> rows;
  rows.reserve(kListRows);
  for (int i = 0; i < kListRows; ++i)
    rows.push_back({"Person number " + std::to_string(i), "Organisation " + std::to_string(i % 40),
                    format::formatDate(36000 + i), "2.5"});
  start = Clock::now();
  sheets::writeWorkbook((folder / "list.xlsx").string(),
                        {{sheets::typedSheet("Name List", {"Name", "Organization", "Date", "Hours"},
                                             rows, {false, false, false, true})}});
  std::printf("export of %d rows to .xlsx: %.2f s\n", kListRows, secondsSince(start));
  std::filesystem::remove_all(folder);
}
