// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "app/frm_lobby.h"
#include "courses/course_files.h"
#include "format/automation_date.h"
#include "names/name_bytes.h"
#include "support/expect_box.h"
#include "support/pdf_pages.h"
#include "support/test_app.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"

using vm::test::NameBytes;
using vm::ui::Answer;
using vm::ui::MessageIcon;
using vm::ui::PellamButton;

namespace {

double stamp(int y, int m, int d, int h = 0) { return vm::format::toAutomationDate({y, m, d, h}); }

const double kAnn = stamp(2001, 1, 1, 8), kBob = stamp(2001, 1, 1, 9),
             kCarl = stamp(2001, 1, 1, 10), kDora = stamp(2001, 1, 1, 11);
const double kFirstAid = stamp(2000, 1, 1, 1), kFa101 = stamp(2000, 1, 1, 2),
             kFa200 = stamp(2000, 1, 1, 3), kLab = stamp(2000, 1, 1, 4),
             kLab1 = stamp(2000, 1, 1, 5);

// The captions a button is painted with.
struct PaintedCaptions : QObject {
  explicit PaintedCaptions(PellamButton* button) : button_(button) {
    button->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) captions << button_->caption();
    return false;
  }
  PellamButton* button_;
  QStringList captions;
};

// The main window over a Name List of three active persons (Carl without any training record) and
// one inactive, and their training records as another program wrote them.
class SearchWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.logIn(4);
    app.folder.write("User.List", std::string(500, ' '));
    app.folder.write("Name.List",
                     vm::test::nameList({{kBob, "Bob", "", "lee", "Stores", "", "", -1},
                                         {kCarl, "Carl", "Dean", "Lee", "Stores", "", "", -1},
                                         {kAnn, "Ann", "", "Lee", "Office", "", "", -1},
                                         {kDora, "Dora", "", "Ash", "", "", "", 0}}));
    const auto course = [](double created, const char* code, const char* name, float hours) {
      return vm::test::CourseBytes{created, code, name, "", hours, ""};
    };
    app.folder.write("Course.Index", vm::test::courseFile({course(kFirstAid, "FA", "First Aid", 0),
                                                           course(kFa101, "FA-101", "CPR", 2.5f),
                                                           course(kFa200, "FA-200", "AED", 4),
                                                           course(kLab, "LAB", "Laboratory", 0),
                                                           course(kLab1, "LAB-1", "Safety", 3)}));
    std::string training;
    const auto add = [&](double person, double date, double course, const char* code, float hours,
                         const char* comments) {
      training +=
          vm::test::trainingRecord({date, person, course, code, "Course", "", hours, comments});
    };
    add(kAnn, stamp(2004, 3, 15, 16), kFa101, "FA-101", 2.5f, "Adult CPR refresher");
    add(kAnn, stamp(2003, 5, 1), kLab1, "LAB-1", 3.0f, "");
    add(kAnn, stamp(2002, 5, 1), kFa101, "FA-101", 2.5f, "");
    for (int i = 0; i < 3; ++i) add(kBob, stamp(2004, 6, 1), 44000, "SAFA", 2.2f, "");
    add(kBob, stamp(2005, 7, 8), kFa101, "FA-101", 2.5f, "");
    add(kDora, stamp(2004, 2, 2), kFa200, "fa", 8.0f, "");
    app.folder.write("Training.Records", training);

    lobby = new vm::app::frmLobby(app.state);
    lobby->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return lobby->windowActivated(); }, 3000));
  }
  void TearDown() override {
    lobby->hide();
    delete lobby;
  }

  template <typename T = PellamButton>
  T* control(const QString& name) {
    T* c = lobby->findChild<T*>(name);
    EXPECT_TRUE(c) << name.toStdString();
    return c;
  }
  void click(const QString& name) {
    QWidget* w = control<QWidget>(name);
    ASSERT_TRUE(w->isVisible() && w->isEnabled()) << name.toStdString();
    // An option button takes clicks on its mark and caption, at its left.
    const bool option = qobject_cast<QRadioButton*>(w) != nullptr;
    QTest::mouseClick(w, Qt::LeftButton, {},
                      option ? QPoint(10, w->height() / 2) : w->rect().center());
  }
  void chooseTab(int index) {
    QTabBar* bar = tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }
  void type(const QString& box, const QString& text) {
    auto* edit = control<QLineEdit>(box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
  QTabWidget* tabs() { return lobby->tabMain(); }
  vm::ui::Grid* results() { return control<vm::ui::Grid>("gridSummary"); }
  // The visible cells of every results row, in order.
  QStringList shown() {
    QStringList rows;
    for (int r = 1; r <= results()->rows(); ++r)
      rows << results()->text(r, 0) + "|" + results()->text(r, 1);
    return rows;
  }
  std::vector<bool> tabsEnabled() {
    std::vector<bool> on;
    for (int t = 0; t < 4; ++t) on.push_back(tabs()->isTabEnabled(t));
    return on;
  }

  vm::test::TestApp app;
  vm::app::frmLobby* lobby = nullptr;
};

}  // namespace

TEST_F(SearchWindowTest, SearchListsTheMatchingPersonsAndLocksTheWindowUntilFinished) {
  chooseTab(2);
  ASSERT_EQ(tabs()->currentIndex(), 2);
  EXPECT_EQ(control<QRadioButton>("optSearch1")->text(),
            "List all active persons\nthat have any training records\n"
            "matching the following criteria...");
  EXPECT_FALSE(control("cmdMatch")->isEnabled());
  type("txtMatch2", "   ");
  EXPECT_FALSE(control("cmdMatch")->isEnabled());

  // A to-date alone is refused, and the focus goes to the from-date.
  type("txtMatch1", "12/31/2004");
  EXPECT_TRUE(control("cmdMatch")->isEnabled());
  app.dialogs.answer(Answer::Ok);
  click("cmdMatch");
  EXPECT_TRUE(
      vm::test::isBox(app.dialogs.lastMessage(),
                      {"Entry Error", "You can't have a 'to' date\nwithout a 'from' date...",
                       MessageIcon::Information}));
  EXPECT_TRUE(control<QLineEdit>("txtMatch0")->hasFocus());
  EXPECT_EQ(control<QLineEdit>("txtMatch2")->text(), "");  // the blanks were trimmed
  EXPECT_FALSE(tabs()->isTabEnabled(3));

  // A single date and part of a course code: Ann's FA-101 that day; Bob's SAFA is another day.
  type("txtMatch1", "");
  type("txtMatch0", "3/15/2004");
  type("txtMatch2", "fa");
  PaintedCaptions painted(control("cmdMatch"));
  click("cmdMatch");
  // The share of the file read shows on the button while the window waits.
  EXPECT_TRUE(painted.captions.contains("0%") && painted.captions.contains("100%"))
      << painted.captions.join(", ").toStdString();
  EXPECT_EQ(control<QLineEdit>("txtMatch1")->text(), "3/15/2004");
  EXPECT_EQ(shown(), QStringList{"Ann Lee|Office"});
  EXPECT_EQ(results()->headerText(0), "Matching List of all active persons");
  EXPECT_EQ(tabs()->currentIndex(), 3);
  EXPECT_EQ(tabs()->tabText(2), "Search Criteria");
  EXPECT_EQ(tabs()->tabText(3), "Search Results");
  EXPECT_EQ(tabsEnabled(), (std::vector<bool>{false, false, true, true}));
  EXPECT_FALSE(control("cmdBackupRestore")->isEnabled());
  EXPECT_FALSE(control("cmdMatch")->isVisibleTo(lobby));
  EXPECT_FALSE(control<QWidget>("frame1")->isEnabled());
  EXPECT_FALSE(control<QRadioButton>("optSearch2")->isEnabled());
  EXPECT_EQ(control("cmdMatch")->caption(), "Conduct the Search Now");

  // The person's history opens without editing, and the main window stays locked after it.
  QString history;
  app.dialogs.onModal("frmTrainingHistory", [&](QWidget* w) {
    history = w->windowTitle();
    for (const char* name : {"cmdEditTraining", "cmdDeleteTraining"})
      EXPECT_FALSE(w->findChild<PellamButton*>(name)->isVisible()) << name;
  });
  click("cmdSummaryTrainingHistory");
  EXPECT_EQ(history, "Verdimark - Training History of Ann Lee");
  EXPECT_FALSE(app.state.HistoryViewOnly);
  EXPECT_EQ(tabsEnabled(), (std::vector<bool>{false, false, true, true}));
  EXPECT_FALSE(control("cmdBackupRestore")->isEnabled());

  // The list's printout is announced and written; the results stay locked in after it.
  const QString pdf = app.dataFolder() + "/results.pdf";
  app.dialogs.answer(Answer::Other);  // "Save as PDF..."
  app.dialogs.answerSaveFile(pdf);
  click("cmdSummaryPrint");
  EXPECT_EQ(app.dialogs.lastMessage().title, "Print the Search/Summary List?");
  EXPECT_EQ(app.dialogs.lastMessage().text,
            "This printout will consist\nof about 1 page(s).\n\nAre you ready to print?");
  EXPECT_EQ(vm::test::pdfPageCount(pdf), 1);
  EXPECT_EQ(tabsEnabled(), (std::vector<bool>{false, false, true, true}));

  click("cmdFinishedSummary");
  EXPECT_EQ(tabsEnabled(), (std::vector<bool>{true, true, true, false}));
  EXPECT_EQ(tabs()->currentIndex(), 2);
  EXPECT_EQ(tabs()->tabText(2), "Search && Summary Options");
  EXPECT_EQ(tabs()->tabText(3), "");
  EXPECT_TRUE(control("cmdBackupRestore")->isEnabled());
  EXPECT_TRUE(control("cmdMatch")->isVisible());
  EXPECT_TRUE(control<QWidget>("frame1")->isEnabled());
  EXPECT_EQ(control<QLineEdit>("txtMatch2")->text(), "fa");  // the criteria stay

  // Do-NOT-match with criteria no record meets lists every active person, Carl without records
  // among them, in name order.
  type("txtMatch0", "");
  type("txtMatch1", "");
  type("txtMatch2", "");
  type("txtMatch3", "no such words");
  click("optMatch2");
  click("cmdMatch");
  EXPECT_EQ(shown(), (QStringList{"Ann Lee|Office", "Bob lee|Stores", "Carl Dean Lee|Stores"}));
  EXPECT_EQ(results()->cellBackground(2, 0), vm::ui::Grid::kShade);
  click("cmdFinishedSummary");

  // Match mode then finds no one.
  click("optMatch1");
  app.dialogs.answer(Answer::Ok);
  click("cmdMatch");
  EXPECT_TRUE(
      vm::test::isBox(app.dialogs.lastMessage(),
                      {"No Matching Records",
                       "No one had any training record(s)\nthat fit the given search criteria.",
                       MessageIcon::Critical}));
  EXPECT_FALSE(tabs()->isTabEnabled(3));
  EXPECT_EQ(control("cmdMatch")->caption(), "Conduct the Search Now");
}

TEST_F(SearchWindowTest, AnnualSummaryTotalsTheYearsHours) {
  chooseTab(2);
  click("optSearch2");
  EXPECT_FALSE(control<QWidget>("frame1")->isVisible());
  EXPECT_TRUE(control<QLineEdit>("txtSummaryYear")->hasFocus());
  type("txtSummaryYear", "1954");
  EXPECT_FALSE(control("cmdAnnualSummary")->isEnabled());
  type("txtSummaryYear", "2027");  // the clock says 2026
  EXPECT_FALSE(control("cmdAnnualSummary")->isEnabled());
  type("txtSummaryYear", "2010");
  app.dialogs.answer(Answer::Ok);
  click("cmdAnnualSummary");
  EXPECT_EQ(app.dialogs.lastMessage().text,
            "There were no training records\nfound in the year 2010");
  EXPECT_EQ(tabsEnabled(), (std::vector<bool>{true, true, true, false}));

  type("txtSummaryYear", "2004");
  click("cmdAnnualSummary");
  EXPECT_EQ(shown(), (QStringList{"Ann Lee|2.5", "Bob lee|6.6"}));
  EXPECT_EQ(results()->headerText(1), " Annual Training Hours");
  EXPECT_EQ(control<QLabel>("lblTotalHours")->text(), "Total Hours: 9.1");
  EXPECT_TRUE(control<QLabel>("lblTotalHours")->isVisible());
  EXPECT_EQ(tabs()->tabText(3), "Annual Summary - 2004");
  EXPECT_EQ(tabsEnabled(), (std::vector<bool>{false, false, false, true}));
  EXPECT_EQ(tabs()->tabText(2), "Search && Summary Options");
  app.dialogs.onModal("frmTrainingHistory", [](QWidget*) {});
  click("cmdSummaryTrainingHistory");
  EXPECT_EQ(tabsEnabled(), (std::vector<bool>{false, false, false, true}));
  const QString pdf = app.dataFolder() + "/summary.pdf";
  app.dialogs.answer(Answer::Other);
  app.dialogs.answerSaveFile(pdf);
  click("cmdSummaryPrint");
  EXPECT_EQ(vm::test::pdfPageCount(pdf), 1);

  click("cmdFinishedSummary");
  EXPECT_EQ(tabsEnabled(), (std::vector<bool>{true, true, true, false}));
  EXPECT_FALSE(control<QLabel>("lblTotalHours")->isVisible());
  EXPECT_EQ(control<QLineEdit>("txtSummaryYear")->text(), "2004");
}

TEST_F(SearchWindowTest, TrainingMatrixShowsLatestDatesAndPrintsAndExportsThem) {
  chooseTab(2);
  click("optSearch3");
  EXPECT_EQ(control<QRadioButton>("optSearch3")->text(),
            "Show a training matrix of the\nlatest training dates of all\nactive persons");
  EXPECT_FALSE(control<QWidget>("frame1")->isVisible());
  EXPECT_FALSE(control<QWidget>("frame2")->isVisible());
  EXPECT_TRUE(control<QWidget>("frame3")->isVisible());

  // The headings of the Course Index are offered; the first one is taken.
  click("optMatrix1");
  auto* headings = control<QComboBox>("cboMatrixHeading");
  ASSERT_EQ(headings->count(), 2);
  EXPECT_EQ(headings->itemText(0), "FA First Aid");
  EXPECT_EQ(headings->itemText(1), "LAB Laboratory");

  QStringList description, header, cells;
  const QString csv = app.dataFolder() + "/matrix.csv";
  const QString pdf = app.dataFolder() + "/matrix.pdf";
  app.dialogs.onModal("frmTrainingMatrix", [&](QWidget* w) {
    description << w->findChild<QLabel*>("lblMatrix")->text();
    auto* grid = w->findChild<vm::ui::Grid*>("gridMatrix");
    for (int c = 0; c < grid->cols(); ++c) header << grid->headerText(c);
    for (int r = 1; r <= grid->rows(); ++r) {
      QStringList row;
      for (int c = 0; c < grid->cols(); ++c) row << grid->text(r, c);
      cells << row.join('|');
    }
    app.dialogs.answerSaveFile(csv);
    QTest::mouseClick(w->findChild<PellamButton*>("cmdExportMatrix"), Qt::LeftButton);
    app.dialogs.answer(Answer::Other);
    app.dialogs.answerSaveFile(pdf);
    QTest::mouseClick(w->findChild<PellamButton*>("cmdPrintMatrix"), Qt::LeftButton);
    QTest::mouseClick(w->findChild<PellamButton*>("cmdReturn"), Qt::LeftButton);
  });
  click("cmdMatrix");
  EXPECT_EQ(description, QStringList{"The below is a list of all active persons\nand the dates "
                                     "of their latest training in the courses under 'FA First "
                                     "Aid'"});
  EXPECT_EQ(header, (QStringList{"List of all active persons", "FA-101", "FA-200"}));
  EXPECT_EQ(cells, (QStringList{"Ann Lee|03/15/2004|", "Bob lee|07/08/2005|", "Carl Dean Lee||",
                                "Persons trained|2|0"}));
  EXPECT_EQ(app.dialogs.lastMessage().title, "Print the Training Matrix?");
  EXPECT_EQ(vm::test::pdfPageCount(pdf), 1);
  QFile exported(csv);
  ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
  EXPECT_EQ(exported.readAll(),
            "\xEF\xBB\xBF"
            "List of all active persons,FA-101,FA-200\r\nAnn Lee,03/15/2004,\r\n"
            "Bob lee,07/08/2005,\r\nCarl Dean Lee,,\r\nPersons trained,2,0\r\n");
  EXPECT_EQ(control("cmdMatrix")->caption(), "Show the Training Matrix");

  // A code start that no course has opens nothing.
  click("optMatrix2");
  EXPECT_FALSE(headings->isEnabled());
  EXPECT_FALSE(control("cmdMatrix")->isEnabled());
  type("txtMatrixCode", "zz");
  app.dialogs.answer(Answer::Ok);
  click("cmdMatrix");
  EXPECT_EQ(app.dialogs.lastMessage().title, "No Courses");
  EXPECT_EQ(app.dialogs.lastMessage().text, "There are no courses whose code\nbegins with 'zz'.");

  cells.clear();
  header.clear();
  app.dialogs.onModal("frmTrainingMatrix", [&](QWidget* w) {
    auto* grid = w->findChild<vm::ui::Grid*>("gridMatrix");
    for (int c = 0; c < grid->cols(); ++c) header << grid->headerText(c);
    cells << grid->text(1, 1) << grid->text(4, 1);
  });
  type("txtMatrixCode", " lab");
  QTest::keyClick(control<QLineEdit>("txtMatrixCode"), Qt::Key_Return);
  EXPECT_EQ(header, (QStringList{"List of all active persons", "LAB-1"}));
  EXPECT_EQ(cells, (QStringList{"05/01/2003", "1"}));
  EXPECT_EQ(tabsEnabled(), (std::vector<bool>{true, true, true, false}));
}

TEST_F(SearchWindowTest, EscStopsAPassAndLeavesTheTabAsItWas) {
  chooseTab(2);
  bool matrixShown = false;
  app.dialogs.onModal("frmTrainingMatrix", [&](QWidget*) { matrixShown = true; });
  struct Pass {
    const char* option;
    const char* box;  // typed into, when there is one
    const char* text;
    const char* button;
  };
  for (const Pass& p : {Pass{"optSearch1", "txtMatch2", "fa", "cmdMatch"},
                        Pass{"optSearch2", "txtSummaryYear", "2004", "cmdAnnualSummary"},
                        Pass{"optSearch3", nullptr, "", "cmdMatrix"}}) {
    click(p.option);
    if (p.box) type(p.box, p.text);
    if (!p.box) click("optMatrix1");
    const QString caption = control(p.button)->caption();
    const std::vector<bool> enabled = tabsEnabled();
    QCoreApplication::postEvent(lobby,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    click(p.button);
    EXPECT_EQ(control(p.button)->caption(), caption) << p.button;
    EXPECT_EQ(tabs()->currentIndex(), 2) << p.button;
    EXPECT_EQ(tabsEnabled(), enabled) << p.button;
    EXPECT_FALSE(matrixShown) << p.button;
    // The Esc went to the stopped pass alone: the next click runs to the end.
    click(p.button);
    EXPECT_TRUE(tabs()->currentIndex() == 3 || matrixShown) << p.button;
    if (tabs()->currentIndex() == 3) click("cmdFinishedSummary");
  }
}
