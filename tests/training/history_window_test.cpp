// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <functional>

#include "courses/course_files.h"
#include "format/automation_date.h"
#include "names/name_bytes.h"
#include "support/pdf_pages.h"
#include "support/test_app.h"
#include "training/frm_training_history.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"
#include "ui/open_modal.h"

using namespace vm;
using ui::Answer;
using ui::PellamButton;

namespace {

constexpr double kAnn = 41000.125, kBob = 41000.5;
const QString kHours = "...the hours associated with this training record";
const QString kComments = "...the comments associated with this training record";

double day(int y, int m, int d) { return format::automationDateOf(y, m, d); }

std::string record(int year, double person, const std::string& code, const std::string& note) {
  return test::trainingRecord({day(year, 3, 1), person, 9, code, "Course " + code, "P", 8, note});
}

// The window as a person sees it while it is open.
struct History {
  QWidget* window;

  ui::Grid* grid() const { return window->findChild<ui::Grid*>("gridTraining"); }
  PellamButton* button(const char* name) const { return window->findChild<PellamButton*>(name); }
  QPlainTextEdit* comments() const { return window->findChild<QPlainTextEdit*>("txtComments"); }
  QString label() const { return window->findChild<QLabel*>("lblComments")->text(); }
  void click(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
  bool shown(const char* name) const { return !button(name)->isHidden(); }
  QStringList codes() const {
    QStringList out;
    for (int r = 1; r <= grid()->rows(); ++r) out << grid()->text(r, 1);
    return out;
  }
};

struct HistoryWindowTest : ::testing::Test {
  test::TestApp app;
  // Ann and Bob as the Name List lists them.
  const ui::ListedPerson ann{kAnn, 1, "Ann Smith", "", "Smith Ann"};
  const ui::ListedPerson bob{kBob, 2, "Bob Jones", "", "Jones Bob"};

  void SetUp() override {
    app.state.CurrentAccessLevel = 4;
    test::NameBytes ann, bob;
    ann.dateCreated = kAnn;
    ann.first = "Ann";
    ann.last = "Smith";
    bob.dateCreated = kBob;
    bob.first = "Bob";
    app.folder.write("Name.List", ann.bytes() + bob.bytes());
  }

  // Opens the person's history and drives it while it is open.
  void open(std::function<void(const History&)> drive, const ui::ListedPerson* person = nullptr) {
    app.dialogs.onModal("frmTrainingHistory", [drive](QWidget* w) { drive(History{w}); });
    ui::openModal(app.state, nullptr,
                  new training::frmTrainingHistory(app.state, person ? *person : ann));
  }
  std::string records() const { return app.folder.read("Training.Records"); }
};

}  // namespace

TEST_F(HistoryWindowTest, ListsThePersonsRecordsByDateWithTheFirstHighlighted) {
  app.folder.write("Training.Records",
                   record(2004, kAnn, "C", "") + record(2003, kAnn, "A", "Note") +
                       record(2001, kBob, "B", "") + record(2005, kAnn, "D", ""));
  open([](const History& h) {
    EXPECT_EQ(h.window->windowTitle(), "Verdimark - Training History of Ann Smith");
    EXPECT_EQ(h.codes(), (QStringList{"A", "C", "D"}));
    EXPECT_EQ(h.grid()->currentRow(), 1);
    EXPECT_EQ(h.comments()->toPlainText(), "Note");
    EXPECT_TRUE(h.comments()->isReadOnly());
    for (int c : {5, 6, 7}) EXPECT_TRUE(h.grid()->isColumnHidden(c));
    EXPECT_EQ(h.grid()->cellBackground(2, 4), QColor(240, 240, 240));
    EXPECT_EQ(h.button("cmdEditTraining")->caption(), "Edit Training");
    EXPECT_TRUE(h.shown("cmdDeleteTraining") && h.button("cmdDeleteTraining")->isEnabled());
    EXPECT_TRUE(h.button("cmdReturn")->isDefault());
    QTest::keyClick(h.window, Qt::Key_F1);
  });
  EXPECT_EQ(app.state.HelpTopic, 10);
}

TEST_F(HistoryWindowTest, OpenedForViewingOnlyItOffersNoChanges) {
  app.folder.write("Training.Records", record(2004, kAnn, "C", ""));
  app.state.HistoryViewOnly = true;
  open([](const History& h) {
    EXPECT_FALSE(h.shown("cmdEditTraining"));
    EXPECT_FALSE(h.shown("cmdDeleteTraining"));
    EXPECT_TRUE(h.shown("cmdPrintTraining"));
  });
}

TEST_F(HistoryWindowTest, APersonWithoutRecordsIsToldSoAndTheWindowCloses) {
  app.folder.write("Training.Records", record(2001, kBob, "B", ""));
  app.dialogs.answer(Answer::Ok);
  bool stayedOpen = false;
  open([&](const History& h) { stayedOpen = h.window->isVisible(); });
  EXPECT_FALSE(stayedOpen);
  const auto box = app.dialogs.lastMessage();
  EXPECT_EQ(box.title, "No records on file...");
  EXPECT_EQ(box.text, "Ann Smith\nhas no training records on file");
}

TEST_F(HistoryWindowTest, EscAsTheHistoryIsReadLeavesItUnopenedWithoutAWord) {
  app.folder.write("Training.Records", record(2004, kAnn, "C", ""));
  // Esc comes again and again while the window opens; only a running pass hears it.
  QTimer esc;
  QObject::connect(&esc, &QTimer::timeout, [] {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(qApp, &key);
  });
  esc.start(0);
  bool stayedOpen = false;
  open([&](const History& h) { stayedOpen = h.window->isVisible(); });
  esc.stop();
  EXPECT_FALSE(stayedOpen);
  EXPECT_TRUE(app.dialogs.messages().empty());
  EXPECT_EQ(records(), record(2004, kAnn, "C", ""));
}

TEST_F(HistoryWindowTest, FieldEditsAreCheckedWrittenAndKeepTheHighlight) {
  const std::string before = record(2003, kAnn, "A", "") + record(2004, kAnn, "B", "");
  app.folder.write("Training.Records", before);
  open([&](const History& h) {
    h.grid()->selectRow(2);
    app.dialogs.chooseMenuItem(kHours);
    app.dialogs.answerInput(" 1000 ");
    app.dialogs.answer(Answer::Ok);
    h.click("cmdEditTraining");
    const auto refused = app.dialogs.lastMessage();
    EXPECT_EQ(refused.title, "Entry Error");
    EXPECT_EQ(refused.text, "1000\n\nis an improbable 'Hours' entry");
    EXPECT_EQ(records(), before);

    app.dialogs.chooseMenuItem(kHours);
    app.dialogs.answerInput("   ");  // blanks only: nothing happens
    h.click("cmdEditTraining");
    app.dialogs.chooseMenuItem("...the date the training was received...");
    app.dialogs.answerInput("02/03/2002");
    h.click("cmdEditTraining");
    // The record moved to the top of the list; the highlight stays on row 2.
    EXPECT_EQ(h.codes(), (QStringList{"B", "A"}));
    EXPECT_EQ(h.grid()->currentRow(), 2);
  });
  const auto& input = app.dialogs.shown()[2];  // after the window and the menu
  EXPECT_EQ(input.title, "Editing the highlighted training record");
  EXPECT_EQ(input.text,
            "Below, enter your changes for\nthe hours associated with this training record.\n\n"
            "or press the <Cancel> key at right\nto cancel this edit operation.");
  EXPECT_EQ(test::getDouble(test::recordOf(records(), 2), 0), day(2002, 2, 3));
}

TEST_F(HistoryWindowTest, CommentsAreEditedSavedOrGivenBack) {
  app.folder.write("Training.Records",
                   record(2003, kAnn, "A", "Old") + record(2004, kAnn, "B", ""));
  open([&](const History& h) {
    app.dialogs.chooseMenuItem(kComments);
    h.click("cmdEditTraining");
    EXPECT_EQ(h.label(), "Edit the comments below...");
    EXPECT_FALSE(h.grid()->isEnabled());
    EXPECT_FALSE(h.shown("cmdEditTraining") || h.shown("cmdPrintTraining"));
    QTest::keyClicks(h.comments(), "x");
    EXPECT_TRUE(h.button("cmdSaveComments")->isEnabled());
    QTest::keyClick(h.comments(), Qt::Key_Backspace);
    EXPECT_FALSE(h.button("cmdSaveComments")->isEnabled());  // the text is as before again
    QTest::keyClicks(h.comments(), " and new");
    h.click("cmdCancelComments");
    EXPECT_EQ(h.comments()->toPlainText(), "Old");
    EXPECT_EQ(h.label(), "Highlighted training - comments");
    EXPECT_TRUE(h.shown("cmdEditTraining"));

    app.dialogs.chooseMenuItem(kComments);
    h.click("cmdEditTraining");
    QTest::keyClicks(h.comments(), " and new  ");
    h.click("cmdSaveComments");
    EXPECT_TRUE(h.comments()->isReadOnly());
    EXPECT_FALSE(h.shown("cmdSaveComments"));
    EXPECT_EQ(h.grid()->text(1, 5), "Old and new");
  });
  EXPECT_EQ(test::recordOf(records(), 1).substr(116, 12), "Old and new ");
}

TEST_F(HistoryWindowTest, RemovingTheThirdOfFiveHighlightsTheSecondAndTheLastClosesTheWindow) {
  std::string five;
  for (int i = 0; i < 5; ++i) {
    const std::string code(1, static_cast<char>('A' + i));
    five += record(2001 + i, kAnn, code, "note " + code);
  }
  app.folder.write("Training.Records", five + record(2001, kBob, "B", ""));
  open([&](const History& h) {
    h.grid()->selectRow(3);
    app.dialogs.answer(Answer::No);
    h.click("cmdDeleteTraining");
    EXPECT_EQ(records().size(), 6u * 300);
    app.dialogs.answer(Answer::Yes);
    app.dialogs.answer(Answer::Ok);
    h.click("cmdDeleteTraining");
    EXPECT_EQ(h.codes(), (QStringList{"A", "B", "D", "E"}));
    EXPECT_EQ(h.grid()->currentRow(), 2);
    EXPECT_EQ(h.comments()->toPlainText(), "note B");
  });
  const auto confirm = app.dialogs.messages()[0];
  EXPECT_EQ(confirm.title, "Confirm");
  EXPECT_EQ(confirm.text,
            "Are you SURE you want to remove\nthe highlighted course dated\n\n03/01/2003\n\n"
            "from this person's 'Training History'?");
  EXPECT_EQ(confirm.defaultButton, Answer::No);
  EXPECT_EQ(app.dialogs.lastMessage().title, "Training Record Removed");
  EXPECT_EQ(records(), five.substr(0, 600) + five.substr(900) + record(2001, kBob, "B", ""));

  // Bob's one record, the last in the file.
  app.folder.write("Training.Records", record(2001, kBob, "B", ""));
  app.dialogs.clear();
  app.dialogs.answer(Answer::Yes);
  app.dialogs.answer(Answer::Ok);
  open([&](const History& h) { h.click("cmdDeleteTraining"); }, &bob);
  EXPECT_EQ(app.dialogs.lastMessage().title, "No records on file...");
  EXPECT_FALSE(app.folder.has("Training.Records"));
}

TEST_F(HistoryWindowTest, PrintingAsksAboutThePagesAndWritesTheReport) {
  std::string many;
  for (int i = 0; i < 120; ++i) many += record(2000 + i % 20, kAnn, "C", "");
  app.folder.write("Training.Records", many);
  const QString pdf = app.dataFolder() + "/history.pdf";
  app.dialogs.answer(Answer::Other);  // "Save as PDF..."
  app.dialogs.answerSaveFile(pdf);
  open([](const History& h) { h.click("cmdPrintTraining"); });
  const auto box = app.dialogs.messages().front();
  EXPECT_EQ(box.title, "Print the Training History?");
  EXPECT_EQ(box.text, "This printout will consist\nof about 2 page(s).\n\nAre you ready to print?");
  EXPECT_EQ(box.buttons, ui::MessageButtons::YesNo);
  EXPECT_EQ(test::pdfPageCount(pdf), 3);  // about 50 rows a page
}

// The comments show under the list, so the export keeps them beside their records.
TEST_F(HistoryWindowTest, TheExportHoldsTheShownColumnsAndTheComments) {
  app.state.CurrentAccessLevel = 1;
  app.folder.write("Training.Records", record(2004, kAnn, "C", "Passed, \"well\"\r\nsigned off") +
                                           record(2003, kAnn, "A", ""));
  app.dialogs.chooseMenuItem("Export to CSV...");
  app.dialogs.answerSaveFile(app.dataFolder() + "/history.csv");
  open([](const History& h) { QTest::keyClick(h.grid(), Qt::Key_Menu); });
  EXPECT_EQ(app.dialogs.shown().at(2).kind, test::ScriptedDialogs::Kind::SaveFile);
  EXPECT_EQ(app.dialogs.shown().at(2).defaultAnswer.section('/', -1),
            "Training History of Ann Smith 2026-12-08.csv");
  EXPECT_EQ(app.folder.read("history.csv"),
            "\xEF\xBB\xBF"
            "Course Date,Course Code,Name of Course,Provided by,Hours,Comments\r\n"
            "03/01/2003,A,Course A,P,8.0,\r\n"
            "03/01/2004,C,Course C,P,8.0,\"Passed, \"\"well\"\"\r\nsigned off\"\r\n");
}
