#include "access/single_instance.h"

#include <gtest/gtest.h>

#include <QString>

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

TEST(SingleInstance, TheRefusalSaysTerminating) {
  vm::test::ScriptedDialogs dialogs;
  dialogs.answer(vm::ui::Answer::Ok);
  showAlreadyRunning(dialogs);
  const auto box = dialogs.lastMessage();
  EXPECT_EQ(box.title, "Terminating...");
  EXPECT_EQ(box.text, "Verdimark is already loaded\nand running on your computer!");
  EXPECT_EQ(box.icon, vm::ui::MessageIcon::Critical);
  EXPECT_EQ(box.buttons, vm::ui::MessageButtons::Ok);
}
