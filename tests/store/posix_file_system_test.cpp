// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/posix_file_system.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "store/store_error.h"
#include "support/temp_folder.h"

using namespace vm::store;

TEST(PosixFileSystem, FailuresNameTheFileAndTheSystemsReason) {
  vm::test::TempFolder folder;
  folder.write("Name.List", std::string(10, 'x'));
  PosixFileSystem fs;
  const std::string path = (folder / "Name.List").string();
  const auto h = fs.open(path, FileSystem::Mode::Read);
  try {
    fs.write(h, 0, std::string("y"));
    FAIL() << "a file opened for reading was written";
  } catch (const StoreError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot write \"" + path + "\": Bad file descriptor");
  }
  fs.close(h);
}

TEST(PosixFileSystem, CutsFilesBackAndFlushesFilesAndFolders) {
  vm::test::TempFolder folder;
  PosixFileSystem fs;
  const auto h = fs.open((folder / "Course.Index").string(), FileSystem::Mode::ReadWrite);
  fs.write(h, 0, std::string(900, 'c'));
  fs.truncate(h, 600);
  fs.sync(h);
  EXPECT_EQ(fs.size(h), 600u);
  fs.close(h);
  fs.syncFolder(folder.str());
  EXPECT_THROW(fs.syncFolder((folder / "none").string()), StoreError);
}

// A file-size limit would end the program with SIGXFSZ before anything could be said; the
// write fails instead, as on a full disk. Tried in a child process, whose limit is its own.
TEST(PosixFileSystem, AFileSizeLimitIsAFailureToWriteNotAKill) {
  vm::test::TempFolder folder;
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    PosixFileSystem fs;
    const rlimit limit{1000, 1000};
    setrlimit(RLIMIT_FSIZE, &limit);
    const auto h = fs.open((folder / "Training.Records").string(), FileSystem::Mode::ReadWrite);
    try {
      fs.write(h, 900, std::string(300, 't'));
    } catch (const StoreError& e) {
      _exit(e.systemText() == "File too large" ? 0 : 2);
    }
    _exit(3);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
}
