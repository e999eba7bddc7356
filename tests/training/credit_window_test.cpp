// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>

#include "courses/course_files.h"
#include "names/name_bytes.h"
#include "support/test_app.h"
#include "training/frm_credit_training.h"
#include "ui/button/pellam_button.h"
#include "ui/open_modal.h"

using namespace vm;
using ui::Answer;
using ui::PellamButton;

namespace {

constexpr double kCourse = 45000.25;

// The window as a person sees it while it is open.
struct Credit {
  QWidget* window;

  QListWidget* list(const char* name) const { return window->findChild<QListWidget*>(name); }
  QLineEdit* date() const { return window->findChild<QLineEdit*>("txtDate"); }
  PellamButton* save() const { return window->findChild<PellamButton*>("cmdSave"); }
  QStringList texts(const char* name) const {
    QStringList out;
    for (int i = 0; i < list(name)->count(); ++i) out << list(name)->item(i)->text();
    return out;
  }
  // Clicks a name of the list, with Ctrl held when `add`.
  void pick(const QString& name, bool add = false) const {
    QListWidget* names = list("listNames");
    const auto found = names->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(names->viewport(), Qt::LeftButton, add ? Qt::ControlModifier : Qt::NoModifier,
                      names->visualItemRect(found[0]).center());
  }
};

struct CreditWindowTest : ::testing::Test {
  test::TestApp app;
  test::TempFolder& folder = app.folder;
  test::ScriptedDialogs& dialogs = app.dialogs;
  ui::AppState& state = app.state;

  void SetUp() override {
    state.CurrentAccessLevel = 3;
    folder.write("Course.Index",
                 test::courseFile({{kCourse, "FA-01", "First Aid", "Red Cross", 2.5f, ""}}));
    std::string names;
    for (auto [created, first] : {std::pair{41000.5, "bob"}, {41000.25, "Ann"}, {41000.75, "Cy"}}) {
      test::NameBytes n;
      n.dateCreated = created;
      n.first = first;
      names += n.bytes();
    }
    folder.write("Name.List", names);
  }

  // Opens the window on the course and the three persons; returns whether it credited.
  bool open(std::function<void(const Credit&)> drive) {
    dialogs.onModal("frmCreditTraining", [drive](QWidget* w) { drive(Credit{w}); });
    training::CreditChoice choice{"FA-01", "First Aid", "Red Cross",
                                  "2.5",   1,           {{"bob", 1}, {"Ann", 2}, {"Cy", 3}}};
    return ui::openModal(state, nullptr, new training::frmCreditTraining(state, choice));
  }
};

}  // namespace

TEST_F(CreditWindowTest, SaveIsOfferedForADateAndAChoiceAndCreditsInTheChosenOrder) {
  const bool saved = open([&](const Credit& c) {
    EXPECT_EQ(c.window->windowTitle(), "Verdimark - Credit Training to Person(s)");
    EXPECT_EQ(c.window->findChild<QLabel*>("lblCourseInfo")->text(),
              "\n  FA-01\n  First Aid\n  Red Cross\n  2.5 hours");
    EXPECT_EQ(c.texts("listNames"), (QStringList{"Ann", "bob", "Cy"}));
    EXPECT_TRUE(c.save()->isHidden());
    QTest::keyClicks(c.date(), "  ");
    c.pick("Cy");
    EXPECT_TRUE(c.save()->isHidden());  // blanks are no date
    QTest::keyClicks(c.date(), "02/30/2005");
    EXPECT_FALSE(c.save()->isHidden());
    c.pick("Cy", true);  // Ctrl-click takes the last one away again
    EXPECT_FALSE(c.save()->isEnabled());
    c.pick("Ann", true);
    c.pick("Cy", true);
    EXPECT_EQ(c.texts("listSelected"), (QStringList{"Ann", "Cy"}));
    EXPECT_TRUE(c.save()->isEnabled());

    dialogs.answer(Answer::Ok);
    QTest::mouseClick(c.save(), Qt::LeftButton);
    EXPECT_EQ(dialogs.lastMessage().title, "Check the date entry");
    EXPECT_EQ(dialogs.lastMessage().text, "I don't understand\nthe date entry.");
    EXPECT_FALSE(folder.has("Training.Records"));
    EXPECT_EQ(c.date()->selectedText(), "  02/30/20");  // the box holds 10 characters

    c.date()->setText("3/15/2004");
    QTest::keyClicks(c.window->findChild<QPlainTextEdit*>("txtComments"), "Drill");
    QTest::mouseClick(c.save(), Qt::LeftButton);
  });
  EXPECT_TRUE(saved);
  const std::string file = folder.read("Training.Records");
  ASSERT_EQ(file.size(), 600u);
  EXPECT_EQ(test::getDouble(test::recordOf(file, 1), 8), 41000.25);  // Ann, then Cy
  EXPECT_EQ(test::getDouble(test::recordOf(file, 2), 8), 41000.75);
  EXPECT_EQ(test::getDouble(file, 0), 38061);  // 15 March 2004
  EXPECT_EQ(test::recordOf(file, 2).substr(116, 6), "Drill ");
  EXPECT_EQ(test::getDouble(test::recordOf(file, 2), 16), kCourse);  // the course credited
}

TEST_F(CreditWindowTest, AFailedWriteCreditsNoOneAndTheWindowStaysOpen) {
  folder.write("Training.Records", std::string(300, 'x'));
  bool stayedOpen = false;
  dialogs.answer(Answer::Ok);
  EXPECT_FALSE(open([&](const Credit& c) {
    c.date()->setText("3/15/2004");
    c.pick("Ann");
    c.pick("bob", true);
    app.fileSystem.cutWrite(1, 257);  // the disk takes part of the records, then fails
    QTest::mouseClick(c.save(), Qt::LeftButton);
    stayedOpen = c.window->isVisible();
  }));
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(folder.read("Training.Records"), std::string(300, 'x'));
  const auto box = dialogs.lastMessage();
  EXPECT_EQ(box.title, "Training Not Credited");
  EXPECT_EQ(box.text.section('\n', 0, 0), "The training records could not be written:");
  EXPECT_TRUE(box.text.endsWith("\n\nNo one has been credited with this training."));
}
