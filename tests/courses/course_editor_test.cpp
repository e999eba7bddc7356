// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>

#include "courses/course_tab_fixture.h"
#include "format/automation_date.h"
#include "ui/button/pellam_button.h"
#include "ui/field_colours.h"

using vm::test::CourseBytes;
using vm::test::TrainingBytes;
using vm::ui::Answer;
using vm::ui::MessageIcon;
using vm::ui::PellamButton;

namespace {

const std::vector<CourseBytes> kCourses = {
    {45000.25, "FA-01", "First Aid", "Red Cross", 2.5f, "Line one\r\nLine two"},
    {45000.5, "CPR", "Resuscitation", "", 4.0f, ""},
    {45001.75, "FA-01", "First Aid, the other one", "", 3.0f, ""},
};

// Drives the course editor while it is open, as a person at the keyboard does.
struct Editor {
  QWidget* window;

  QLineEdit* box(int index) const {
    return window->findChild<QLineEdit*>(QStringLiteral("txtField%1").arg(index));
  }
  QPlainTextEdit* comments() const {
    return window->findChild<QPlainTextEdit*>(QStringLiteral("txtField5"));
  }
  PellamButton* button(const char* name) const { return window->findChild<PellamButton*>(name); }
  QLabel* label(const char* name) const { return window->findChild<QLabel*>(name); }
  void type(int index, const QString& text) const {
    box(index)->selectAll();
    QTest::keyClicks(box(index), text);
  }
  void click(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
  bool saveShown() const { return !button("cmdSave")->isHidden(); }
};

struct CourseEditorTest : vm::test::CourseTabFixture {
  // Opens the editor with the named button of the tab and drives it.
  void openEditor(const char* opener, std::function<void(const Editor&)> drive) {
    app.dialogs.onModal("frmAddEditCourse", [drive](QWidget* w) { drive(Editor{w}); });
    QTest::mouseClick(lobby->button<PellamButton>(opener), Qt::LeftButton);
  }
  void highlight(const QString& name) {
    for (int r = 1; r <= gridCourse().rows(); ++r)
      if (gridCourse().text(r, 1) == name) gridCourse().selectRow(r);
  }
  QString highlightedName() { return gridCourse().text(gridCourse().currentRow(), 1); }
};

}  // namespace

TEST_F(CourseEditorTest, AddingACourseAppendsItAndHighlightsItAtTheTop) {
  std::vector<CourseBytes> many = kCourses;
  for (int i = 1; i <= 30; ++i)
    many.push_back({46000.0 + i, "S" + std::to_string(100 + i), "Filler", "", 1.0f, ""});
  open(many, 3);
  const std::string before = courses();
  openEditor("cmdAddCourse", [](const Editor& e) {
    EXPECT_EQ(e.window->windowTitle(), "Verdimark - Add a Course");
    EXPECT_EQ(e.button("cmdSave")->caption(), "&Save\nNew Course");
    EXPECT_EQ(e.button("cmdCancel")->caption(), "&Cancel\nNew Course");
    EXPECT_EQ(e.label("lblField1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(e.label("lblField3")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(e.label("lblMandatory")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_FALSE(e.label("lblDateCreated")->isVisible());
    EXPECT_EQ(e.box(1)->maxLength(), 8);
    EXPECT_EQ(e.box(2)->maxLength(), 50);
    EXPECT_EQ(e.box(3)->maxLength(), 30);
    EXPECT_EQ(e.box(4)->maxLength(), 5);
    e.type(1, "S110A");
    e.type(2, "Safety category");
    EXPECT_FALSE(e.saveShown());
    e.type(4, "0");
    EXPECT_TRUE(e.saveShown());
    e.type(4, " ");
    EXPECT_TRUE(e.saveShown());
    EXPECT_FALSE(e.button("cmdSave")->isEnabled());
    e.type(4, "0");
    e.click("cmdSave");
  });
  const double stamp = vm::format::toAutomationDate({2026, 12, 8, 10, 30, 0});
  EXPECT_EQ(courses(),
            before + vm::test::courseRecord({stamp, "S110A", "Safety category", "", 0.0f, ""}));
  EXPECT_EQ(gridCourse().rows(), 34);
  EXPECT_EQ(highlightedName(), "Safety category");
  EXPECT_EQ(gridCourse().text(gridCourse().currentRow(), 3), "");  // a heading
  EXPECT_EQ(gridCourse().currentRow(), 14);  // after CPR, the two FA-01 and S101 to S110
  EXPECT_EQ(gridCourse().topRow(), 14);
}

TEST_F(CourseEditorTest, TheFirstCourseOfAnEmptyIndexIsListed) {
  open({}, 3);
  openEditor("cmdAddCourse", [](const Editor& e) {
    e.type(1, " lead");
    e.type(2, "Leading blank kept");
    e.type(4, "1e2");  // numeric: 100
    e.click("cmdSave");
  });
  const std::string file = courses();
  ASSERT_EQ(file.size(), 300u);
  EXPECT_EQ(file.substr(8, 8), " lead   ");
  EXPECT_EQ(vm::test::getSingle(file, 96), 100.0f);
  EXPECT_FALSE(gridCourse().isHidden());
  EXPECT_EQ(gridCourse().text(1, 3), "100.0");
  EXPECT_TRUE(lobby->button("cmdEditCourse")->isVisible());
}

TEST_F(CourseEditorTest, HoursThatAreNoNumberOrTooLargeAreRefusedAndNothingIsWritten) {
  open(kCourses, 3);
  const std::string before = courses();
  for (const char* answer : {"abc", "9e99", "$Killed$"}) {
    const bool code = std::string(answer) == "$Killed$";
    app.dialogs.answer(Answer::Ok);
    openEditor("cmdAddCourse", [&](const Editor& e) {
      e.type(1, code ? "$Killed$" : "X-1");
      e.type(2, "Refused");
      e.type(4, code ? "2" : answer);
      e.click("cmdSave");
      EXPECT_TRUE(e.window->isVisible());  // stays open with the entries
      EXPECT_EQ(e.window->focusWidget(), e.box(code ? 1 : 4));
      e.click("cmdCancel");
    });
    const auto box = app.dialogs.lastMessage();
    EXPECT_EQ(box.title, "Entry Error");
    EXPECT_EQ(box.icon, MessageIcon::Critical);
    EXPECT_EQ(box.buttons, vm::ui::MessageButtons::Ok);
    if (std::string(answer) == "abc") {
      EXPECT_EQ(box.text, "There must be some value\nin the 'Hours' field.");
    } else if (std::string(answer) == "9e99") {
      EXPECT_EQ(box.text, "The value in the 'Hours' field\nis too large to be kept.");
    }
    EXPECT_EQ(courses(), before);
  }
}

TEST_F(CourseEditorTest, TheCommentsGaugeCountsStoredCharactersUpToTheLimit) {
  open(kCourses, 3);
  openEditor("cmdAddCourse", [](const Editor& e) {
    QLabel* gauge = e.label("lblSpaceFull");
    EXPECT_TRUE(gauge->isHidden());
    QTest::keyClicks(e.comments(), "a");
    EXPECT_EQ(gauge->text(), " 1% full ");
    QTest::keyClick(e.comments(), Qt::Key_Return);  // stored as CR LF
    QTest::keyClicks(e.comments(), QString(97, 'b'));
    EXPECT_EQ(gauge->text(), " 50% full ");
    QTest::keyClicks(e.comments(), QString(150, 'c'));
    EXPECT_EQ(gauge->text(), " 100% full ");
    EXPECT_EQ(e.comments()->toPlainText().size(), 199);
    e.click("cmdCancel");
  });
}

TEST_F(CourseEditorTest, AFullIndexRefusesAnotherCourse) {
  app.folder.write("Course.Index", "");
  std::filesystem::resize_file(app.folder / "Course.Index", 32767u * 300u);
  open({}, 3);
  app.dialogs.answer(Answer::Ok);
  openEditor("cmdAddCourse", [](const Editor& e) {
    e.type(1, "MORE");
    e.type(2, "One too many");
    e.type(4, "1");
    e.click("cmdSave");
    e.click("cmdCancel");
  });
  EXPECT_EQ(app.dialogs.lastMessage().title, "Course Index Full");
  EXPECT_EQ(app.dialogs.lastMessage().icon, MessageIcon::Critical);
  EXPECT_EQ(std::filesystem::file_size(app.folder / "Course.Index"), 32767u * 300u);
}

TEST_F(CourseEditorTest, ViewingOnlyLocksTheBoxesAndOffersNoSave) {
  open(kCourses, 1);
  highlight("Resuscitation");
  openEditor("cmdEditCourse", [](const Editor& e) {
    EXPECT_EQ(e.window->windowTitle(), "Verdimark - View the details of this course");
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(e.box(i)->isReadOnly()) << i;
    EXPECT_TRUE(e.comments()->isReadOnly());
    EXPECT_EQ(e.button("cmdCancel")->caption(), "&Finished\nViewing");
    EXPECT_FALSE(e.saveShown());
    EXPECT_EQ(e.box(2)->text(), "Resuscitation");
    EXPECT_EQ(e.box(4)->text(), "4");
    QApplication::setActiveWindow(e.window);
    QTest::keyClick(e.window, Qt::Key_Escape);  // the cancel button's key
    EXPECT_FALSE(e.window->isVisible());
  });
  EXPECT_EQ(highlightedName(), "Resuscitation");
}

TEST_F(CourseEditorTest, EditingShowsTheCourseAndOffersSavingAtTheFirstChange) {
  open(kCourses, 2);
  highlight("First Aid");
  const int refreshes = lobby->refreshes();
  openEditor("cmdEditCourse", [](const Editor& e) {
    EXPECT_EQ(e.window->windowTitle(), "Verdimark - View/Edit this Course");
    EXPECT_EQ(e.box(1)->text(), "FA-01");
    EXPECT_EQ(e.box(3)->text(), "Red Cross");
    EXPECT_EQ(e.box(4)->text(), "2.5");
    EXPECT_EQ(e.comments()->toPlainText(), "Line one\nLine two");
    EXPECT_EQ(e.label("lblDateCreated")->text(), " Record Created 03/15/2023 06:00am ");
    EXPECT_TRUE(e.label("lblDateCreated")->isVisible());
    EXPECT_EQ(e.label("lblSpaceFull")->text(), " 9% full ");
    EXPECT_EQ(e.button("cmdHelp")->toolTip(),
              " Click here for important information about Course Codes ");
    EXPECT_FALSE(e.saveShown());
    EXPECT_EQ(e.button("cmdCancel")->caption(), "&Finished\nViewing");
    e.type(2, "First Aid");  // the same text again still counts as a change
    EXPECT_TRUE(e.saveShown());
    EXPECT_EQ(e.button("cmdSave")->caption(), "&Save\nChanges");
    EXPECT_EQ(e.button("cmdCancel")->caption(), "&Cancel\nChanges");
    e.click("cmdCancel");
  });
  EXPECT_EQ(lobby->refreshes(), refreshes);  // closed without saving: no rebuild
  EXPECT_EQ(highlightedName(), "First Aid");
  EXPECT_EQ(courses(), vm::test::courseFile(kCourses));
}

TEST_F(CourseEditorTest, TheBoxesLightUpInTheColourOfTheMode) {
  open(kCourses, 2);
  highlight("First Aid");
  openEditor("cmdEditCourse", [](const Editor& e) {
    QApplication::setActiveWindow(e.window);
    e.box(2)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(e.box(2)->palette().color(QPalette::Base), vm::ui::FieldColours::kEditMode);
    EXPECT_EQ(e.box(1)->palette().color(QPalette::Base), vm::ui::FieldColours::kLeft);
    e.click("cmdCancel");
  });
}

TEST_F(CourseEditorTest, DoubleClickingACourseOpensItAndHelpOpensOnCourseCodeConventions) {
  open(kCourses, 4);
  int helpTopic = 0;
  app.state.showHelp = [&](QWidget*) { helpTopic = app.state.HelpTopic; };
  app.dialogs.onModal("frmAddEditCourse", [](QWidget* w) {
    Editor e{w};
    EXPECT_EQ(e.box(2)->text(), "Resuscitation");
    e.click("cmdHelp");
    e.click("cmdCancel");
  });
  vm::ui::Grid& grid = gridCourse();
  QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                     grid.visualRect(grid.model()->index(0, 0)).center());  // CPR first
  EXPECT_EQ(helpTopic, 6);
}

namespace {

// 250 training records; every 21st from the 5th (12 in all) credits FA-01 (the first); others
// credit its namesake or CPR.
std::string trainingFile() {
  std::string bytes;
  for (int i = 1; i <= 250; ++i) {
    TrainingBytes t{40000.0 + i,
                    30000.0 + i % 9,
                    45001.75,
                    "FA-01",
                    "First Aid, the other one",
                    "",
                    3.0f,
                    "Comment " + std::to_string(i)};
    if (i % 21 == 5) {
      t = {40000.0 + i,
           30000.0 + i % 9,
           45000.25,
           "FA-01",
           "First Aid",
           "Red Cross",
           i == 26 ? 1.0f : 2.5f,
           "Own " + std::to_string(i)};
    } else if (i % 2 == 0) {
      t = {40000.0 + i, 30000.0 + i % 9, 45000.5, "CPR", "Resuscitation", "", 4.0f, ""};
    }
    bytes += vm::test::trainingRecord(t);
  }
  return bytes;
}

}  // namespace

TEST_F(CourseEditorTest, SavingAnEditCarriesItIntoTheCoursesOwnTrainingRecords) {
  open(kCourses, 2);
  const std::string training = trainingFile();
  app.folder.write("Training.Records", training);
  highlight("First Aid");
  app.dialogs.answer(Answer::Yes);
  app.dialogs.answer(Answer::Ok);
  openEditor("cmdEditCourse", [](const Editor& e) {
    e.type(2, "First Aid and AED");
    e.type(3, "St. John");
    e.type(4, "3.5");
    e.click("cmdSave");
  });

  const auto shown = app.dialogs.messages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].title, "Update individuals' training records appropriately?");
  EXPECT_EQ(shown[0].text,
            "Do you want to find and apply these changes\n"
            "to the existing individual training record(s)\n"
            "of any person(s) who have previously completed\n"
            "this particular training course?");
  EXPECT_EQ(shown[0].icon, MessageIcon::Question);
  EXPECT_EQ(shown[0].buttons, vm::ui::MessageButtons::YesNo);
  EXPECT_EQ(shown[0].defaultButton, Answer::No);
  EXPECT_EQ(shown[1].title, "Update results...");
  EXPECT_EQ(shown[1].text,
            "250 training records were reviewed.\n\n"
            "12 individual training records were found\n"
            "and updated with the latest changes.");
  EXPECT_EQ(shown[1].icon, MessageIcon::Information);

  std::string expected = training;
  for (int i = 5; i <= 250; i += 21) {
    std::string rec = vm::test::recordOf(training, i);
    vm::test::putText(rec, 32, "First Aid and AED", 50);
    vm::test::putText(rec, 82, "St. John", 30);
    vm::test::putSingle(rec, 112, 3.5f);
    expected.replace(static_cast<std::size_t>(i - 1) * 300, 300, rec);
  }
  EXPECT_EQ(app.folder.read("Training.Records"), expected);
  EXPECT_EQ(courses(), vm::test::courseFile({{45000.25, "FA-01", "First Aid and AED", "St. John",
                                              3.5f, "Line one\r\nLine two"},
                                             kCourses[1],
                                             kCourses[2]}));
  EXPECT_EQ(highlightedName(), "First Aid and AED");
}

TEST_F(CourseEditorTest, NoPropagationWhenDeclinedForAHeadingOrWithoutTrainingRecords) {
  open(kCourses, 2);
  const std::string training = trainingFile();

  // Declined: nothing changes in the training records, and no result is shown.
  app.folder.write("Training.Records", training);
  highlight("First Aid");
  app.dialogs.answer(Answer::No);
  openEditor("cmdEditCourse", [](const Editor& e) {
    e.type(2, "Renamed");
    e.click("cmdSave");
  });
  EXPECT_EQ(app.dialogs.messages().size(), 1u);

  // A course that becomes a heading is written but never carried over.
  highlight("Renamed");
  openEditor("cmdEditCourse", [](const Editor& e) {
    e.type(4, "0");
    e.click("cmdSave");
  });
  EXPECT_EQ(app.dialogs.messages().size(), 1u);
  EXPECT_EQ(app.folder.read("Training.Records"), training);
  EXPECT_EQ(vm::test::getSingle(courses(), 96), 0.0f);

  // Without Training.Records nobody is asked.
  std::filesystem::remove(app.folder / "Training.Records");
  highlight("Resuscitation");
  openEditor("cmdEditCourse", [](const Editor& e) {
    e.type(4, "5");
    e.click("cmdSave");
  });
  EXPECT_EQ(app.dialogs.messages().size(), 1u);
  EXPECT_FALSE(app.folder.has("Training.Records"));
}
