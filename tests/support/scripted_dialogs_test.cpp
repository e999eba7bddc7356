// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_dialogs.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QDialog>

namespace vm::test {
namespace {

TEST(ScriptedDialogs, ScriptLeftUnusedFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        dialogs.answer(ui::Answer::Yes);
      },
      "1 scripted message box answer(s) never used");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        dialogs.answerInput("a");
        dialogs.answerInput("b");
      },
      "2 scripted input box answer(s) never used");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        dialogs.answerSaveFile("x.pdf");
      },
      "file name(s) never used");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        dialogs.onModal("frmNeverShown", [](QWidget*) {});
      },
      "the scripted window frmNeverShown never opened");
}

TEST(ScriptedDialogs, AScriptUsedUpEndsQuietly) {
  ScriptedDialogs dialogs;
  dialogs.answer(ui::Answer::No);
  EXPECT_EQ(dialogs.message(nullptr, ui::makeMessage("Sure?", "", ui::MessageIcon::Question,
                                                     ui::MessageButtons::YesNo)),
            ui::Answer::No);
  QDialog window;
  window.setObjectName("frmShown");
  bool driven = false;
  dialogs.onModal("frmShown", [&](QWidget*) { driven = true; });
  dialogs.runModal(&window);
  EXPECT_TRUE(driven);
}

}  // namespace
}  // namespace vm::test
