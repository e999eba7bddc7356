// SPDX-License-Identifier: GPL-3.0-or-later
// A copy that reads the data folder while another process changes it, the way two copies of the
// program share a folder: every list the reader sees is one the writer left at some moment.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <set>
#include <string>

#include "names/person_store.h"
#include "store/backup/backup_copy.h"
#include "store/backup/restore_copy.h"
#include "store/posix_file_system.h"
#include "store/read_only_folder.h"
#include "support/folder_snapshot.h"
#include "support/store_test.h"

using namespace vm::store;

namespace {

NameRecord person(const std::string& first, const std::string& organization) {
  NameRecord p;
  p.FirstName = first;
  p.LastName = "Shared";
  p.Organization = organization;
  p.Active = kActive;
  return p;
}

std::string wholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The writer's side, in a process of its own: adds, edits, removals (each a compaction) and
// restores of a backup, for a bounded time, writing down every Name.List it leaves.
[[noreturn]] void writeInALoop(const std::string& folder, const std::string& backup,
                               const std::string& states) {
  PosixFileSystem disk;
  FileTable table(disk, folder);
  const vm::names::PersonStore persons(table);
  std::ofstream log(states);
  const auto note = [&] {
    log << std::hash<std::string>{}(wholeFile(std::filesystem::path(folder) / "Name.List")) << '\n';
  };
  note();
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  for (int i = 0; std::chrono::steady_clock::now() < end; ++i) {
    persons.add(vm::test::kAuthor, person("P" + std::to_string(i), "new"));
    note();
    const std::int32_t count = table.storedCount(DataFile::Names);
    persons.save(vm::test::kAuthor, 1 + i % count, person("E" + std::to_string(i), "edited"));
    note();
    if (i % 3 == 2) {
      persons.remove(vm::test::kAuthor, 1);
      note();
    }
    if (i % 10 == 9) {
      vm::store::restoreFiles(table, backup, vm::test::kAuthor);
      note();
    }
  }
  log.flush();
  _exit(log ? 0 : 1);
}

}  // namespace

TEST(SharedReading, EveryListAReaderSeesIsOneTheWriterLeft) {
  vm::test::TempFolder folder;
  vm::test::TempFolder backup;
  vm::test::TempFolder notes;
  {
    PosixFileSystem disk;
    FileTable table(disk, folder.str());
    for (int i = 0; i < 5; ++i)
      vm::names::PersonStore(table).add(vm::test::kAuthor, person("B" + std::to_string(i), "old"));
    ASSERT_EQ(vm::store::backUpFiles(disk, folder.str(), backup.str()), std::nullopt);
  }
  const std::string states = (notes / "states").string();
  const pid_t writer = fork();
  ASSERT_GE(writer, 0);
  if (writer == 0) writeInALoop(folder.str(), backup.str(), states);

  PosixFileSystem disk;
  ReadOnlyFolder readOnly(disk, folder.str());
  FileTable table(readOnly, folder.str(), FolderUse::Reader);
  std::set<std::size_t> seen;
  int reads = 0;
  int status = 0;
  while (waitpid(writer, &status, WNOHANG) == 0) {
    std::string list;
    const OpenFile names(table, DataFile::Names);
    table.scan(DataFile::Names, 1, names.count(), [&](std::int32_t, std::span<const char> r) {
      list.append(r.data(), r.size());
      return true;
    });
    seen.insert(std::hash<std::string>{}(list));
    ++reads;
  }
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  std::set<std::size_t> left;
  std::ifstream log(states);
  for (std::size_t h = 0; log >> h;) left.insert(h);
  EXPECT_GT(reads, 10);
  EXPECT_GT(left.size(), 10u);
  for (std::size_t h : seen) EXPECT_TRUE(left.contains(h)) << "a list no writer left";
}

TEST(SharedReading, ABackupMadeByACopyThatOnlyReadsLeavesTheFolderAsItWas) {
  vm::test::TempFolder folder;
  vm::test::TempFolder backup;
  PosixFileSystem disk;
  {
    FileTable table(disk, folder.str());
    vm::names::PersonStore(table).add(vm::test::kAuthor, person("Ann", "old"));
  }
  const vm::test::FolderSnapshot before = vm::test::snapshotOf(folder.path());
  ReadOnlyFolder readOnly(disk, folder.str());
  ASSERT_EQ(vm::store::backUpFiles(readOnly, folder.str(), backup.str()), std::nullopt);
  EXPECT_EQ(backup.read("Name.List"), folder.read("Name.List"));
  EXPECT_EQ(vm::test::snapshotOf(folder.path()), before);
}
