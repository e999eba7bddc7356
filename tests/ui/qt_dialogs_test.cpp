#include "ui/qt_dialogs.h"

#include <gtest/gtest.h>

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
      if (auto* mb = qobject_cast<QMessageBox*>(w); mb && mb->isVisible()) act(mb);
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
  box.otherButton = "Save as PDF...";
  const struct {
    const char* press;  // a button's caption, or empty for the Esc key
    Answer expected;
  } cases[] = {{"Save as PDF...", Answer::Other}, {"Yes", Answer::Yes}, {"", Answer::No}};
  for (const auto& c : cases) {
    const QString press = c.press;
    const Answer answer = answerRealBox(box, [press](QMessageBox* mb) {
      ASSERT_EQ(mb->buttons().size(), 3);
      if (press.isEmpty()) {
        QTest::keyClick(mb, Qt::Key_Escape);
      } else {
        ASSERT_NE(buttonCaptioned(mb, press), nullptr);
        buttonCaptioned(mb, press)->click();
      }
    });
    EXPECT_EQ(answer, c.expected) << c.press;
  }
}

}  // namespace
}  // namespace vm::ui
