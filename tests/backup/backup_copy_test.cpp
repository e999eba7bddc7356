// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/backup/backup_copy.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

#include "data_sets.h"
#include "store/file_copy.h"
#include "store/work_stopped.h"
#include "support/fault_sweep.h"

using namespace vm;
using store::backUpFiles;
using test::FolderFiles;
using test::TempFolder;
using test::TestFileSystem;

namespace {

struct BackupCopyTest : ::testing::Test {
  TempFolder data;
  TempFolder target;
  TestFileSystem fs;

  std::optional<std::string> backUp() { return backUpFiles(fs, data.str(), target.str()); }
};

// The five data files as they stand in a folder, by name.
FolderFiles carried(const FolderFiles& files) {
  FolderFiles out;
  for (const store::CarriedFile& c : store::kCarriedFiles) {
    const auto it = files.find(std::string(c.name));
    if (it != files.end()) out.insert(*it);
  }
  return out;
}

}  // namespace

TEST_F(BackupCopyTest, ReplacesAnOlderBackupWholeAndWritesMissingFilesEmpty) {
  test::writeDataSet(target, 'o');
  target.write("notes.txt", "mine");
  target.write("Name.List.$$$", "left by an interrupted backup");
  test::writeDataSet(data, 'n');
  std::remove((data / "User.Log").c_str());  // no log-in recorded yet
  for (const char* own : {"Verdimark.lock", "Journal.$$$", "TempFile.$$$", "Verdimark.ini"})
    data.write(own, "of the running copy");
  std::vector<std::string> started;
  EXPECT_EQ(backUpFiles(fs, data.str(), target.str(),
                        [&](std::string_view name) {
                          if (started.empty() || started.back() != name) started.emplace_back(name);
                        }),
            std::nullopt);

  EXPECT_EQ(started,
            (std::vector<std::string>{"User.List", "User.Log", "Name.List", "Course.Index",
                                      "Training.Records", "Course.Renewal", "Change.Log"}));
  FolderFiles expected = carried(test::filesIn(data));
  expected["User.Log"] = "";
  expected["notes.txt"] = "mine";
  EXPECT_EQ(test::filesIn(target), expected);
}

TEST_F(BackupCopyTest, CopiesLargeFilesInBlocksByteForByte) {
  std::string big(9 * 1024 * 1024 + 123, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 % 251);
  data.write("Training.Records", big);
  EXPECT_EQ(backUp(), std::nullopt);
  EXPECT_EQ(target.read("Training.Records"), big);
}

// Esc during a copy, after its first block of the large file: the older backup stays whole.
TEST_F(BackupCopyTest, AStoppedCopyLeavesTheOlderBackupAsItWas) {
  test::writeDataSet(target, 'o');
  test::writeDataSet(data, 'n');
  data.write("Training.Records", std::string(3 * 1024 * 1024, 'x'));
  const FolderFiles before = test::filesIn(target);
  int told = 0;
  EXPECT_THROW(backUpFiles(fs, data.str(), target.str(),
                           [&](std::string_view name) {
                             if (name == "Training.Records" && ++told == 2)
                               throw store::WorkStopped();
                           }),
               store::WorkStopped);
  EXPECT_EQ(test::filesIn(target), before);
}

TEST_F(BackupCopyTest, FilesCarriedWhenPresentAreCopiedOrTheirOlderCopyRemoved) {
  const std::array<store::CarriedFile, 2> files = {
      {{"User.List", store::Carry::Always}, {"Renewal.List", store::Carry::WhenPresent}}};
  data.write("User.List", "users");
  target.write("Renewal.List", "of an older backup");
  EXPECT_EQ(backUpFiles(fs, data.str(), target.str(), {}, files), std::nullopt);
  EXPECT_EQ(test::filesIn(target), (FolderFiles{{"User.List", "users"}}));

  data.write("Renewal.List", "renewals");
  EXPECT_EQ(backUpFiles(fs, data.str(), target.str(), {}, files), std::nullopt);
  EXPECT_EQ(test::filesIn(target),
            (FolderFiles{{"User.List", "users"}, {"Renewal.List", "renewals"}}));
}

// The backup's own line ends its copy of the change log, which holds the line alone when the
// data folder has no log; the data folder's log is not touched.
TEST_F(BackupCopyTest, TheBackupsCopyOfTheChangeLogEndsWithItsLine) {
  const std::string line = "12/08/2026 10:30:00\tDana Demo\tdata backed up\t/b\tUser.List\r\n";
  const struct {
    std::optional<std::string> log;
    std::string line;
    std::optional<std::string> copy;
  } cases[] = {
      {"a\r\nb\r\n", line, "a\r\nb\r\n" + line},
      {std::nullopt, line, line},
      {"a\r\n", "", "a\r\n"},
      {std::nullopt, "", std::nullopt},
  };
  test::writeDataSet(data, 'n');
  for (const auto& c : cases) {
    SCOPED_TRACE(c.log.value_or("no log") + c.line);
    std::remove((data / "Change.Log").c_str());
    if (c.log) data.write("Change.Log", *c.log);
    EXPECT_EQ(backUpFiles(fs, data.str(), target.str(), {}, store::kCarriedFiles, c.line),
              std::nullopt);
    const auto logIn = [](const TempFolder& f) {
      return f.has("Change.Log") ? std::optional(f.read("Change.Log")) : std::nullopt;
    };
    EXPECT_EQ(logIn(target), c.copy);
    EXPECT_EQ(logIn(data), c.log);
  }
}

// Wherever a backup stops (a failed call, a write cut short, the power failing), the data
// folder is untouched; a backup folder that holds "User.List" holds one whole backup, the
// older or the new one; nothing is left but the files of either and staged copies; and the
// next backup into the folder ends exactly as an undisturbed one.
TEST(BackupCopyFaults, ABackupFolderIsNeverHalfOldAndHalfNew) {
  const std::string line = "12/08/2026 10:30:00\tDana Demo\tdata backed up\t/b\tUser.List\r\n";
  const auto backUpFiles = [&](TestFileSystem& fs, const std::string& from, const std::string& to) {
    return store::backUpFiles(fs, from, to, {}, store::kCarriedFiles, line);
  };
  const auto setUp = [](const TempFolder& data, const TempFolder& target) {
    test::writeDataSet(data, 'n');
    data.write("Change.Log", "a line of today\r\n");
    test::writeDataSet(target, 'o');
    target.write("notes.txt", "mine");
  };
  FolderFiles dataFiles;
  FolderFiles before;
  FolderFiles after;
  {
    TempFolder data, target;
    setUp(data, target);
    TestFileSystem fs;
    dataFiles = test::filesIn(data);
    before = test::filesIn(target);
    ASSERT_EQ(backUpFiles(fs, data.str(), target.str()), std::nullopt);
    after = test::filesIn(target);
  }
  std::set<std::string> allowed;
  for (const auto& files : {before, after})
    for (const auto& [name, bytes] : files) allowed.insert(name);
  for (const store::CarriedFile& c : store::kCarriedFiles)
    allowed.insert(store::stagedName(c.name));

  enum class Kind { Fail, Cut, Power };
  const struct {
    Kind kind;
    std::size_t bytes;
    const char* name;
  } faults[] = {{Kind::Fail, 0, "failed call"},
                {Kind::Cut, 1, "write cut after 1 byte"},
                {Kind::Cut, 257, "write cut after 257 bytes"},
                {Kind::Power, 0, "power cut"}};
  for (const auto& fault : faults) {
    int k = 1;
    for (;; ++k) {
      SCOPED_TRACE(std::string(fault.name) + " at " + std::to_string(k));
      TempFolder data, target;
      setUp(data, target);
      TestFileSystem fs;
      if (fault.kind == Kind::Fail) fs.failCall(k);
      if (fault.kind == Kind::Cut) fs.cutWrite(k, fault.bytes);
      if (fault.kind == Kind::Power) fs.powerCutAt(k);
      try {
        backUpFiles(fs, data.str(), target.str());
      } catch (const test::PowerCut&) {
      }
      if (!fs.faultReached()) break;
      fs.clearFaults();

      EXPECT_EQ(test::filesIn(data), dataFiles);
      const FolderFiles now = test::filesIn(target);
      for (const auto& [name, bytes] : now) EXPECT_TRUE(allowed.contains(name)) << name;
      if (now.contains("User.List")) {
        const FolderFiles set = carried(now);
        EXPECT_TRUE(set == carried(before) || set == carried(after))
            << "a backup of two moments is left in the folder";
      }
      EXPECT_EQ(backUpFiles(fs, data.str(), target.str()), std::nullopt);
      EXPECT_EQ(test::filesIn(target), after);
    }
    EXPECT_GT(k, fault.kind == Kind::Cut ? 5 : 20) << fault.name << " met too few steps";
  }

  // Once it has said so, the backup is on the disk.
  TempFolder data, target;
  setUp(data, target);
  TestFileSystem fs;
  fs.trackFlushes();
  ASSERT_EQ(backUpFiles(fs, data.str(), target.str()), std::nullopt);
  fs.powerCut();
  EXPECT_EQ(test::filesIn(target), after);
}
