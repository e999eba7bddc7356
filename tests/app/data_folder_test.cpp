#include "app/data_folder.h"

#include <gtest/gtest.h>

#include <QDir>

using vm::app::chooseDataFolder;

TEST(DataFolder, CommandLineThenEnvironmentThenProgramFolder) {
  EXPECT_EQ(chooseDataFolder({"verdimark", "--data-dir", "/srv/a"}, "/srv/env", "/opt/v"),
            "/srv/a");
  EXPECT_EQ(chooseDataFolder({"verdimark", "--data-dir=/srv/b"}, "/srv/env", "/opt/v"), "/srv/b");
  EXPECT_EQ(chooseDataFolder({"verdimark"}, "/srv/env", "/opt/v"), "/srv/env");
  EXPECT_EQ(chooseDataFolder({"verdimark"}, "", "/opt/v"), "/opt/v");
  EXPECT_EQ(chooseDataFolder({"verdimark", "--data-dir"}, "", "/opt/v"), "/opt/v");
  EXPECT_EQ(chooseDataFolder({"verdimark", "--data-dir", "rel"}, "", "/opt/v"),
            QDir::current().absoluteFilePath("rel"));
}
