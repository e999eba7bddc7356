// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/backup_location.h"

#include <gtest/gtest.h>

#include "backup/same_folder.h"
#include "support/temp_folder.h"

using namespace vm::backup;

TEST(BackupLocation, OnlyAFolderWithFilesButNoBackupAsksForCaution) {
  struct Case {
    std::vector<std::string> names;
    bool backup;
    bool caution;
  };
  const Case cases[] = {
      {{}, false, false},
      {{".hidden", ".directory"}, false, false},
      {{"User.List"}, true, false},
      {{"User.List", "notes.txt"}, true, false},
      {{"Name.List", "Training.Records"}, false, true},
      {{"notes.txt"}, false, true},
      {{"user.list"}, false, true},  // another file where letter case counts
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.names));
    EXPECT_EQ(holdsBackup(c.names), c.backup);
    EXPECT_EQ(holdsUnrelatedFiles(c.names), c.caution);
  }
  EXPECT_EQ(withTrailingSeparator("/media/usb"), "/media/usb/");
  EXPECT_EQ(withTrailingSeparator("/"), "/");
}

TEST(SameFolder, IsTheFoldersIdentityHoweverItIsWritten) {
  vm::test::TempFolder root;
  const auto data = root / "data";
  std::filesystem::create_directories(data / "sub");
  std::filesystem::create_directories(root / "other");
  std::filesystem::create_directory_symlink(data, root / "link");
  const std::string d = data.string();
  EXPECT_TRUE(sameFolder(d, d));
  EXPECT_TRUE(sameFolder(d + "/", d));
  EXPECT_TRUE(sameFolder(d + "/sub/..", d));
  EXPECT_TRUE(sameFolder((root / "link").string(), d));
  EXPECT_TRUE(sameFolder((root / "." / "link" / "").string(), d));
  EXPECT_FALSE(sameFolder((root / "other").string(), d));
  EXPECT_FALSE(sameFolder((data / "sub").string(), d));
  EXPECT_FALSE(sameFolder((root / "gone").string(), d));
  EXPECT_FALSE(sameFolder("", d));
}
