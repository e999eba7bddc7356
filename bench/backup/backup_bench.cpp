// SPDX-License-Identifier: GPL-3.0-or-later
// Backup and restore of a data folder with 300 MB of training records, beside a plain copy of
// the same files with the system's own file copy and a flush of each file and of the folder,
// measured in turns in one run on one disk. Its files are removed when it ends.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "store/backup/backup_copy.h"
#include "store/backup/restore_copy.h"
#include "store/carried_files.h"
#include "store/file_table.h"
#include "store/posix_file_system.h"

namespace {

namespace fs = std::filesystem;
using namespace vm;
using Clock = std::chrono::steady_clock;

const store::ChangeAuthor kAuthor{"Dana Demo", {2026, 12, 8, 10, 30, 0}};

constexpr std::size_t kTrainingRecords = 1'000'000;  // 300 MB of 300-byte records
constexpr int kRounds = 3;

void writeFile(const fs::path& path, std::size_t records, std::size_t length) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::string block(length * 1024, ' ');
  for (std::size_t done = 0; done < records;) {
    const std::size_t n = std::min<std::size_t>(1024, records - done);
    for (std::size_t i = 0; i < n; ++i)
      std::snprintf(block.data() + i * length, 16, "%012zu", done + i);
    out.write(block.data(), static_cast<std::streamsize>(n * length));
    done += n;
  }
}

void flush(const fs::path& path, int flags) {
  const int fd = ::open(path.c_str(), flags);
  if (fd < 0 || ::fsync(fd) != 0) std::perror(path.c_str());
  if (fd >= 0) ::close(fd);
}

// What a user would do by hand: copy each file, then flush it and the folder.
void plainCopy(const fs::path& from, const fs::path& to) {
  for (const store::CarriedFile& c : store::kCarriedFiles) {
    const fs::path target = to / c.name;
    fs::copy_file(from / c.name, target, fs::copy_options::overwrite_existing);
    flush(target, O_RDONLY);
  }
  flush(to, O_RDONLY | O_DIRECTORY);
}

double seconds(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main() {
  const fs::path root = fs::temp_directory_path() / "verdimark-bench-backup";
  fs::remove_all(root);
  const fs::path data = root / "data";
  const fs::path backup = root / "backup";
  const fs::path plain = root / "plain";
  for (const fs::path& p : {data, backup, plain}) fs::create_directories(p);

  writeFile(data / "User.List", 20, 500);
  writeFile(data / "Name.List", 3000, 1000);
  writeFile(data / "Course.Index", 400, 300);
  writeFile(data / "Training.Records", kTrainingRecords, 300);
  std::ofstream(data / "User.Log") << "log-in and log-out lines\r\n";
  std::uintmax_t bytes = 0;
  for (const store::CarriedFile& c : store::kCarriedFiles) bytes += fs::file_size(data / c.name);

  store::PosixFileSystem posix;
  store::FileTable table(posix, data.string());
  double bestPlain = 1e9, bestBackup = 1e9, bestRestore = 1e9;
  bool ok = true;
  for (int round = 0; round < kRounds; ++round) {
    bestPlain = std::min(bestPlain, seconds([&] { plainCopy(data, plain); }));
    bestBackup = std::min(bestBackup, seconds([&] {
                            ok = ok && !store::backUpFiles(posix, data.string(), backup.string());
                          }));
    bestRestore = std::min(bestRestore, seconds([&] {
                             ok = ok && !store::restoreFiles(table, backup.string(), kAuthor);
                           }));
  }
  fs::remove_all(root);

  std::printf("data folder of %.0f MB, best of %d rounds\n", static_cast<double>(bytes) / 1e6,
              kRounds);
  std::printf("plain copy and flush   %7.3f s\n", bestPlain);
  std::printf("backup                 %7.3f s  (%.2fx the plain copy)\n", bestBackup,
              bestBackup / bestPlain);
  std::printf("restore                %7.3f s  (%.2fx the plain copy)\n", bestRestore,
              bestRestore / bestPlain);
  if (!ok) std::printf("a backup or restore failed\n");
  return ok ? 0 : 1;
}
