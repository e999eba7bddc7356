// SPDX-License-Identifier: GPL-3.0-or-later
// Training records at scale: 32,767 persons and 1,000,000 training records. Opening one person's
// history, removing one training record, removing one person with their records, and crediting a
// course to 1,000 persons at once, each printed beside a plain read or copy of the same file made
// in the same run, so the ratio shows.

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "names/person_deletion.h"
#include "store/field_codec.h"
#include "store/posix_file_system.h"
#include "store/work_journal.h"
#include "training/credit.h"
#include "training/field_edit.h"
#include "training/history_rows.h"

namespace {

using namespace vm;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const store::ChangeAuthor kAuthor{"Dana Demo", {2026, 12, 8, 10, 30, 0}};

constexpr int kPersons = 32'767;
constexpr int kRecords = 1'000'000;
constexpr double kFirstPerson = 40000.0;
constexpr std::size_t kBlock = 1 << 20;

double personId(int n) { return kFirstPerson + n / 86400.0; }

double seconds(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void writeFiles(const fs::path& folder) {
  {
    std::ofstream out(folder / "Name.List", std::ios::binary | std::ios::trunc);
    std::vector<char> record(store::layout::name::kLength, ' ');
    namespace layout = store::layout::name;
    for (int n = 1; n <= kPersons; ++n) {
      store::codec::putDouble(record, layout::DateCreated, personId(n));
      store::codec::putText(record, layout::FirstName, "Person");
      store::codec::putText(record, layout::LastName, "Number " + std::to_string(n));
      store::codec::putInt16(record, layout::Active, -1);
      out.write(record.data(), static_cast<std::streamsize>(record.size()));
    }
  }
  {
    std::ofstream out(folder / "Course.Index", std::ios::binary | std::ios::trunc);
    std::vector<char> record(store::layout::course::kLength, ' ');
    namespace layout = store::layout::course;
    store::codec::putDouble(record, layout::DateCreated, 39000.5);
    store::codec::putText(record, layout::CourseCode, "FA-01");
    store::codec::putText(record, layout::CourseName, "First Aid");
    store::codec::putSingle(record, layout::Hours, 8.0f);
    out.write(record.data(), static_cast<std::streamsize>(record.size()));
  }
  std::ofstream out(folder / "Training.Records", std::ios::binary | std::ios::trunc);
  namespace layout = store::layout::training;
  std::vector<char> block;
  block.reserve(layout::kLength * 4096);
  std::vector<char> record(layout::kLength, ' ');
  for (int i = 1; i <= kRecords; ++i) {
    store::codec::putDouble(record, layout::TrainingDate, 40000.0 + i % 9000);
    store::codec::putDouble(record, layout::PersonID,
                            personId(static_cast<int>(1 + (i * 7919LL) % kPersons)));
    store::codec::putDouble(record, layout::CourseID, 39000.5);
    store::codec::putText(record, layout::CourseCode, "FA-01");
    store::codec::putText(record, layout::CourseName, "First Aid");
    store::codec::putText(record, layout::ProvidedBy, "Red Cross");
    store::codec::putSingle(record, layout::Hours, 8.0f);
    store::codec::putText(record, layout::Comments, "Completed with the whole shift");
    block.insert(block.end(), record.begin(), record.end());
    if (block.size() == block.capacity() || i == kRecords) {
      out.write(block.data(), static_cast<std::streamsize>(block.size()));
      block.clear();
    }
  }
}

// Reads the whole file in large blocks, as plainly as a file can be read.
void plainRead(const fs::path& path) {
  std::vector<char> buffer(kBlock);
  const int fd = ::open(path.c_str(), O_RDONLY);
  while (::read(fd, buffer.data(), buffer.size()) > 0) {
  }
  ::close(fd);
}

// Copies the file in large blocks and flushes the copy to the disk, as a safe rewrite must.
void plainCopy(const fs::path& from, const fs::path& to) {
  std::vector<char> buffer(kBlock);
  const int in = ::open(from.c_str(), O_RDONLY);
  const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ssize_t n = 0;
  while ((n = ::read(in, buffer.data(), buffer.size())) > 0) {
    if (::write(out, buffer.data(), static_cast<std::size_t>(n)) != n) break;
  }
  ::fsync(out);
  ::close(out);
  ::close(in);
}

}  // namespace

int main() {
  const fs::path folder = fs::temp_directory_path() / "verdimark-bench-training";
  fs::remove_all(folder);
  fs::create_directories(folder);
  writeFiles(folder);
  const fs::path records = folder / "Training.Records";
  const fs::path copy = folder / "copy.bin";
  plainRead(records);  // the first pass warms the cache for every measure alike

  store::PosixFileSystem fileSystem;
  store::FileTable table(fileSystem, folder.string());

  const double read = seconds([&] { plainRead(records); });
  std::size_t listed = 0;
  const double history =
      seconds([&] { listed = training::historyRecords(table, personId(777)).size(); });
  std::printf(
      "history of one person (%zu of %d records): %.3f s; plain read of the file %.3f s "
      "(%.1fx)\n",
      listed, kRecords, history, read, history / read);

  const double copied = seconds([&] { plainCopy(records, copy); });
  fs::remove(copy);
  const double removal =
      seconds([&] { training::removeTrainingRecord(table, kAuthor, kRecords / 2, "A person"); });
  std::printf("removing one training record: %.3f s; plain copy of the file %.3f s (%.2fx)\n",
              removal, copied, removal / copied);

  const double copiedBoth = seconds([&] {
    plainCopy(records, copy);
    plainCopy(folder / "Name.List", folder / "copy2.bin");
  });
  fs::remove(copy);
  fs::remove(folder / "copy2.bin");
  std::int32_t gone = 0;
  const double person = seconds([&] { gone = names::removePerson(table, kAuthor, 12345); });
  std::printf(
      "removing one person and %d training records: %.3f s; plain copy of both files "
      "%.3f s (%.2fx)\n",
      gone, person, copiedBoth, person / copiedBoth);

  training::Credit credit;
  credit.courseRecNum = 1;
  credit.trainingDate = 46000;
  credit.comments = "Annual refresher";
  for (int n = 1; n <= 1000; ++n) credit.personRecNums.push_back(n * 30);
  const double credited = seconds([&] { training::creditTraining(table, kAuthor, credit); });
  std::printf("crediting 1,000 persons at once: %.3f s\n", credited);

  fs::remove_all(folder);
  return 0;
}
