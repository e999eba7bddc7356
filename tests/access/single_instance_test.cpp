// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/single_instance.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFileInfo>
#include <QString>

#include "support/expect_box.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

using namespace vm::access;

TEST(SingleInstance, ASecondCopyOnTheSameFolderIsRefusedUntilTheFirstEnds) {
  vm::test::TempFolder a;
  vm::test::TempFolder b;
  const QString folderA = QString::fromStdString(a.str());
  {
    const SingleInstance first(folderA);
    ASSERT_TRUE(first.acquired());
    EXPECT_FALSE(SingleInstance(folderA).acquired());
    EXPECT_TRUE(SingleInstance(QString::fromStdString(b.str())).acquired());
  }
  EXPECT_TRUE(SingleInstance(folderA).acquired());
}

TEST(SingleInstance, TheLockLivesInTheDataFolderSoEveryAccountSharesIt) {
  vm::test::TempFolder a;
  const QString folder = QString::fromStdString(a.str());
  const SingleInstance first(folder);
  ASSERT_TRUE(first.acquired());
  EXPECT_TRUE(QFileInfo::exists(folder + "/Verdimark.lock"));
  const SingleInstance second(folder);
  EXPECT_FALSE(second.acquired());
  EXPECT_TRUE(second.heldByAnother());
}

TEST(SingleInstance, ALockLeftByACopyThatDiedIsTakenOver) {
  vm::test::TempFolder a;
  const QString folder = QString::fromStdString(a.str());
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    QLockFile lock(SingleInstance::lockPathFor(folder));
    _exit(lock.tryLock(0) ? 0 : 1);  // ends holding the lock, as a killed copy does
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  ASSERT_TRUE(QFileInfo::exists(SingleInstance::lockPathFor(folder)));
  EXPECT_TRUE(SingleInstance(folder).acquired());
}

TEST(SingleInstance, AFolderWhereNoLockCanBeMadeIsNotTakenForARunningCopy) {
  vm::test::TempFolder a;
  a.write("file", "x");
  const SingleInstance instance(QString::fromStdString((a / "file").string()));
  EXPECT_FALSE(instance.acquired());
  EXPECT_FALSE(instance.heldByAnother());
}

TEST(SingleInstance, TheRefusalSaysTerminating) {
  vm::test::ScriptedDialogs dialogs;
  dialogs.answer(vm::ui::Answer::Ok);
  showAlreadyRunning(dialogs);
  EXPECT_TRUE(vm::test::isBox(
      dialogs.lastMessage(),
      {"Terminating...", "Verdimark is already loaded\nand running on your computer!",
       vm::ui::MessageIcon::Critical}));
}
