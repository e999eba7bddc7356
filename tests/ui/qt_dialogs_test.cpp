// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace vm::ui {
namespace {

// Shows the real box and, once it is up, lets `act` press one of its buttons or keys.
Answer answerRealBox(const Message& box, const std::function<void(QMessageBox*)>& act) {
  QTimer::singleShot(0, [act] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* mb = qobject_cast<QMessageBox*>(w); mb && mb->isVisible()) {
        act(mb);
        if (mb->isVisible()) mb->reject();  // what act did went unheard: no answer, no hang
      }
  });
  QtDialogs dialogs;
  return dialogs.message(nullptr, box);
}

QPushButton* buttonCaptioned(QMessageBox* box, const QString& caption) {
  for (QAbstractButton* b : box->buttons())
    if (b->text().remove('&') == caption) return qobject_cast<QPushButton*>(b);
  return nullptr;
}

TEST(QtDialogs, AFurtherButtonBesideYesAndNoAnswersOther) {
  Message box = makeMessage("Print the Name List?", "Are you ready to print?", MessageIcon::None,
                            MessageButtons::YesNo);
  box.otherButton = "Save as &PDF...";
  // A button's caption is clicked; otherwise the keys are pressed, or the button's action is
  // done as assistive technology does it.
  const struct {
    const char* click;
    QKeyCombination key;
    const char* pressedByAssistiveTechnology;
    Answer expected;
  } cases[] = {
      {"Save as PDF...", {}, nullptr, Answer::Other},
      {"Yes", {}, nullptr, Answer::Yes},
      {nullptr, Qt::Key_Escape, nullptr, Answer::No},
      {nullptr, Qt::Key_Return, nullptr, Answer::Yes},  // the default button
      {nullptr, {}, "Save as PDF...", Answer::Other},
  };
  for (const auto& c : cases) {
    const Answer answer = answerRealBox(box, [&c](QMessageBox* mb) {
      ASSERT_EQ(mb->buttons().size(), 3);
      if (c.click) {
        ASSERT_NE(buttonCaptioned(mb, c.click), nullptr);
        buttonCaptioned(mb, c.click)->click();
      } else if (c.pressedByAssistiveTechnology) {
        QPushButton* b = buttonCaptioned(mb, c.pressedByAssistiveTechnology);
        ASSERT_NE(b, nullptr);
        QAccessible::queryAccessibleInterface(b)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        // The toolkit shows the press before it clicks, which closes the box.
        EXPECT_TRUE(QTest::qWaitFor([mb] { return !mb->isVisible(); }, 5000));
      } else {
        QTest::keyClick(mb, c.key.key(), c.key.keyboardModifiers());
      }
    });
    EXPECT_EQ(answer, c.expected) << "case " << &c - cases;
  }
}

}  // namespace
}  // namespace vm::ui
