// SPDX-License-Identifier: GPL-3.0-or-later
// Times the renewals list over a training file of 1,000,000 records for 32,767 listed persons and
// 40 courses, 12 of them with a renewal period, beside a plain sequential read of the same file.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "format/automation_date.h"
#include "format/number_text.h"
#include "renewals/renewal_list.h"
#include "scan/folder_blocks.h"
#include "store/field_codec.h"
#include "store/file_table.h"
#include "store/posix_file_system.h"
#include "support/temp_folder.h"
#include "training_file.h"

namespace {

namespace L = vm::store::layout::training;

constexpr int kPersons = 32767;
constexpr int kRecords = 1000000;
constexpr int kCourses = 40;
constexpr int kRuns = 7;

// Processor time, system time included: all of it is spent on this one thread, and on a machine
// shared with other work it is the part that does not depend on how often the others get a turn.
double processorSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

template <typename Work>
double best(Work&& work) {
  double fastest = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    const double start = processorSeconds();
    work();
    fastest = std::min(fastest, processorSeconds() - start);
  }
  return fastest;
}

void writeTrainingFile(const std::string& path, const std::vector<double>& persons,
                       const std::vector<double>& courses) {
  std::mt19937 random(18);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::vector<char> record(L::kLength, ' ');
  vm::store::codec::putText(record, L::CourseName, "A course of the organisation");
  vm::store::codec::putText(record, L::ProvidedBy, "In-house");
  vm::store::codec::putSingle(record, L::Hours, 2.0f);
  for (int k = 0; k < kRecords; ++k) {
    const double day = vm::format::automationDateOf(2000 + static_cast<int>(random() % 27),
                                                    1 + static_cast<int>(random() % 12),
                                                    1 + static_cast<int>(random() % 28));
    vm::store::codec::putDouble(record, L::TrainingDate, day);
    vm::store::codec::putDouble(record, L::PersonID, persons[random() % persons.size()]);
    const std::size_t course = random() % courses.size();
    vm::store::codec::putDouble(record, L::CourseID, courses[course]);
    vm::store::codec::putText(record, L::CourseCode, "C-" + std::to_string(course));
    std::fwrite(record.data(), 1, record.size(), f);
  }
  std::fclose(f);
}

}  // namespace

int main() {
  vm::test::TempFolder folder;
  vm::store::PosixFileSystem fs;
  vm::store::FileTable files(fs, folder.str());

  const std::vector<double> persons = vm::bench::listedPersons(kPersons);
  std::vector<double> courseIds;
  std::vector<vm::renewals::RenewalCourse> renewed;
  for (int c = 0; c < kCourses; ++c) {
    courseIds.push_back(vm::format::toAutomationDate({2000, 6, 1, 9, 0, c}));
    if (c % 10 < 3) renewed.push_back({courseIds.back(), 12 * (1 + c % 3)});
  }
  const std::string path = (folder / "Training.Records").string();
  writeTrainingFile(path, persons, courseIds);
  std::printf(
      "Training.Records: %d records (%.0f MB), %d listed persons, %zu of %d courses "
      "renewed\n",
      kRecords, kRecords * 300.0 / 1e6, kPersons, renewed.size(), kCourses);

  vm::renewals::RenewalQuery query;
  query.today = vm::format::automationDay(vm::format::automationDateOf(2026, 12, 8));
  std::uint64_t sink = 0;
  vm::renewals::RenewalList list;
  const double read = best([&] { sink += vm::bench::plainRead(path); });
  const double renewals = best([&] {
    list = vm::renewals::renewalList(*vm::scan::folderBlocks(files), persons, renewed, query);
  });
  query.neverTaken = true;
  const double withNever = best([&] {
    list = vm::renewals::renewalList(*vm::scan::folderBlocks(files), persons, renewed, query);
  });

  std::printf("processor time, best of %d runs (expired %d, due %d, current %d, never taken %d)\n",
              kRuns, list.counts.expired, list.counts.due, list.counts.current,
              list.counts.neverTaken);
  std::printf("  %-34s %7.3f s\n", "plain sequential read", read);
  std::printf("  %-34s %7.3f s   %.2fx the plain read\n", "renewals list", renewals,
              renewals / read);
  std::printf("  %-34s %7.3f s   %.2fx the plain read\n", "renewals list with never taken",
              withNever, withNever / read);
  // Well under the half second asked for, with room for a machine shared with other work.
  const bool ok = renewals < 0.3 && withNever < 0.3;
  std::printf("%s\n", ok ? "well under 0.5 s" : "OUTSIDE THE LIMITS");
  if (sink == 0) std::printf("(nothing read)\n");
  return ok ? 0 : 1;
}
