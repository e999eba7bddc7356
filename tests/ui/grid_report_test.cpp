// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid_report.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QWidget>

#include "support/pdf_pages.h"
#include "support/test_app.h"
#include "ui/grid/grid.h"

namespace vm::ui {
namespace {

using print::ReportKind;
using test::ScriptedDialogs;

class GridReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.setWindowTitle("Verdimark - Training History of Ann Lee");
    grid = new Grid(&window);
    grid->reset("<Course Date|<Course Code|<Name of Course|<Provided by|>Hours|Comments|DateSort");
  }
  void fill(int count) {
    std::vector<QStringList> rows;
    for (int n = count; n >= 1; --n)
      rows.push_back({"01/02/2004", QString("C-%1").arg(n), "First aid", "Red Cross", "2.5",
                      "a comment", QString("2004%1").arg(n, 4, 10, QChar('0'))});
    grid->setRows(std::move(rows));
    grid->sortByColumn(6);
  }
  QString pdf() const { return app.dataFolder() + "/report.pdf"; }

  test::TestApp app;
  QWidget window;
  Grid* grid = nullptr;
};

TEST_F(GridReportTest, TheReportReadsThePrintedColumnsOfTheGridInItsCurrentOrder) {
  fill(3);
  const print::ReportInput in = reportInputOf(ReportKind::TrainingHistory, *grid, window);
  EXPECT_EQ(in.windowTitle, "Verdimark - Training History of Ann Lee");
  EXPECT_EQ(in.headers, (std::vector<std::string>{"Course Date", "Course Code", "Name of Course",
                                                  "Provided by", "Hours"}));
  ASSERT_EQ(in.rows.size(), 3u);
  EXPECT_EQ(in.rows[0],
            (std::vector<std::string>{"01/02/2004", "C-1", "First aid", "Red Cross", "2.5"}));
  EXPECT_EQ(in.rows[2][1], "C-3");
}

TEST_F(GridReportTest, TheQuestionLeadsToThePrinterThePdfOrNothing) {
  struct Case {
    const char* name;
    std::vector<Answer> answers;  // the question, then "No Printer Available" if it comes
    bool fileAsked;
    bool done;
  };
  const Case cases[] = {
      {"No", {Answer::No}, false, false},
      {"Yes without a printer", {Answer::Yes, Answer::Yes}, true, true},
      {"Yes, then no PDF", {Answer::Yes, Answer::No}, false, false},
      {"Save as PDF", {Answer::Other}, true, true},
  };
  fill(120);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    app.dialogs.clear();
    QFile::remove(pdf());
    for (Answer a : c.answers) app.dialogs.answer(a);
    if (c.fileAsked) app.dialogs.answerSaveFile(pdf());
    EXPECT_EQ(printGridReport(app.state, ReportKind::TrainingHistory, *grid, &window), c.done);

    const auto question = app.dialogs.shown().front();
    EXPECT_EQ(question.title, "Print the Training History?");
    EXPECT_EQ(question.text,
              "This printout will consist\nof about 2 page(s).\n\nAre you ready to print?");
    EXPECT_EQ(question.icon, MessageIcon::None);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.defaultButton, Answer::Yes);
    EXPECT_EQ(question.otherButton, "Save as &PDF...");
    EXPECT_EQ(app.dialogs.shown().size(), c.answers.size() + (c.fileAsked ? 1 : 0));
    if (c.fileAsked) {
      EXPECT_TRUE(
          app.dialogs.shown().back().defaultAnswer.endsWith("Verdimark Training History.pdf"));
    }
    // Arial 9 point holds about 50 rows a page.
    EXPECT_EQ(test::pdfPageCount(pdf()), c.done ? 3 : -1);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
}

TEST_F(GridReportTest, AFileThatCannotBeWrittenIsReportedAndTheWindowEnabledAgain) {
  fill(2);
  app.dialogs.answer(Answer::Other);
  app.dialogs.answerSaveFile(app.dataFolder() + "/no such folder/report.pdf");
  app.dialogs.answer(Answer::Ok);
  EXPECT_FALSE(printGridReport(app.state, ReportKind::TrainingHistory, *grid, &window));
  EXPECT_EQ(app.dialogs.lastMessage().title, "Printing Problem");
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(GridReportTest, AnEmptyGridAsksNothingAndPrintsNothing) {
  EXPECT_FALSE(printGridReport(app.state, ReportKind::TrainingHistory, *grid, &window));
  EXPECT_TRUE(app.dialogs.shown().empty());
}

}  // namespace
}  // namespace vm::ui
