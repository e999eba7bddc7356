// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QString>

#include "support/scripted_dialogs.h"
#include "ui/dialogs.h"

namespace vm::test {

// A message box as the user must see it: its title, text, icon and buttons.
struct BoxSeen {
  QString title;
  QString text;
  ui::MessageIcon icon = ui::MessageIcon::None;
  ui::MessageButtons buttons = ui::MessageButtons::Ok;
};

// Whether the box shown was that one, word for word; says what differs when it was not.
//   EXPECT_TRUE(test::isBox(app.dialogs.lastMessage(), {"Title", "Text", MessageIcon::Critical}));
inline ::testing::AssertionResult isBox(const ScriptedDialogs::Shown& shown,
                                        const BoxSeen& expected) {
  ::testing::AssertionResult result = ::testing::AssertionSuccess();
  const auto differs = [&result](const char* what, const QString& seen, const QString& wanted) {
    if (result) result = ::testing::AssertionFailure();
    result << what << " is \"" << seen.toStdString() << "\", not \"" << wanted.toStdString()
           << "\"; ";
  };
  if (shown.title != expected.title) differs("the title", shown.title, expected.title);
  if (shown.text != expected.text) differs("the text", shown.text, expected.text);
  if (shown.icon != expected.icon)
    differs("the icon", QString::number(static_cast<int>(shown.icon)),
            QString::number(static_cast<int>(expected.icon)));
  if (shown.buttons != expected.buttons)
    differs("the buttons", QString::number(static_cast<int>(shown.buttons)),
            QString::number(static_cast<int>(expected.buttons)));
  return result;
}

}  // namespace vm::test
