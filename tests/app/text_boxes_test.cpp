// SPDX-License-Identifier: GPL-3.0-or-later
// Every text box of every window tells assistive technology whether it can be edited, and a
// locked box takes no text through the accessibility interface either.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "app/window_catalogue.h"

namespace vm::test {
namespace {

bool isLocked(QWidget* box) {
  if (auto* line = qobject_cast<QLineEdit*>(box)) return line->isReadOnly();
  if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) return plain->isReadOnly();
  return static_cast<QTextEdit*>(box)->isReadOnly();
}

QString textOf(QWidget* box) {
  if (auto* line = qobject_cast<QLineEdit*>(box)) return line->text();
  if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) return plain->toPlainText();
  return static_cast<QTextEdit*>(box)->toPlainText();
}

TEST(TextBoxes, ReportWhetherTheyCanBeEditedAndLockedOnesRefuseText) {
  int locked = 0;
  int open = 0;
  for (const WindowCase& wc : allWindows()) {
    OpenWindow w(wc.name);
    std::vector<QWidget*> boxes;
    for (QWidget* b : w.reachable<QLineEdit>()) boxes.push_back(b);
    for (QWidget* b : w.reachable<QPlainTextEdit>()) boxes.push_back(b);
    for (QWidget* b : w.reachable<QTextEdit>()) boxes.push_back(b);
    for (QWidget* box : boxes) {
      SCOPED_TRACE(wc.name + ": " + box->objectName().toStdString());
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
      ASSERT_NE(a, nullptr);
      const QAccessible::State state = a->state();
      EXPECT_EQ(state.readOnly, isLocked(box));
      EXPECT_EQ(state.editable, !isLocked(box));
      if (!isLocked(box)) {
        ++open;
        continue;
      }
      ++locked;
      const QString before = textOf(box);
      a->setText(QAccessible::Value, QStringLiteral("changed"));
      if (QAccessibleEditableTextInterface* edit = a->editableTextInterface()) {
        edit->insertText(0, QStringLiteral("changed"));
        edit->replaceText(0, 1, QStringLiteral("changed"));
        edit->deleteText(0, 1);
      }
      EXPECT_EQ(textOf(box), before);
    }
  }
  EXPECT_GE(locked, 10);  // the read-only editors, the overview, the help text, the user log
  EXPECT_GE(open, 10);
}

// A box that can be edited takes text from assistive technology as from the keyboard.
TEST(TextBoxes, AnOpenBoxTakesTextFromAssistiveTechnology) {
  OpenWindow w("course editor, adding");
  auto* code = w.control<QLineEdit>("txtField1");
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(code);
  a->setText(QAccessible::Value, QStringLiteral("SAF-01"));
  a->editableTextInterface()->insertText(6, QStringLiteral("X"));
  EXPECT_EQ(code->text(), "SAF-01X");
  EXPECT_EQ(a->textInterface()->text(0, 3), "SAF");
  EXPECT_EQ(a->text(QAccessible::Name), "*Course Code");

  auto* comments = w.control<QPlainTextEdit>("txtField5");
  QAccessibleInterface* c = QAccessible::queryAccessibleInterface(comments);
  c->editableTextInterface()->insertText(0, QStringLiteral("Two\nlines"));
  c->editableTextInterface()->replaceText(0, 3, QStringLiteral("Three"));
  EXPECT_EQ(comments->toPlainText(), "Three\nlines");
  EXPECT_EQ(c->textInterface()->text(0, 11), "Three\nlines");
  EXPECT_EQ(c->textInterface()->characterCount(), 11);
  EXPECT_EQ(c->text(QAccessible::Name), "Comments");
}

// A password box reads out as many "*" as it holds, never the password.
TEST(TextBoxes, APasswordBoxGivesOutNoPassword) {
  OpenWindow w("admin window, password entry");
  auto* box = w.control<QLineEdit>("txtPassword");
  box->setText("demo1234");
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
  EXPECT_EQ(a->text(QAccessible::Value), "********");
  EXPECT_EQ(a->textInterface()->text(0, 8), "********");
  EXPECT_TRUE(a->state().passwordEdit);
}

}  // namespace
}  // namespace vm::test
