// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/read_only_folder.h"

#include <gtest/gtest.h>

#include <functional>

#include "names/person_store.h"
#include "store/folder_holder.h"
#include "store/posix_file_system.h"
#include "store/whole_file.h"
#include "support/folder_snapshot.h"
#include "support/store_test.h"

using namespace vm::store;

namespace {

struct ReadOnlyFolderTest : ::testing::Test {
  vm::test::TempFolder folder;
  vm::test::TempFolder elsewhere;
  PosixFileSystem disk;
  ReadOnlyFolder fs{disk, folder.str()};
  std::string in(const std::string& name) const { return (folder / name).string(); }
};

}  // namespace

TEST_F(ReadOnlyFolderTest, EveryChangeOfTheFolderIsRefusedAndNothingOnTheDiskMoves) {
  folder.write("Name.List", std::string(recordLength(DataFile::Names), 'x'));
  folder.write("Journal.$$$", "owner's work");
  const vm::test::FolderSnapshot before = vm::test::snapshotOf(folder.path());
  const auto viaHandle = [&](const std::function<void(FileSystem::Handle)>& call) {
    return [&, call] { call(fs.open(in("Name.List"), FileSystem::Mode::ReadWrite)); };
  };
  FileTable table(fs, folder.str(), FolderUse::Reader);
  NameRecord person;
  person.FirstName = "Ann";
  const std::vector<std::pair<const char*, std::function<void()>>> calls = {
      {"open to replace", [&] { fs.open(in("Name.List"), FileSystem::Mode::Replace); }},
      {"open a new file to replace", [&] { fs.open(in("New.txt"), FileSystem::Mode::Replace); }},
      {"write", viaHandle([&](auto h) { fs.write(h, 0, std::string_view("y")); })},
      {"write to a missing file",
       [&] {
         fs.write(fs.open(in("Course.Index"), FileSystem::Mode::ReadWrite), 0,
                  std::string_view("y"));
       }},
      {"cut", viaHandle([&](auto h) { fs.truncate(h, 0); })},
      {"flush", viaHandle([&](auto h) { fs.sync(h); })},
      {"rename within", [&] { fs.rename(in("Name.List"), in("Other")); }},
      {"rename over", [&] { fs.rename((elsewhere / "x").string(), in("Name.List")); }},
      {"remove", [&] { fs.remove(in("Journal.$$$")); }},
      {"flush the folder", [&] { fs.syncFolder(folder.str()); }},
      {"journalled work", [&] { vm::names::PersonStore(table).add(vm::test::kAuthor, person); }},
      {"a whole file", [&] { writeWholeFile(fs, in("Verdimark.holder"), "x"); }},
  };
  for (const auto& [what, call] : calls) EXPECT_THROW(call(), StoreError) << what;
  EXPECT_EQ(vm::test::snapshotOf(folder.path()), before);
}

TEST_F(ReadOnlyFolderTest, AMissingFileReadsAsEmptyWithoutBeingMadeAndFilesElsewhereAreWritten) {
  FileTable table(fs, folder.str(), FolderUse::Reader);
  EXPECT_EQ(table.open(DataFile::Training), 0);
  table.close(DataFile::Training);
  EXPECT_FALSE(folder.has("Training.Records"));
  writeWholeFile(fs, (elsewhere / "list.csv").string(), "a,b\n");
  EXPECT_EQ(elsewhere.read("list.csv"), "a,b\n");
}

TEST(FolderUse, AReaderCountsOnlyWholeRecordsWhereTheOwnerRounds) {
  const std::size_t len = recordLength(DataFile::Courses);
  struct Case {
    std::size_t bytes;
    std::int32_t owner;
    std::int32_t reader;
  };
  for (const Case c : {Case{0, 0, 0}, Case{3 * len, 3, 3}, Case{3 * len + 1, 3, 3},
                       Case{3 * len + len / 2 + 1, 4, 3}, Case{4 * len - 1, 4, 3}}) {
    vm::test::TempFolder folder;
    folder.write("Course.Index", std::string(c.bytes, 'c'));
    PosixFileSystem disk;
    EXPECT_EQ(FileTable(disk, folder.str()).storedCount(DataFile::Courses), c.owner) << c.bytes;
    ReadOnlyFolder fs(disk, folder.str());
    FileTable reader(fs, folder.str(), FolderUse::Reader);
    EXPECT_EQ(reader.open(DataFile::Courses), c.reader) << c.bytes;
  }
}

TEST(FolderHolder, ItsTextReadsBackAndNoNameRunsOntoAnotherLine) {
  const FolderHolder h{"Dana\nDemo", "dana", "office-7", "2026-12-08 10:30"};
  const std::optional<FolderHolder> back = parseHolder(holderText(h));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->user, "Dana Demo");
  EXPECT_EQ(back->computer, "office-7");
  EXPECT_EQ(back->since, "2026-12-08 10:30");
  EXPECT_EQ(parseHolder("Computer=x\nSince=y\n"), std::nullopt);
  EXPECT_EQ((FolderHolder{"", "dana", "", ""}).who(), "dana");
}
