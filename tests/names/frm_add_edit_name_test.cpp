// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "format/automation_date.h"
#include "names/name_tab_fixture.h"
#include "support/expect_fatal.h"
#include "ui/button/pellam_button.h"

using vm::test::NameBytes;
using vm::ui::Answer;

namespace {

// The clock of the tests: 8 December 2026, 10:30:00.
const double kNow = vm::format::toAutomationDate({2026, 12, 8, 10, 30, 0});
const double kSecond = 1.0 / 86400;

class NameEditorTest : public vm::test::NameTabFixture {
 protected:
  void start(std::initializer_list<NameBytes> records) {
    write(records);
    tab->UpdateNameGrid();
    lobby.setActivated();
    for (const char* b : {"cmdAddName", "cmdEditName"}) button(b)->show();
  }

  vm::ui::PellamButton* button(const char* name) {
    return lobby.findChild<vm::ui::PellamButton*>(name);
  }
  std::string file() { return app.folder.read("Name.List"); }

  // Runs the editor opened by `opener`, handing it to `drive` while it is shown.
  void open(const char* opener, std::function<void(QWidget*)> drive) {
    app.dialogs.onModal("frmAddEditName", std::move(drive));
    button(opener)->click();
  }
};

QLineEdit* field(QWidget* w, int i) {
  return w->findChild<QLineEdit*>(QStringLiteral("txtField%1").arg(i));
}
QPlainTextEdit* comments(QWidget* w) { return w->findChild<QPlainTextEdit*>("txtField6"); }
QPushButton* save(QWidget* w) { return w->findChild<QPushButton*>("cmdSave"); }
QPushButton* cancel(QWidget* w) { return w->findChild<QPushButton*>("cmdCancel"); }
QRadioButton* status(QWidget* w, int i) {
  return w->findChild<QRadioButton*>(QStringLiteral("optStatus%1").arg(i));
}
QLabel* label(QWidget* w, const char* name) { return w->findChild<QLabel*>(name); }

std::string padded(const std::string& s, std::size_t width) {
  std::string out = s;
  out.resize(width, ' ');
  return out;
}

}  // namespace

TEST_F(NameEditorTest, AddingAPersonWritesTheRecordAndHighlightsIt) {
  start({{38000.5, "Zed", "", "Young", "", "", "", -1},
         {38001.5, "Amy", "", "Zane", "", "", "", -1}});
  open("cmdAddName", [&](QWidget* w) {
    EXPECT_EQ(w->windowTitle(), "Verdimark - Add a Name");
    EXPECT_EQ(save(w)->text(), "New Entry\n&Save");
    EXPECT_EQ(cancel(w)->text(), "New Entry\n&Cancel");
    EXPECT_TRUE(status(w, 1)->isChecked());
    EXPECT_FALSE(label(w, "lblDateCreated")->isVisible());
    EXPECT_FALSE(save(w)->isVisible());
    QTest::keyClicks(field(w, 1), "  Ann ");
    EXPECT_FALSE(save(w)->isVisible());  // the last name is still missing
    QTest::keyClicks(field(w, 3), "Brown");
    EXPECT_TRUE(save(w)->isVisible());
    QTest::keyClicks(field(w, 4), "Operations");
    QTest::keyClicks(field(w, 5), "E-17");
    QTest::keyClicks(comments(w), "First aid trained");
    save(w)->click();
  });

  const std::string bytes = file();
  ASSERT_EQ(bytes.size(), 3000u);
  EXPECT_EQ(NameBytes::dateCreatedOf(bytes, 3), kNow);
  EXPECT_EQ(NameBytes::field(bytes, 3, 8, 15), padded("Ann", 15));
  EXPECT_EQ(NameBytes::field(bytes, 3, 23, 15), padded("", 15));
  EXPECT_EQ(NameBytes::field(bytes, 3, 38, 20), padded("Brown", 20));
  EXPECT_EQ(NameBytes::field(bytes, 3, 58, 30), padded("Operations", 30));
  EXPECT_EQ(NameBytes::field(bytes, 3, 88, 20), padded("E-17", 20));
  EXPECT_EQ(NameBytes::field(bytes, 3, 108, 890), padded("First aid trained", 890));
  EXPECT_EQ(NameBytes::activeOf(bytes, 3), -1);
  EXPECT_EQ(bytes.substr(0, 2000),
            vm::test::nameList({{38000.5, "Zed", "", "Young", "", "", "", -1},
                                {38001.5, "Amy", "", "Zane", "", "", "", -1}}));

  EXPECT_EQ(grid()->rows(), 3);
  EXPECT_EQ(grid()->text(1, 0), "Ann Brown");
  EXPECT_EQ(grid()->currentRow(), 1);
  EXPECT_EQ(grid()->topRow(), 1);
  EXPECT_EQ(lobby.refreshes(), 1);
}

TEST_F(NameEditorTest, PersonsSavedWithinOneSecondGetDistinctStamps) {
  start({{kNow, "Old", "", "Stamp", "", "", "", -1}});
  for (const char* last : {"One", "Two"}) {
    open("cmdAddName", [&](QWidget* w) {
      QTest::keyClicks(field(w, 1), "Pat");
      QTest::keyClicks(field(w, 3), last);
      save(w)->click();
    });
  }
  const std::string bytes = file();
  EXPECT_EQ(NameBytes::dateCreatedOf(bytes, 2),
            vm::format::toAutomationDate({2026, 12, 8, 10, 30, 1}));
  EXPECT_EQ(NameBytes::dateCreatedOf(bytes, 3),
            vm::format::toAutomationDate({2026, 12, 8, 10, 30, 2}));
  EXPECT_NEAR(NameBytes::dateCreatedOf(bytes, 3) - kNow, 2 * kSecond, 1e-9);
}

TEST_F(NameEditorTest, EditingKeepsTheStampAndRecordNumberAndHighlightsThePerson) {
  start({{38000.5, "Bob", "", "Lee", "Ops", "7", "line one\r\nline two", -1},
         {38001.25, "Ann", "Q", "Lee", "Lab", "", "", -1},
         {38002.5, "Cy", "", "Ames", "", "", "", -1}});
  grid()->selectRow(2);  // Ames, Lee Bob, Lee Q Ann: Bob is record 1
  open("cmdEditName", [&](QWidget* w) {
    EXPECT_EQ(w->windowTitle(), "Verdimark - View/Edit this Name");
    EXPECT_EQ(field(w, 1)->text(), "Bob");
    EXPECT_EQ(field(w, 4)->text(), "Ops");
    EXPECT_EQ(comments(w)->toPlainText(), "line one\nline two");
    EXPECT_EQ(label(w, "lblDateCreated")->text(), " Record Created 01/14/2004 12:00pm ");
    EXPECT_TRUE(label(w, "lblDateCreated")->isVisible());
    EXPECT_EQ(cancel(w)->text(), "Viewing\n&Finished");
    EXPECT_FALSE(save(w)->isVisible());
    EXPECT_EQ(save(w)->text(), "Changes\n&Save");
    field(w, 1)->selectAll();
    QTest::keyClicks(field(w, 1), "Robert");
    EXPECT_TRUE(save(w)->isVisible());
    EXPECT_EQ(cancel(w)->text(), "Changes\n&Cancel");
    field(w, 3)->clear();
    EXPECT_FALSE(save(w)->isEnabled());  // a mandatory field is empty
    QTest::keyClicks(field(w, 3), "Zimmer");
    EXPECT_TRUE(save(w)->isEnabled());
    save(w)->click();
  });
  const std::string bytes = file();
  ASSERT_EQ(bytes.size(), 3000u);
  EXPECT_EQ(NameBytes::dateCreatedOf(bytes, 1), 38000.5);
  EXPECT_EQ(NameBytes::field(bytes, 1, 8, 15), padded("Robert", 15));
  EXPECT_EQ(NameBytes::field(bytes, 1, 38, 20), padded("Zimmer", 20));
  EXPECT_EQ(NameBytes::field(bytes, 1, 108, 890), padded("line one\r\nline two", 890));
  EXPECT_EQ(bytes.substr(1000),
            vm::test::nameList({{38001.25, "Ann", "Q", "Lee", "Lab", "", "", -1},
                                {38002.5, "Cy", "", "Ames", "", "", "", -1}}));
  EXPECT_EQ(grid()->text(grid()->currentRow(), 0), "Robert Zimmer");
  EXPECT_EQ(grid()->currentRow(), 3);
}

TEST_F(NameEditorTest, DecliningAStatusChangePutsItBackAndWritesNothing) {
  start({{38000.5, "Bob", "", "Lee", "", "", "", -1}, {38001.5, "Ann", "", "Lee", "", "", "", 0}});
  const std::string before = file();
  grid()->selectRow(1);
  bool stillOpen = false;
  open("cmdEditName", [&](QWidget* w) {
    status(w, 2)->click();
    EXPECT_TRUE(save(w)->isVisible());
    app.dialogs.answer(Answer::No);
    save(w)->click();
    const auto box = app.dialogs.lastMessage();
    EXPECT_EQ(box.title, "Verify Status Change");
    EXPECT_EQ(box.text,
              "The active/inactive status for\nthis person has been changed.\n\n"
              "Do you now want to list this person\nas inactive?");
    EXPECT_EQ(box.icon, vm::ui::MessageIcon::Question);
    EXPECT_EQ(box.buttons, vm::ui::MessageButtons::YesNo);
    EXPECT_TRUE(status(w, 1)->isChecked());
    stillOpen = w->isVisible();
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(file(), before);
}

TEST_F(NameEditorTest, MakingTheLastActivePersonInactiveSwitchesTheList) {
  start({{38000.5, "Bob", "", "Lee", "", "", "", -1}, {38001.5, "Ann", "", "Lee", "", "", "", 0}});
  open("cmdEditName", [&](QWidget* w) {
    status(w, 2)->click();
    EXPECT_TRUE(status(w, 2)->font().bold());
    EXPECT_EQ(status(w, 2)->font().pointSize(), 11);
    EXPECT_EQ(status(w, 1)->font().pointSize(), 8);
    EXPECT_EQ(status(w, 2)->palette().color(QPalette::WindowText), QColor(0, 0, 64));
    EXPECT_EQ(status(w, 1)->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    app.dialogs.answer(Answer::Yes);
    save(w)->click();
  });
  EXPECT_EQ(NameBytes::activeOf(file(), 1), 0);
  EXPECT_EQ(lobby.findChild<QRadioButton*>("optDisplay2")->isChecked(), true);
  EXPECT_EQ(grid()->rows(), 2);
}

TEST_F(NameEditorTest, ReadOnlyUsersOnlyLook) {
  app.state.CurrentAccessLevel = 1;
  start({{38000.5, "Bob", "", "Lee", "", "", "", -1}});
  const std::string before = file();
  open("cmdEditName", [&](QWidget* w) {
    EXPECT_EQ(w->windowTitle(), "Verdimark - View this person's details");
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(field(w, i)->isReadOnly()) << i;
    EXPECT_TRUE(comments(w)->isReadOnly());
    EXPECT_TRUE(status(w, 1)->isEnabled());
    EXPECT_FALSE(status(w, 2)->isEnabled());
    EXPECT_FALSE(save(w)->isVisible());
    EXPECT_EQ(cancel(w)->text(), "Viewing\n&Finished");
    cancel(w)->click();
  });
  EXPECT_EQ(file(), before);
  EXPECT_EQ(lobby.refreshes(), 0);
}

TEST_F(NameEditorTest, TheCommentsGaugeAndLimit) {
  start({{38000.5, "Bob", "", "Lee", "", "", "", -1}});
  open("cmdAddName", [&](QWidget* w) {
    QLabel* gauge = label(w, "lblSpaceFull");
    QTest::keyClicks(comments(w), "x");
    EXPECT_TRUE(gauge->isVisible());
    EXPECT_EQ(gauge->text(), " 1% full ");
    comments(w)->setPlainText(QString(445, 'a'));
    EXPECT_EQ(gauge->text(), " 50% full ");
    comments(w)->clear();
    EXPECT_FALSE(gauge->isVisible());
    // A line break takes two places of the stored width.
    comments(w)->setPlainText(QString(443, 'a') + "\n");
    EXPECT_EQ(gauge->text(), " 50% full ");
    comments(w)->setPlainText(QString(900, 'b'));
    EXPECT_EQ(comments(w)->toPlainText().size(), 890);
    EXPECT_EQ(gauge->text(), " 100% full ");
    EXPECT_EQ(field(w, 1)->maxLength(), 15);
    EXPECT_EQ(field(w, 3)->maxLength(), 20);
    EXPECT_EQ(field(w, 4)->maxLength(), 30);
    cancel(w)->click();
  });
}

TEST_F(NameEditorTest, AFullNameListRefusesAnotherPersonAndWritesNothing) {
  start({{38000.5, "Bob", "", "Lee", "", "", "", -1}});
  std::string full = file();
  full.resize(32767 * 1000, ' ');
  app.folder.write("Name.List", full);
  open("cmdAddName", [&](QWidget* w) {
    QTest::keyClicks(field(w, 1), "One");
    QTest::keyClicks(field(w, 3), "Toomany");
    app.dialogs.answer(Answer::Ok);
    save(w)->click();
    const auto box = app.dialogs.lastMessage();
    EXPECT_EQ(box.title, "Name List Full");
    EXPECT_EQ(box.icon, vm::ui::MessageIcon::Critical);
    EXPECT_TRUE(w->isVisible());
    cancel(w)->click();
  });
  EXPECT_EQ(app.folder.read("Name.List").size(), 32767u * 1000u);
  EXPECT_EQ(lobby.refreshes(), 0);
}

TEST_F(NameEditorTest, ADiskThatFillsUpDuringASaveLeavesNoPartOfThePerson) {
  start({{38000.5, "Bob", "", "Lee", "", "", "", -1}});
  const std::string before = file();
  const vm::test::ExpectFatal fatal;
  open("cmdAddName", [&](QWidget* w) {
    QTest::keyClicks(field(w, 1), "Ann");
    QTest::keyClicks(field(w, 3), "Brown");
    // The journal is written first; then the disk fills after 500 of the person's 1,000 bytes.
    app.fileSystem.cutWrite(2, 500);
    QTest::mouseClick(save(w), Qt::LeftButton);
    app.fileSystem.clearFaults();
    cancel(w)->click();
  });
  ASSERT_EQ(fatal.failures().size(), 1);
  EXPECT_EQ(
      fatal.failures()[0].toStdString(),
      "Cannot write \"" + (app.folder / "Name.List").string() + "\": No space left on device");
  EXPECT_EQ(file(), before);                   // no half person to round up into a whole one
  EXPECT_FALSE(app.folder.has("Change.Log"));  // and no line for a person who is not there
}

TEST_F(NameEditorTest, FieldsLightUpWhileTheyHaveTheFocus) {
  start({{38000.5, "Bob", "", "Lee", "", "", "", -1}});
  open("cmdEditName", [&](QWidget* w) {
    w->activateWindow();
    field(w, 2)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(field(w, 2)->palette().color(QPalette::Base), QColor(255, 192, 255));
    EXPECT_EQ(field(w, 1)->palette().color(QPalette::Base), QColor(0, 255, 255));
    cancel(w)->click();
  });
}
