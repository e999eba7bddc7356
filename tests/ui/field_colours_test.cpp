// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/field_colours.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/fill_gauge.h"

using vm::ui::FieldColours;

namespace {

QColor base(QWidget* w) { return w->palette().color(QPalette::Base); }

}  // namespace

TEST(FieldColours, FocusedFieldsLightUpAndSelectTheirTextAndTurnCyanWhenLeft) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* a = new QLineEdit("Alice", &window);
  auto* b = new QLineEdit("Brown", &window);
  layout->addWidget(a);
  layout->addWidget(b);
  FieldColours colours(FieldColours::kEditMode, &window);
  colours.attach(a);
  colours.attach(b);
  EXPECT_EQ(base(a), FieldColours::kLeft);
  window.show();
  QApplication::setActiveWindow(&window);

  a->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(base(a), QColor(255, 192, 255));
  EXPECT_EQ(a->selectedText(), "Alice");

  b->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(base(a), QColor(0, 255, 255));
  EXPECT_EQ(base(b), QColor(255, 192, 255));
}

TEST(FieldColours, AReadOnlyViewLocksEveryFieldAndPassesTheFocusOn) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* name = new QLineEdit("Alice", &window);
  auto* comments = new QPlainTextEdit("Keys", &window);
  auto* cancel = new QPushButton("Finished", &window);
  layout->addWidget(name);
  layout->addWidget(comments);
  layout->addWidget(cancel);
  FieldColours* colours = FieldColours::forEditor(false, &window);
  colours->attach(name);
  colours->attach(comments);
  colours->lockForViewing(cancel);
  EXPECT_TRUE(name->isReadOnly());
  EXPECT_TRUE(comments->isReadOnly());
  window.show();
  QApplication::setActiveWindow(&window);

  comments->setFocus();
  QApplication::processEvents();
  EXPECT_TRUE(cancel->hasFocus());
  EXPECT_EQ(base(comments), FieldColours::kLeft);
}

TEST(FillGauge, ShowsAtLeastOnePercentAndHidesWhenEmpty) {
  EXPECT_EQ(vm::ui::fillGaugeText(1, 439), " 1% full ");
  EXPECT_EQ(vm::ui::fillGaugeText(439, 439), " 100% full ");
  EXPECT_EQ(vm::ui::fillGaugeText(100, 200), " 50% full ");
  QLabel gauge;
  vm::ui::updateFillGauge(&gauge, 0, 200);
  EXPECT_TRUE(gauge.isHidden());
  vm::ui::updateFillGauge(&gauge, 3, 200);
  EXPECT_FALSE(gauge.isHidden());
  EXPECT_EQ(gauge.text(), " 2% full ");
}
