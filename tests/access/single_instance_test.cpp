// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/single_instance.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFileInfo>
#include <QString>
#include <filesystem>

#include "access/folder_holder_texts.h"
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

TEST(SingleInstance, ALockThatCannotBeWrittenToIsTakenOverAllTheSameWhenItsCopyIsGone) {
  vm::test::TempFolder a;
  const QString folder = QString::fromStdString(a.str());
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    QLockFile lock(SingleInstance::lockPathFor(folder));
    _exit(lock.tryLock(0) ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  // As a lock made by another account is to this one.
  std::filesystem::permissions(SingleInstance::lockPathFor(folder).toStdString(),
                               std::filesystem::perms::owner_read);
  const SingleInstance taken(folder);
  EXPECT_TRUE(taken.acquired());
  EXPECT_EQ(SingleInstance::lockOwner(folder), SingleInstance::thisCopy());
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

TEST(SingleInstance, OnlyACopyOfTheSameAccountOnTheSameComputerIsTerminated) {
  const LockOwner here{"office-7", 100, 1000};
  struct Case {
    LockOwner lock;
    bool same;
  };
  for (const Case& c : {Case{{"office-7", 42, 1000}, true}, Case{{"", 42, 1000}, true},
                        Case{{"office-7", 42, 1001}, false}, Case{{"office-9", 42, 1000}, false}})
    EXPECT_EQ(sameUserHere(c.lock, here), c.same) << c.lock.computer.toStdString();
}

TEST(SingleInstance, TheLockNamesItsHolderUntilItEnds) {
  vm::test::TempFolder a;
  const QString folder = QString::fromStdString(a.str());
  LockOwner held;
  {
    const SingleInstance first(folder);
    ASSERT_TRUE(first.acquired());
    held = *SingleInstance::lockOwner(folder);
    EXPECT_EQ(held, SingleInstance::thisCopy());
    EXPECT_TRUE(SingleInstance::stillHeldBy(folder, held));
  }
  EXPECT_FALSE(SingleInstance::lockOwner(folder).has_value());
  EXPECT_FALSE(SingleInstance::stillHeldBy(folder, held));
}

TEST(SingleInstance, TheHolderIsNamedWithOpenReadOnlyOrClose) {
  const vm::store::FolderHolder h{"Dana Demo", "dana", "office-7", "2026-12-08 10:30"};
  vm::test::ScriptedDialogs dialogs;
  dialogs.answer(vm::ui::Answer::Other);
  EXPECT_EQ(dialogs.message(nullptr, folderInUseMessage(h)), vm::ui::Answer::Other);
  EXPECT_TRUE(vm::test::isBox(
      dialogs.lastMessage(), {"Data Folder in Use",
                              "The Verdimark data folder is in use by Dana Demo\non office-7 since "
                              "2026-12-08 10:30.\n\nOpen it read-only to look records up and print "
                              "lists\n(nothing can be changed), or close.",
                              vm::ui::MessageIcon::Exclamation, vm::ui::MessageButtons::Close}));
  EXPECT_EQ(dialogs.lastMessage().otherButton, "Open Read-Only");
  EXPECT_EQ(readOnlyStatus(h), "Read-only: in use by Dana Demo on office-7");
  EXPECT_EQ(readOnlyStatus({"", "dana", "office-7", ""}), "Read-only: in use by dana on office-7");
}
