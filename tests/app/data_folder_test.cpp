// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/data_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/restart.h"
#include "support/temp_folder.h"

using vm::app::chooseDataFolder;
using vm::app::DataFolderPlaces;

namespace {

const DataFolderPlaces kBuildTree{"/home/ann/verdimark/build", true, false, "/home/ann/.data/V"};

QString fromStd(const vm::test::TempFolder& folder, const std::string& name = {}) {
  return QString::fromStdString((folder / name).string());
}

}  // namespace

TEST(DataFolder, CommandLineThenEnvironmentWin) {
  EXPECT_EQ(chooseDataFolder({"verdimark", "--data-dir", "/srv/a"}, "/srv/env", kBuildTree),
            "/srv/a");
  EXPECT_EQ(chooseDataFolder({"verdimark", "--data-dir=/srv/b"}, "/srv/env", kBuildTree), "/srv/b");
  EXPECT_EQ(chooseDataFolder({"verdimark"}, "/srv/env", kBuildTree), "/srv/env");
  EXPECT_EQ(chooseDataFolder({"verdimark", "--data-dir"}, "", kBuildTree),
            kBuildTree.programFolder);
  EXPECT_EQ(chooseDataFolder({"verdimark", "--data-dir", "rel"}, "", kBuildTree),
            QDir::current().absoluteFilePath("rel"));

  const DataFolderPlaces installed{"/usr/bin", false, true, "/home/ann/.data/V"};
  EXPECT_EQ(chooseDataFolder({"verdimark", "--data-dir", "/srv/a"}, "", installed), "/srv/a");
  EXPECT_EQ(chooseDataFolder({"verdimark"}, "/srv/env", installed), "/srv/env");
}

TEST(DataFolder, DefaultIsTheProgramsFolderOnlyWhereItCanKeepData) {
  EXPECT_EQ(chooseDataFolder({"verdimark"}, "", kBuildTree), kBuildTree.programFolder);

  // Installed under a system prefix, for an ordinary user.
  EXPECT_EQ(chooseDataFolder({"verdimark"}, "", {"/usr/bin", false, true, "/home/ann/.data/V"}),
            "/home/ann/.data/V");
  // A copy in a read-only folder that nobody installed.
  EXPECT_EQ(chooseDataFolder({"verdimark"}, "", {"/mnt/cd", false, false, "/home/ann/.data/V"}),
            "/home/ann/.data/V");
  // Installed, but the bin folder is writable: run by root, or installed under a home prefix.
  EXPECT_EQ(chooseDataFolder({"verdimark"}, "", {"/usr/bin", true, true, "/root/.data/V"}),
            "/root/.data/V");
  EXPECT_EQ(chooseDataFolder({"verdimark"}, "",
                             {"/home/ann/.local/bin", true, true, "/home/ann/.data/V"}),
            "/home/ann/.data/V");
  // Without a per-user folder the program's folder is tried, and its failure reported.
  EXPECT_EQ(chooseDataFolder({"verdimark"}, "", {"/usr/bin", false, true, ""}), "/usr/bin");
}

TEST(DataFolder, AnInstalledCopyIsKnownByItsDesktopEntryBesideItsBinFolder) {
  const vm::test::TempFolder prefix;
  std::filesystem::create_directories(prefix / "bin");
  std::filesystem::create_directories(prefix / "share/applications");
  const QString bin = fromStd(prefix, "bin");

  DataFolderPlaces places = vm::app::findDataFolderPlaces(bin, "org.example.Program");
  EXPECT_EQ(places.programFolder, bin);
  EXPECT_TRUE(places.programFolderWritable);
  EXPECT_FALSE(places.installedCopy);
  EXPECT_FALSE(places.perUserFolder.isEmpty());

  prefix.write("share/applications/org.example.Other.desktop", "[Desktop Entry]\n");
  EXPECT_FALSE(vm::app::findDataFolderPlaces(bin, "org.example.Program").installedCopy);
  prefix.write("share/applications/org.example.Program.desktop", "[Desktop Entry]\n");
  EXPECT_TRUE(vm::app::findDataFolderPlaces(bin, "org.example.Program").installedCopy);
}

TEST(DataFolder, MakesAMissingFolderAndLeavesAnExistingOneAsItIs) {
  const vm::test::TempFolder home;
  const QString perUser = fromStd(home, "share/Verdimark/Verdimark");
  ASSERT_TRUE(vm::app::makeDataFolder(perUser, true));
  EXPECT_TRUE(QDir(perUser).exists());
  EXPECT_EQ(QFile::permissions(perUser) &
                (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::ExeOther),
            QFile::Permissions());
  EXPECT_TRUE(QFile::permissions(perUser).testFlags(QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ExeOwner));

  const QString shared = fromStd(home, "shared");
  ASSERT_TRUE(vm::app::makeDataFolder(shared, false));
  QFile::setPermissions(shared, QFile::Permissions(0x7755));
  ASSERT_TRUE(vm::app::makeDataFolder(shared, true));
  EXPECT_TRUE(QFile::permissions(shared).testFlag(QFile::ReadOther));

  home.write("file", "x");
  EXPECT_FALSE(vm::app::makeDataFolder(fromStd(home, "file/data"), true));
}

TEST(DataFolder, AStartAgainKeepsTheArgumentsButTheServerNamed) {
  using vm::app::restartArguments;
  const struct {
    QStringList arguments;
    QString conninfo;
    QStringList expected;
  } cases[] = {
      {{"verdimark", "--data-dir", "/srv/a"},
       "host=db1",
       {"--data-dir", "/srv/a", "--server", "host=db1"}},
      {{"verdimark", "--server", "host=old", "-style", "fusion"}, "", {"-style", "fusion"}},
      {{"verdimark", "--server=host=old"}, "host=new", {"--server", "host=new"}},
      {{"verdimark", "--server"}, "", {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(restartArguments(c.arguments, c.conninfo), c.expected)
        << c.arguments.join(' ').toStdString();
  EXPECT_EQ(vm::app::optionValue({"verdimark", "--server", "a=1", "--server=b=2"}, "--server"),
            "b=2");
}
