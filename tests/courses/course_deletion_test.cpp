// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTest>

#include "courses/course_tab_fixture.h"
#include "ui/button/pellam_button.h"

using vm::test::CourseBytes;
using vm::ui::Answer;
using vm::ui::MessageIcon;
using vm::ui::PellamButton;

namespace {

std::vector<CourseBytes> coursesCoded(int n) {
  std::vector<CourseBytes> out;
  for (int i = 1; i <= n; ++i) {
    const std::string code = "C" + std::string(i < 10 ? "0" : "") + std::to_string(i);
    out.push_back({45000.0 + i, code, "Course " + code, "", 1.0f, "Note " + code});
  }
  return out;
}

struct CourseDeletionTest : vm::test::CourseTabFixture {
  void deleteRow(int row, Answer confirm) {
    gridCourse().selectRow(row);
    app.dialogs.answer(confirm);
    if (confirm == Answer::Yes) app.dialogs.answer(Answer::Ok);
    QTest::mouseClick(lobby->button<PellamButton>("cmdDeleteCourse"), Qt::LeftButton);
  }
};

}  // namespace

TEST_F(CourseDeletionTest, AsksFirstAndChangesNothingOnNo) {
  open(coursesCoded(5));
  const std::string before = courses();
  deleteRow(3, Answer::No);
  const auto box = app.dialogs.lastMessage();
  EXPECT_EQ(box.title, "Confirm");
  EXPECT_EQ(box.text,
            "Are you SURE you want to remove\nCourse Code  C03\nfrom the 'Course Index'?");
  EXPECT_EQ(box.icon, MessageIcon::Question);
  EXPECT_EQ(box.buttons, vm::ui::MessageButtons::YesNo);
  EXPECT_EQ(box.defaultButton, Answer::No);
  EXPECT_EQ(courses(), before);
  EXPECT_EQ(gridCourse().currentRow(), 3);
}

TEST_F(CourseDeletionTest, RemovesTheHighlightedCourseAndHighlightsTheOneAbove) {
  const auto all = coursesCoded(60);
  open(all);
  deleteRow(20, Answer::Yes);

  auto kept = all;
  kept.erase(kept.begin() + 19);
  EXPECT_EQ(courses(), vm::test::courseFile(kept));  // the others byte for byte, in order
  EXPECT_EQ(gridCourse().rows(), 59);
  EXPECT_EQ(gridCourse().currentRow(), 19);
  EXPECT_EQ(gridCourse().topRow(), 19);
  const auto box = app.dialogs.lastMessage();
  EXPECT_EQ(box.title, "Course Removed");
  EXPECT_EQ(box.text, "The course has been removed\nfrom the 'Course Index'.");
  EXPECT_EQ(box.icon, MessageIcon::Information);
  EXPECT_FALSE(app.folder.has("TempFile.$$$"));

  deleteRow(1, Answer::Yes);
  EXPECT_EQ(gridCourse().currentRow(), 1);
  EXPECT_EQ(gridCourse().text(1, 0), "C02");
}

TEST_F(CourseDeletionTest, OfTwoCoursesWithOneCodeOnlyTheHighlightedOneGoes) {
  open({{45001, "TWIN", "Elder", "", 1.0f, ""}, {45002, "TWIN", "Younger", "", 2.0f, ""}});
  app.folder.write("Training.Records", vm::test::trainingRecord(
                                           {40000, 30000, 45002, "TWIN", "Younger", "", 2.0f, ""}));
  const std::string training = app.folder.read("Training.Records");
  deleteRow(2, Answer::Yes);
  EXPECT_EQ(courses(), vm::test::courseRecord({45001, "TWIN", "Elder", "", 1.0f, ""}));
  EXPECT_EQ(app.folder.read("Training.Records"), training);  // training keeps its copies
}

TEST_F(CourseDeletionTest, RemovingTheLastCourseLeavesNoIndexAndSaysNothing) {
  open(coursesCoded(1));
  gridCourse().selectRow(1);
  app.dialogs.answer(Answer::Yes);
  QTest::mouseClick(lobby->button<PellamButton>("cmdDeleteCourse"), Qt::LeftButton);
  EXPECT_FALSE(app.folder.has("Course.Index")) << app.folder.read("Course.Index").size();
  EXPECT_TRUE(gridCourse().isHidden());
  EXPECT_EQ(app.dialogs.messages().size(), 1u);  // the question only
  for (const char* name :
       {"cmdEditCourse", "cmdDeleteCourse", "cmdPrintCourseIndex", "cmdCreditTraining"})
    EXPECT_FALSE(lobby->button(name)->isVisible()) << name;
}
