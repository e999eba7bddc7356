// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/restore_copy.h"

#include <gtest/gtest.h>

#include <array>

#include "data_sets.h"
#include "store/file_swap.h"
#include "store/journal_text.h"
#include "store/work_journal.h"
#include "support/fault_sweep.h"
#include "support/store_test.h"

using namespace vm;
using backup::restoreFiles;
using test::FolderFiles;
using test::TempFolder;

namespace {

// The data folder holds the old set with its change log, the lock of the running copy and the
// installation values;
// the backup the new set, with files of another copy's own beside it.
void currentData(const TempFolder& folder) {
  test::writeDataSet(folder, 'o');
  folder.write("Verdimark.lock", "4242");
  folder.write("Verdimark.ini", "[Installation]\n");
  folder.write("Change.Log", "a line of today\r\n");
}

void backupOf(const TempFolder& folder) {
  test::writeDataSet(folder, 'n');
  for (const char* own : {"Verdimark.lock", "Journal.$$$", "TempFile.$$$", "Verdimark.ini"})
    folder.write(own, "of another copy");
}

struct RestoreCopyTest : test::StoreTest {
  TempFolder backup;
  void SetUp() override {
    currentData(folder);
    backupOf(backup);
  }
};

}  // namespace

// The restored change log is the backup's, or a new one when the backup has none; either way the
// restore's own line ends it.
TEST_F(RestoreCopyTest, PutsEveryDataFileOfTheBackupInPlaceAndNothingElse) {
  const std::string line =
      "12/08/2026 10:30:00\tDana Demo\tdata restored\t" + backup.str() +
      "\tUser.List, User.Log, Name.List, Course.Index, Training.Records, Course.Renewal";
  FolderFiles expected = test::filesIn(folder);
  for (const store::CarriedFile& c : store::kCarriedFiles)
    expected[std::string(c.name)] =
        backup.has(std::string(c.name)) ? backup.read(std::string(c.name)) : "";
  expected["Change.Log"] = line + "\r\n";
  std::vector<std::string> started;
  EXPECT_EQ(restoreFiles(table, backup.str(), vm::test::kAuthor,
                         [&](std::string_view name) { started.emplace_back(name); }),
            std::nullopt);
  EXPECT_EQ(test::filesIn(folder), expected);
  EXPECT_EQ(started.size(), 7u);

  backup.write("Change.Log", "a line of the backup\r\n");
  EXPECT_EQ(restoreFiles(table, backup.str(), vm::test::kAuthor), std::nullopt);
  EXPECT_EQ(folder.read("Change.Log"), "a line of the backup\r\n" + line + ", Change.Log\r\n");
}

TEST_F(RestoreCopyTest, AFailedCopyNamesItsFileAndRemovesTheStagedCopies) {
  const FolderFiles before = test::filesIn(folder);
  std::filesystem::create_directory(folder / "Name.List.$$$");  // cannot be written
  EXPECT_EQ(restoreFiles(table, backup.str(), vm::test::kAuthor), "Name.List");
  std::filesystem::remove(folder / "Name.List.$$$");
  EXPECT_EQ(test::filesIn(folder), before);
}

TEST_F(RestoreCopyTest, UnfinishedWorkOnTheOldFilesIsNeverDoneOnTheRestoredOnes) {
  // A removal of the first person, written down but not done, as a crash leaves it.
  const std::string journal =
      store::journalText({{store::RemoveRecord{store::DataFile::Names, 1, 3}}});
  folder.write("Journal.$$$", journal);
  EXPECT_EQ(restoreFiles(table, backup.str(), vm::test::kAuthor), std::nullopt);
  EXPECT_FALSE(folder.has("Journal.$$$"));

  // Interrupted after the marker was written: the next start finishes the restore and drops
  // the journal instead of removing a restored person.
  folder.write("Journal.$$$", journal);
  folder.write("Name.List.$$$", std::string(3000, 'x'));
  folder.write("Restore.$$$", "Verdimark restore\nput Name.List\nend\n");
  EXPECT_TRUE(store::finishInterruptedWork(table));
  EXPECT_EQ(folder.read("Name.List"), std::string(3000, 'x'));
  EXPECT_FALSE(folder.has("Journal.$$$"));
  EXPECT_FALSE(folder.has("Restore.$$$"));
}

TEST_F(RestoreCopyTest, AMarkerCutShortOrNotOursIsNotObeyed) {
  for (const std::string marker :
       {"Verdimark restore\nput Name.List\n", "Verdimark restore\nput ../Name.List\nend\n",
        "Verdimark restore\nput Verdimark.ini\nend\n",
        "Verdimark restore\nmove Name.List\nend\n"}) {
    SCOPED_TRACE(marker);
    const FolderFiles before = test::filesIn(folder);
    folder.write("Name.List.$$$", "staged");
    folder.write("Verdimark.ini.$$$", "staged");
    folder.write("Restore.$$$", marker);
    EXPECT_FALSE(store::finishInterruptedWork(table));
    std::remove((folder / "Verdimark.ini.$$$").c_str());  // not a carried file's: not ours
    EXPECT_EQ(test::filesIn(folder), before);
  }
}

TEST_F(RestoreCopyTest, FilesCarriedWhenPresentFollowTheBackup) {
  const std::array<store::CarriedFile, 2> files = {
      {{"User.List", store::Carry::Always}, {"Renewal.List", store::Carry::WhenPresent}}};
  folder.write("Renewal.List", "renewals of today");
  EXPECT_EQ(restoreFiles(table, backup.str(), vm::test::kAuthor, {}, files), std::nullopt);
  EXPECT_FALSE(folder.has("Renewal.List"));

  backup.write("Renewal.List", "renewals then");
  EXPECT_EQ(restoreFiles(table, backup.str(), vm::test::kAuthor, {}, files), std::nullopt);
  EXPECT_EQ(folder.read("Renewal.List"), "renewals then");
}

// Wherever a restore stops, the next start leaves every data file of the old set or every one
// of the new, with no staged copy, marker or journal left.
TEST(RestoreCopyFaults, TheDataFilesAreAllOldOrAllNewWhereverTheRestoreStops) {
  TempFolder backup;
  backupOf(backup);
  const auto count = test::sweepFaults(
      {currentData, [&](store::FileTable& t) { restoreFiles(t, backup.str(), vm::test::kAuthor); },
       true,
       [](const FolderFiles& now, const FolderFiles&, const FolderFiles&) {
         EXPECT_EQ(now.at("Verdimark.lock"), "4242");
       }});
  EXPECT_GT(count.failedCalls, 40);
  EXPECT_GT(count.powerCuts, 40);
}

// A restore into a folder without current data makes its files from nothing.
TEST(RestoreCopyFaults, ARestoreIntoAnEmptyFolderIsAllOrNothing) {
  TempFolder backup;
  backupOf(backup);
  test::sweepFaults({[](const TempFolder&) {},
                     [&](store::FileTable& t) { restoreFiles(t, backup.str(), vm::test::kAuthor); },
                     true});
}
