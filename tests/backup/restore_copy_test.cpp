// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/backup/restore_copy.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include <array>
#include <ctime>
#include <optional>

#include "data_sets.h"
#include "store/file_swap.h"
#include "store/journal_text.h"
#include "store/work_journal.h"
#include "store/work_stopped.h"
#include "support/fault_sweep.h"
#include "support/store_test.h"

using namespace vm;
using store::restoreFiles;
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

// The files of the backup: the four record files, the user log and the renewal periods.
constexpr std::string_view kPut =
    "User.List, User.Log, Name.List, Course.Index, Training.Records, Course.Renewal";

// The line a restore from the folder writes, with what follows its list of files.
std::string restoreLine(const TempFolder& backup, std::string_view rest) {
  return "12/08/2026 10:30:00\tDana Demo\tdata restored\t" + backup.str() + '\t' +
         std::string(kPut) + std::string(rest) + "\r\n";
}

// The backup's own line, as a backup by this build ends its copy of the log with.
const std::string kOwnLine =
    "12/01/2026 09:15:00\tAmy Baker\tdata backed up\t/media/usb\tUser.List, Change.Log; its "
    "Change.Log ends with this line\r\n";

// Sets the modification time of a file of the folder; returns it as the log shows local times.
std::string touch(const TempFolder& folder, const std::string& name, std::time_t when) {
  const timeval times[2] = {{when, 0}, {when, 0}};
  ::utimes((folder / name).c_str(), times);
  std::tm local{};
  localtime_r(&when, &local);
  char text[32];
  std::strftime(text, sizeof text, "%m/%d/%Y %H:%M:%S", &local);
  return text;
}

struct RestoreCopyTest : test::StoreTest {
  TempFolder backup;
  void SetUp() override {
    currentData(folder);
    backupOf(backup);
  }
};

}  // namespace

TEST_F(RestoreCopyTest, PutsEveryDataFileOfTheBackupInPlaceAndNothingElse) {
  backup.write("Change.Log", kOwnLine);
  FolderFiles expected = test::filesIn(folder);
  for (const store::CarriedFile& c : store::kCarriedFiles)
    if (c.carry != store::Carry::Grows)
      expected[std::string(c.name)] = backup.read(std::string(c.name));
  expected["Change.Log"] += restoreLine(backup, "; Backed up: \"12/01/2026 09:15:00\"");
  std::vector<std::string> started;
  EXPECT_EQ(restoreFiles(table, backup.str(), vm::test::kAuthor,
                         [&](std::string_view name) {
                           if (started.empty() || started.back() != name)
                             started.emplace_back(name);
                         }),
            std::nullopt);
  EXPECT_EQ(test::filesIn(folder), expected);
  EXPECT_EQ(started.size(), 7u);
}

// The change log only grows: whatever log the backup holds, the data folder's keeps every line
// and gets the restore's at its end; a folder without one takes the backup's, or starts anew.
TEST_F(RestoreCopyTest, TheChangeLogKeepsEveryLineItHad) {
  const std::string longer = "one\r\ntwo\r\nthree, after the backup\r\n";
  const std::string dated = "; Backed up: \"12/01/2026 09:15:00\"";
  const struct {
    const char* name;
    std::optional<std::string> current, backedUp;
    std::string after;
  } cases[] = {
      {"longer than the backup's", longer, "one\r\n" + kOwnLine,
       longer + restoreLine(backup, dated)},
      {"shorter than the backup's", "one\r\n", longer + kOwnLine,
       "one\r\n" + restoreLine(backup, dated)},
      {"the backup has none", longer, std::nullopt, longer},
      {"none, the backup's taken", std::nullopt, longer + kOwnLine,
       longer + kOwnLine + restoreLine(backup, ", Change.Log" + dated)},
      {"none in either", std::nullopt, std::nullopt, ""},
  };
  for (const store::CarriedFile& c : store::kCarriedFiles)
    if (backup.has(std::string(c.name))) touch(backup, std::string(c.name), 1600000000);
  const std::string fileTime = touch(backup, "Name.List", 1700000000);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::remove((folder / "Change.Log").c_str());
    std::remove((backup / "Change.Log").c_str());
    if (c.current) folder.write("Change.Log", *c.current);
    if (c.backedUp) backup.write("Change.Log", *c.backedUp);
    EXPECT_EQ(restoreFiles(table, backup.str(), vm::test::kAuthor), std::nullopt);
    const std::string line =
        c.backedUp ? "" : restoreLine(backup, "; Backed up: \"" + fileTime + '"');
    EXPECT_EQ(folder.read("Change.Log"), c.after + line);
    EXPECT_EQ(backup.read("Change.Log"), c.backedUp.value_or(""));
  }
}

// The backup's date is its own line's; a backup without one (of an earlier build, or whose log
// ends otherwise) is dated by the newest of its files.
TEST_F(RestoreCopyTest, TheRestoreLineTellsWhenTheBackupWasMadeAndWhatWent) {
  folder.write("Course.Renewal", "periods of today");
  std::remove((backup / "Course.Renewal").c_str());
  for (const char* name :
       {"User.List", "User.Log", "Name.List", "Course.Index", "Training.Records"})
    touch(backup, name, 1600000000);
  const std::string newest = touch(backup, "Course.Index", 1700000000);
  const std::string olderBuild =
      "12/01/2026 09:15:00\tAmy Baker\tdata backed up\t/media/usb\tUser.List, Change.Log\r\n";
  const struct {
    std::string log;
    std::string date;
  } cases[] = {
      {kOwnLine, "12/01/2026 09:15:00"},
      {"a line\r\n" + kOwnLine + "a later line\r\n", newest},
      {olderBuild, newest},
      {kOwnLine.substr(0, kOwnLine.size() - 30), newest},  // cut short: not the whole line
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.log);
    backup.write("Change.Log", c.log);
    touch(backup, "Change.Log", 1500000000);
    const std::uint64_t before = folder.read("Change.Log").size();
    EXPECT_EQ(restoreFiles(table, backup.str(), vm::test::kAuthor), std::nullopt);
    EXPECT_EQ(
        folder.read("Change.Log").substr(before),
        "12/08/2026 10:30:00\tDana Demo\tdata restored\t" + backup.str() +
            "\tUser.List, User.Log, Name.List, Course.Index, Training.Records; Backed up: \"" +
            c.date + "\"; Removed: \"Course.Renewal\"\r\n");
    folder.write("Course.Renewal", "periods of today");
  }
}

TEST_F(RestoreCopyTest, AFailedCopyNamesItsFileAndRemovesTheStagedCopies) {
  const FolderFiles before = test::filesIn(folder);
  std::filesystem::create_directory(folder / "Name.List.$$$");  // cannot be written
  EXPECT_EQ(restoreFiles(table, backup.str(), vm::test::kAuthor), "Name.List");
  std::filesystem::remove(folder / "Name.List.$$$");
  EXPECT_EQ(test::filesIn(folder), before);
}

TEST_F(RestoreCopyTest, AStoppedCopyLeavesTheDataFolderAsItWas) {
  const FolderFiles before = test::filesIn(folder);
  EXPECT_THROW(restoreFiles(table, backup.str(), vm::test::kAuthor,
                            [](std::string_view name) {
                              if (name == "Training.Records") throw store::WorkStopped();
                            }),
               store::WorkStopped);
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

// A restore found unfinished at the next start, by this build or an older one whose marker
// would replace or remove the log: the log keeps every line it had and gets the owed line once.
TEST_F(RestoreCopyTest, AnInterruptedRestoreNeverShortensTheLog) {
  const std::string today = "a line of today\r\n";
  const std::string owed = "12/08/2026 10:30:00\tDana Demo\tdata restored\t/media/usb\tUser.List";
  const std::string line = owed + "\r\n";
  const auto marker = [&](const std::string& entries, std::size_t at) {
    return "Verdimark restore\n" + entries + "log " + std::to_string(at) + ' ' + owed + "\nend\n";
  };
  const struct {
    const char* name;
    std::optional<std::string> log, staged;
    std::string marker;
    std::string after;
  } cases[] = {
      {"an older build's, putting a shorter log over it", today, "short\r\n",
       marker("put Change.Log\n", 7), today + line},
      {"an older build's, removing it", today, std::nullopt, marker("remove Change.Log\n", 0),
       today + line},
      {"an older build's, which removed it", std::nullopt, std::nullopt,
       marker("remove Change.Log\n", 0), line},
      {"an older build's, which removed it and wrote the line", line, std::nullopt,
       marker("remove Change.Log\n", 0), line},
      {"this build's, the line half written", today + line.substr(0, 30), std::nullopt,
       marker("", today.size()), today + line},
      {"this build's, the line written", today + line, std::nullopt, marker("", today.size()),
       today + line},
      {"this build's, the backup's log put in place", std::nullopt, today,
       marker("put Change.Log\n", today.size()), today + line},
      {"this build's, the backup's log in place, the line half written", today + "12/08",
       std::nullopt, marker("put Change.Log\n", today.size()), today + line},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::remove((folder / "Change.Log").c_str());
    if (c.log) folder.write("Change.Log", *c.log);
    if (c.staged) folder.write("Change.Log.$$$", *c.staged);
    folder.write("Restore.$$$", c.marker);
    EXPECT_TRUE(store::finishInterruptedWork(table));
    EXPECT_EQ(folder.read("Change.Log"), c.after);
    EXPECT_FALSE(folder.has("Change.Log.$$$"));
    EXPECT_FALSE(folder.has("Restore.$$$"));
  }
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
// The change log is never shorter after the next start than before the restore, whatever log
// either folder holds, and has the restore's line once the restore is done.
TEST(RestoreCopyFaults, TheDataFilesAreAllOldOrAllNewWhereverTheRestoreStops) {
  const struct {
    const char* name;
    bool currentLog;
    const char* backupLog;
  } cases[] = {
      {"a log in either", true, "a line of that day\r\n"},
      {"the backup's log only", false, "a line of that day\r\n"},
      {"the data folder's log only", true, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder backup;
    backupOf(backup);
    if (c.backupLog) backup.write("Change.Log", std::string(c.backupLog) + kOwnLine);
    const auto count = test::sweepFaults(
        {[&](const TempFolder& folder) {
           currentData(folder);
           if (!c.currentLog) std::remove((folder / "Change.Log").c_str());
         },
         [&](store::FileTable& t) { restoreFiles(t, backup.str(), vm::test::kAuthor); }, true,
         [](const FolderFiles& now, const FolderFiles& before, const FolderFiles& after) {
           EXPECT_EQ(now.at("Verdimark.lock"), "4242");
           const std::string was = before.contains("Change.Log") ? before.at("Change.Log") : "";
           const std::string is = now.contains("Change.Log") ? now.at("Change.Log") : "";
           EXPECT_TRUE(is.starts_with(was)) << "the change log lost lines";
           EXPECT_TRUE(is == was || is == after.at("Change.Log"));
         }});
    EXPECT_GT(count.failedCalls, 40);
    EXPECT_GT(count.powerCuts, 40);
  }
}

// A restore into a folder without current data makes its files from nothing.
TEST(RestoreCopyFaults, ARestoreIntoAnEmptyFolderIsAllOrNothing) {
  TempFolder backup;
  backupOf(backup);
  test::sweepFaults({[](const TempFolder&) {},
                     [&](store::FileTable& t) { restoreFiles(t, backup.str(), vm::test::kAuthor); },
                     true});
}
