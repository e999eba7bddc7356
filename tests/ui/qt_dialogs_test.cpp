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
  const struct {
    const char* click;  // a button's caption, or none for the Esc key
    Answer expected;
  } cases[] = {{"Save as PDF...", Answer::Other}, {"Yes", Answer::Yes}, {nullptr, Answer::No}};
  for (const auto& c : cases) {
    const Answer answer = answerRealBox(box, [&c](QMessageBox* mb) {
      ASSERT_EQ(mb->buttons().size(), 3);
      if (c.click) {
        ASSERT_NE(buttonCaptioned(mb, c.click), nullptr);
        buttonCaptioned(mb, c.click)->click();
      } else {
        QTest::keyClick(mb, Qt::Key_Escape);
      }
    });
    EXPECT_EQ(answer, c.expected) << (c.click ? c.click : "Esc");
  }
}

}  // namespace
}  // namespace vm::ui
