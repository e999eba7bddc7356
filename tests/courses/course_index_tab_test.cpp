// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include "courses/course_rows.h"
#include "courses/course_tab_fixture.h"
#include "ui/button/pellam_button.h"

using vm::test::CourseBytes;
using vm::ui::Answer;
using vm::ui::MessageIcon;
using vm::ui::PellamButton;

namespace {

// Courses as another program wrote them: codes in mixed case, headings with 0 and negative hours,
// singles such as 2.5 and 0.5, and a code used twice.
const std::vector<CourseBytes> kMixed = {
    {45000.25, "abc-1", "Alpha course", "Red Cross", 2.5f, ""},
    {45000.5, "P1*-T001", "Tornado Preparedness", "County", 1.5f, ""},
    {45001, "ABC-0", "Category: ABC", "", 0.0f, ""},
    {45002, "p1*", "Category: weather", "", -1.0f, ""},
    {45003, "Z-9", "Last course", "Tornado Alley Inc.", 0.5f, ""},
    {45004, "dup", "First twin", "", 40.0f, ""},
    {45005, "DUP", "Second twin", "", 8.0f, ""},
};

struct CourseIndexTabTest : vm::test::CourseTabFixture {
  PellamButton* button(const char* name) { return lobby->button<PellamButton>(name); }
  void click(const char* name) {
    PellamButton* b = button(name);
    ASSERT_TRUE(b->isVisible() && b->isEnabled()) << name;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  // What the person sees: the four visible columns of every row, in order.
  std::vector<std::string> shown() {
    std::vector<std::string> out;
    for (int r = 1; r <= gridCourse().rows(); ++r) {
      QStringList cells;
      for (int c = 0; c < 4; ++c) cells << gridCourse().text(r, c);
      out.push_back(cells.join('|').toStdString());
    }
    return out;
  }
  int highlighted() { return gridCourse().currentRow(); }
  QString highlightedCode() { return gridCourse().text(highlighted(), 0); }
  // Runs a find (or "Find Next...") with a scripted answer to the find box.
  void find(const QString& text) {
    app.dialogs.answerInput(text);
    click("cmdSearch");
  }
  bool inFindMode() { return button("cmdQuitSearching")->isVisible(); }
};

}  // namespace

TEST_F(CourseIndexTabTest, ListsCoursesByCodeIgnoringCaseWithHeadingsAndHiddenWorkingColumns) {
  open(kMixed);
  vm::ui::Grid& grid = gridCourse();
  EXPECT_EQ(grid.headerText(0), "Course Code");
  EXPECT_EQ(grid.headerText(3), "Hours");
  EXPECT_EQ(shown(), (std::vector<std::string>{
                         "ABC-0|Category: ABC||",
                         "abc-1|Alpha course|Red Cross|2.5",
                         "dup|First twin||40.0",
                         "DUP|Second twin||8.0",
                         "p1*|Category: weather||",
                         "P1*-T001|Tornado Preparedness|County|1.5",
                         "Z-9|Last course|Tornado Alley Inc.|.5",
                     }));
  EXPECT_EQ(grid.text(2, 5), "1");  // RecNum
  EXPECT_EQ(vm::courses::courseIdValue(grid.text(2, 4).toStdString()), 45000.25);
  EXPECT_TRUE(grid.isColumnHidden(4));
  EXPECT_TRUE(grid.isColumnHidden(5));
  EXPECT_GE(grid.columnViewportPosition(3) + grid.columnWidth(3), grid.viewport()->width() - 1);
  const auto alignment = [&](int column) {
    return grid.model()->index(0, column).data(Qt::TextAlignmentRole).toInt() &
           Qt::AlignHorizontal_Mask;
  };
  EXPECT_EQ(alignment(0), Qt::AlignLeft);
  EXPECT_EQ(alignment(3), Qt::AlignRight);
  for (int r = 1; r <= grid.rows(); ++r)
    for (int c = 0; c < 4; ++c)
      EXPECT_EQ(grid.cellBackground(r, c) == vm::ui::Grid::kShade, r % 2 == 0) << r << "," << c;
  EXPECT_EQ(highlighted(), 1);
  EXPECT_EQ(grid.topRow(), 1);
  EXPECT_TRUE(button("cmdSearch")->isVisible());
}

TEST_F(CourseIndexTabTest, AnEmptyIndexLeavesTheGridHiddenAndTheCourseCommandsAway) {
  open({});
  EXPECT_TRUE(gridCourse().isHidden());
  for (const char* name : {"cmdSearch", "cmdCreditTraining", "cmdEditCourse", "cmdDeleteCourse",
                           "cmdPrintCourseIndex"})
    EXPECT_FALSE(button(name)->isVisible()) << name;
  EXPECT_TRUE(button("cmdAddCourse")->isVisible());
}

TEST_F(CourseIndexTabTest, OneCourseIsListedButCannotBeSearched) {
  open({kMixed[0]});
  EXPECT_FALSE(gridCourse().isHidden());
  EXPECT_FALSE(button("cmdSearch")->isVisible());
  EXPECT_TRUE(button("cmdEditCourse")->isVisible());
}

TEST_F(CourseIndexTabTest, OnlyCoursesWithHoursCanBeCreditedAndOnlyByUsersWhoMayAdd) {
  for (int level : {1, 2, 3, 4}) {
    open(kMixed, level);
    gridCourse().selectRow(1);  // ABC-0, a heading
    EXPECT_FALSE(button("cmdCreditTraining")->isEnabled());
    gridCourse().selectRow(6);  // P1*-T001, 1.5 hours
    EXPECT_EQ(button("cmdCreditTraining")->isEnabled(), level >= 3) << level;
    gridCourse().selectRow(5);  // negative hours
    EXPECT_FALSE(button("cmdCreditTraining")->isEnabled());
  }
}

TEST_F(CourseIndexTabTest, CreditingOpensOnACourseNeverOnAHeading) {
  open(kMixed, 4);
  gridCourse().selectRow(1);  // a heading, whatever the state of the button
  emit button("cmdCreditTraining")->Click();
  EXPECT_TRUE(app.dialogs.shown().empty());
  gridCourse().selectRow(6);
  QString course;
  app.dialogs.onModal("frmCreditTraining",
                      [&](QWidget* w) { course = w->findChild<QLabel*>("lblCourseInfo")->text(); });
  click("cmdCreditTraining");
  EXPECT_EQ(course, "\n  P1*-T001\n  Tornado Preparedness\n  County\n  1.5 hours");
}

TEST_F(CourseIndexTabTest, FindAsksForTextAndSearchesCodeAndNameJoinedBySpace) {
  open(kMixed);
  find("T001");
  const auto box = app.dialogs.shown().back();
  EXPECT_EQ(box.title, "Find Course(s)");
  EXPECT_EQ(box.text,
            "Which course are you looking for?\n\n(Enter any word or sequence of characters,\n"
            "whole or partial, you wish to search for)");
  EXPECT_EQ(box.defaultAnswer, "");
  EXPECT_EQ(highlightedCode(), "P1*-T001");

  click("cmdQuitSearching");
  gridCourse().selectRow(1);
  find("1 tor");  // the last digit of the code, a space, the name's start
  EXPECT_EQ(app.dialogs.shown().back().defaultAnswer, "T001");
  EXPECT_EQ(highlightedCode(), "P1*-T001");
}

TEST_F(CourseIndexTabTest, FindNextWalksThroughTheMatchesAndWrapsToTheFirstRow) {
  open(kMixed);
  gridCourse().selectRow(3);
  find("twin");
  EXPECT_EQ(highlighted(), 4);
  EXPECT_EQ(button("cmdSearch")->caption(), "Find Next...");
  EXPECT_EQ(button("cmdSearch")->toolTip(), " Looking for 'twin' ");
  click("cmdSearch");
  EXPECT_EQ(highlighted(), 3);  // past the last row, on from row 1
  click("cmdSearch");
  EXPECT_EQ(highlighted(), 4);
  EXPECT_TRUE(app.dialogs.messages().empty());
}

TEST_F(CourseIndexTabTest, AFindThatMatchesOnlyTheHighlightedRowStaysThere) {
  open(kMixed);
  gridCourse().selectRow(7);
  find("last course");
  EXPECT_EQ(highlighted(), 7);
  EXPECT_TRUE(inFindMode());
  EXPECT_TRUE(app.dialogs.messages().empty());
}

TEST_F(CourseIndexTabTest, FindModeLeavesOnlyTheFindAndStopsEverythingElse) {
  open(kMixed);
  const QString caption = button("cmdSearch")->caption();
  const int searchWidth = button("cmdSearch")->width();
  find("course");
  EXPECT_TRUE(inFindMode());
  EXPECT_TRUE(lobby->flashing());
  EXPECT_FALSE(lobby->tabMain()->isTabEnabled(2));
  EXPECT_LT(button("cmdSearch")->width(), searchWidth);
  for (const char* name : {"cmdAdminWindow", "cmdCreditTraining", "cmdAddCourse", "cmdEditCourse",
                           "cmdDeleteCourse", "cmdPrintCourseIndex"})
    EXPECT_FALSE(button(name)->isVisible()) << name;

  // Double-clicking a course does nothing while finding.
  QTest::mouseDClick(gridCourse().viewport(), Qt::LeftButton, {},
                     gridCourse().visualRect(gridCourse().model()->index(0, 0)).center());
  EXPECT_TRUE(app.dialogs.shown().size() == 1);  // the find box only

  click("cmdQuitSearching");
  EXPECT_FALSE(inFindMode());
  EXPECT_FALSE(lobby->flashing());
  EXPECT_EQ(button("cmdSearch")->caption(), caption);
  EXPECT_EQ(button("cmdSearch")->toolTip(), "");
  QApplication::processEvents();
  EXPECT_EQ(button("cmdSearch")->width(), searchWidth);
  for (const char* name : {"cmdAdminWindow", "cmdCreditTraining", "cmdAddCourse", "cmdEditCourse",
                           "cmdDeleteCourse", "cmdPrintCourseIndex"})
    EXPECT_TRUE(button(name)->isVisible()) << name;
}

TEST_F(CourseIndexTabTest, TextOnlyInProvidedByIsNotFound) {
  open(kMixed);
  gridCourse().selectRow(2);
  app.dialogs.answer(Answer::Ok);
  find("Alley");
  const auto box = app.dialogs.lastMessage();
  EXPECT_EQ(box.title, "No match");
  EXPECT_EQ(box.text, "The text 'Alley'\ncould not be found in this 'Course Index'.");
  EXPECT_EQ(box.icon, MessageIcon::None);
  EXPECT_EQ(box.buttons, vm::ui::MessageButtons::Ok);
  EXPECT_EQ(highlighted(), 2);
  EXPECT_FALSE(inFindMode());
  EXPECT_FALSE(lobby->flashing());
  EXPECT_TRUE(button("cmdSearch")->isVisible());
  EXPECT_EQ(button("cmdSearch")->caption(), "Find and Highlight a Course...");
  EXPECT_TRUE(lobby->tabMain()->isTabEnabled(2) == app.folder.has("Training.Records"));
}

TEST_F(CourseIndexTabTest, CancellingTheFindBoxStartsNothingAndForgetsTheText) {
  open(kMixed);
  find("twin");
  click("cmdQuitSearching");
  find("");  // cancelled
  EXPECT_FALSE(inFindMode());
  EXPECT_EQ(tab->findText(), "");
  find("");
  EXPECT_EQ(app.dialogs.shown().back().defaultAnswer, "");
}

TEST_F(CourseIndexTabTest, AMatchOutOfViewBecomesTheTopRow) {
  std::vector<CourseBytes> many;
  for (int i = 1; i <= 60; ++i)
    many.push_back({45000.0 + i, QString("C%1").arg(i, 2, 10, QChar('0')).toStdString(),
                    i == 33 ? "Needle" : "Hay", "", 1.0f, ""});
  open(many);
  find("needle");
  EXPECT_EQ(highlighted(), 33);
  EXPECT_EQ(gridCourse().topRow(), 33);
}

TEST_F(CourseIndexTabTest, TheGridOffersToViewOrEditTheCourseUnderThePointer) {
  for (int level : {1, 2}) {
    open(kMixed, level);
    vm::ui::Grid& grid = gridCourse();
    QMouseEvent overRow(QEvent::MouseMove, grid.visualRect(grid.model()->index(1, 0)).center(),
                        grid.viewport()->mapToGlobal(QPoint()), Qt::NoButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &overRow);
    EXPECT_EQ(grid.toolTip(), level == 1 ? " Double-click to view this course "
                                         : " Double-click to view/edit this course ");
  }
}

TEST_F(CourseIndexTabTest, TheExportKeySavesTheFourShownColumnsWithHoursAsShown) {
  open({kMixed[0], kMixed[2], kMixed[4]}, 1);
  app.dialogs.answerSaveFile(app.dataFolder() + "/courses");
  gridCourse().setFocus();
  QTest::keyClick(&gridCourse(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_TRUE(app.dialogs.shown().back().defaultAnswer.endsWith("/Course Index 2026-12-08.csv"));
  EXPECT_EQ(app.folder.read("courses.csv"),
            "\xEF\xBB\xBF"
            "Course Code,Name of Course,Provided by,Hours\r\n"
            "ABC-0,Category: ABC,,\r\n"
            "abc-1,Alpha course,Red Cross,2.5\r\n"
            "Z-9,Last course,Tornado Alley Inc.,.5\r\n");
}
