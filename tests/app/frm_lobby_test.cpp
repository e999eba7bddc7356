// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_lobby.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include "courses/course_files.h"
#include "names/name_bytes.h"
#include "support/expect_box.h"
#include "support/pdf_pages.h"
#include "support/test_app.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"

using vm::app::frmLobby;
using vm::test::NameBytes;
using vm::ui::Answer;
using vm::ui::PellamButton;

namespace {

class LobbyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.state.CurrentUserName = "Dana Demo";
    app.state.shutdown = [this] { ++shutdowns; };
    app.state.showAdminWindow = [this] { ++adminWindows; };
    app.folder.write("User.List", std::string(500, ' '));
    app.folder.write("Name.List", vm::test::nameList({{38000.5, "Bob", "", "Lee", "", "", "", -1},
                                                      {38001.5, "Ann", "", "Lee", "", "", "", 0}}));
  }
  void TearDown() override {
    if (lobby) {
      lobby->hide();
      delete lobby;
    }
  }

  void open(int level) {
    app.state.CurrentAccessLevel = level;
    lobby = new frmLobby(app.state);
    lobby->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return lobby->windowActivated(); }, 3000));
  }

  PellamButton* button(const char* name) { return lobby->findChild<PellamButton*>(name); }
  QTabWidget* tabs() { return lobby->tabMain(); }

  vm::test::TestApp app;
  frmLobby* lobby = nullptr;
  int shutdowns = 0;
  int adminWindows = 0;
};

}  // namespace

TEST_F(LobbyTest, TheFirstActivationShowsWhoIsLoggedInAndListsThePersons) {
  open(2);
  EXPECT_EQ(lobby->windowTitle(), "Verdimark");
  EXPECT_EQ(lobby->findChild<QLabel*>("lblUserInfo")->text(), "User: Dana Demo\nAccess: Read/Edit");
  EXPECT_EQ(tabs()->currentIndex(), 0);
  EXPECT_EQ(tabs()->count(), 4);
  EXPECT_EQ(tabs()->tabText(2), "Search && Summary Options");
  EXPECT_FALSE(tabs()->isTabEnabled(3));
  EXPECT_EQ(lobby->nameGrid()->rows(), 1);
  EXPECT_EQ(lobby->nameDisplayCaption(), "Active Persons");
  EXPECT_EQ(lobby->courseGrid()->rows(), 0);  // no Course.Index
}

TEST_F(LobbyTest, ButtonsFollowTheAccessLevel) {
  for (int level = 1; level <= 4; ++level) {
    SCOPED_TRACE(level);
    open(level);
    EXPECT_EQ(button("cmdEditName")->caption(), level == 1 ? "View Details" : "Edit Person");
    EXPECT_EQ(button("cmdAddName")->caption(), "Add Person");
    EXPECT_EQ(button("cmdAddName")->isEnabled(), level >= 3);
    EXPECT_EQ(button("cmdDeleteName")->isEnabled(), level == 4);
    EXPECT_TRUE(button("cmdDeleteName")->isVisible());
    EXPECT_TRUE(button("cmdEditName")->isEnabled());
    EXPECT_EQ(button("cmdPrintNameList")->caption(), "Print this List");
    EXPECT_EQ(button("cmdDeleteName")->toolTip(),
              " Delete the highlighted person from the 'Name List' ");
    EXPECT_EQ(button("cmdQuit")->toolTip(), " Click here to exit Verdimark ");
    EXPECT_EQ(button("cmdQuit")->accessibleName(), "Click here to exit Verdimark");
    EXPECT_TRUE(button("cmdBackupRestore")->isVisible());
    delete lobby;
    lobby = nullptr;
  }
}

TEST_F(LobbyTest, TrainingRecordsOpenTheHistoryAndTheSearchTab) {
  open(4);
  EXPECT_TRUE(button("cmdTrainingHistory")->isVisible());
  EXPECT_FALSE(button("cmdTrainingHistory")->isEnabled());
  EXPECT_FALSE(tabs()->isTabEnabled(2));
  app.folder.write("Training.Records", std::string(300, ' '));
  lobby->refreshButtons();
  EXPECT_TRUE(button("cmdTrainingHistory")->isEnabled());
  EXPECT_TRUE(tabs()->isTabEnabled(2));
}

TEST_F(LobbyTest, CreditingAndTheHistoryWorkOnTheHighlightedCourseAndPerson) {
  app.folder.write("Course.Index",
                   vm::test::courseFile({{45000.25, "FA-01", "First Aid", "", 2.5f, ""}}));
  open(4);
  tabs()->setCurrentIndex(1);
  app.dialogs.onModal("frmCreditTraining", [](QWidget* w) {
    EXPECT_EQ(w->findChild<QListWidget*>("listNames")->count(), 1);  // the active person only
    w->findChild<QLineEdit*>("txtDate")->setText("03/15/2004");
    w->findChild<QListWidget*>("listNames")->item(0)->setSelected(true);
    QTest::mouseClick(w->findChild<PellamButton*>("cmdSave"), Qt::LeftButton);
  });
  QTest::mouseClick(button("cmdCreditTraining"), Qt::LeftButton);
  const std::string records = app.folder.read("Training.Records");
  ASSERT_EQ(records.size(), 300u);
  EXPECT_EQ(vm::test::getDouble(records, 8), 38000.5);  // Bob
  EXPECT_TRUE(button("cmdTrainingHistory")->isEnabled());

  tabs()->setCurrentIndex(0);
  QString title;
  app.dialogs.onModal("frmTrainingHistory", [&](QWidget* w) {
    title = w->windowTitle();
    w->findChild<vm::ui::Grid*>("gridTraining")->selectRow(1);
    QTest::mouseClick(w->findChild<PellamButton*>("cmdDeleteTraining"), Qt::LeftButton);
  });
  app.dialogs.answer(Answer::Yes);
  app.dialogs.answer(Answer::Ok);  // "No records on file..."
  QTest::mouseClick(button("cmdTrainingHistory"), Qt::LeftButton);
  EXPECT_EQ(title, "Verdimark - Training History of Bob Lee");
  EXPECT_FALSE(app.folder.has("Training.Records"));
  EXPECT_FALSE(button("cmdTrainingHistory")->isEnabled());  // nothing left to show
}

TEST_F(LobbyTest, WithNobodyOnFileOnlyAddingIsOffered) {
  app.folder.write("Name.List", "");
  std::remove((app.folder / "User.List").c_str());
  app.dialogs.answer(Answer::Ok);  // "No Names on File..."
  open(3);
  EXPECT_EQ(app.dialogs.lastMessage().title, "No Names on File...");
  EXPECT_TRUE(button("cmdAddName")->isVisible());
  for (const char* name : {"cmdEditName", "cmdDeleteName", "cmdTrainingHistory", "cmdPrintNameList",
                           "cmdBackupRestore"})
    EXPECT_FALSE(button(name)->isVisible()) << name;

  app.dialogs.onModal("frmAddEditName", [](QWidget* w) {
    QTest::keyClicks(w->findChild<QLineEdit*>("txtField1"), "Ann");
    QTest::keyClicks(w->findChild<QLineEdit*>("txtField3"), "Lee");
    w->findChild<PellamButton*>("cmdSave")->click();
  });
  button("cmdAddName")->click();
  EXPECT_EQ(app.folder.read("Name.List").size(), 1000u);
  EXPECT_EQ(lobby->nameGrid()->rows(), 1);
  EXPECT_TRUE(button("cmdEditName")->isVisible());
  EXPECT_TRUE(button("cmdPrintNameList")->isVisible());
}

TEST_F(LobbyTest, ButtonsOfPagesBuiltLaterAreSetByTheirNames) {
  open(2);
  QWidget* page = tabs()->widget(1);
  PellamButton* add = button("cmdAddCourse");
  PellamButton* find = button("cmdSearch");
  auto* match = new PellamButton(QStringLiteral("cmdMatch"), tabs()->widget(2));
  match->setEnabled(false);
  lobby->refreshButtons();
  EXPECT_EQ(add->caption(), "Add Course");
  EXPECT_FALSE(add->isEnabled());  // level 2 adds nothing
  EXPECT_TRUE(add->isVisibleTo(page));
  EXPECT_FALSE(find->isVisibleTo(page));  // no course listed
  EXPECT_EQ(match->caption(), "Conduct the Search Now");
  EXPECT_FALSE(match->isEnabled());  // left as its tab set it
}

TEST_F(LobbyTest, BackupAndRestoreNeedFullAccess) {
  open(3);
  app.dialogs.answer(Answer::Ok);
  button("cmdBackupRestore")->click();
  EXPECT_TRUE(vm::test::isBox(app.dialogs.lastMessage(),
                              {"Current Access Level Inadequate",
                               "Full access level privileges\nare required to use this feature.",
                               vm::ui::MessageIcon::Critical}));
}

TEST_F(LobbyTest, QuittingAsksFirstAndTheCloseBoxAsksTheSame) {
  open(1);
  app.dialogs.answer(Answer::No);
  button("cmdQuit")->click();
  EXPECT_TRUE(vm::test::isBox(
      app.dialogs.lastMessage(),
      {"Exit Verdimark?", "This will close Verdimark.\n\nIs this what you want to do?",
       vm::ui::MessageIcon::Question, vm::ui::MessageButtons::YesNo}));
  EXPECT_EQ(shutdowns, 0);

  app.dialogs.answer(Answer::No);
  lobby->close();
  EXPECT_TRUE(lobby->isVisible());
  EXPECT_EQ(app.dialogs.messages().size(), 2u);

  EXPECT_FALSE(app.folder.has("User.Log"));  // declining writes nothing

  app.dialogs.answer(Answer::Yes);
  lobby->close();
  EXPECT_EQ(shutdowns, 1);
  EXPECT_EQ(adminWindows, 0);
  EXPECT_EQ(app.folder.read("User.Log"), "12/08/2026 at 10:30:00 - Dana Demo logged out.\r\n");
}

TEST_F(LobbyTest, ReturningToTheAdminWindowClosesThisOne) {
  open(2);
  button("cmdAdminWindow")->click();
  EXPECT_EQ(adminWindows, 1);
  EXPECT_FALSE(lobby->isVisible());
  EXPECT_EQ(shutdowns, 0);
  EXPECT_TRUE(app.dialogs.messages().empty());  // no quit question on the way out
  EXPECT_EQ(app.folder.read("User.Log"), "12/08/2026 at 10:30:00 - Dana Demo logged out.\r\n");
}

TEST_F(LobbyTest, HelpOpensOnTheTopicOfTheCurrentTab) {
  app.folder.write("Training.Records", std::string(300, ' '));
  std::vector<int> topics;
  app.state.showHelp = [&](QWidget*) { topics.push_back(app.state.HelpTopic); };
  open(4);
  button("cmdHelp")->click();
  tabs()->setCurrentIndex(1);
  button("cmdHelp")->click();
  tabs()->setCurrentIndex(2);
  lobby->activateWindow();
  QTest::keyClick(lobby, Qt::Key_F1);
  EXPECT_EQ(topics, (std::vector<int>{4, 5, 8}));
}

TEST_F(LobbyTest, TheFlashingButtonPulsesBetweenBlackAndYellow) {
  open(2);
  PellamButton* quitSearching = button("cmdQuitSearching");
  const auto unlit = quitSearching->backColor();
  lobby->startFlashing();
  ASSERT_TRUE(QTest::qWaitFor([&] { return quitSearching->backColor() != unlit; }, 2000));
  lobby->stopFlashing();
  const auto back = quitSearching->backColor();
  EXPECT_EQ(back & 0xFF, (back >> 8) & 0xFF);  // red = green, blue 0: a shade of yellow
  EXPECT_EQ((back >> 16) & 0xFF, 0u);
}

TEST_F(LobbyTest, PrintThisListAndPrintThisIndexAskFirstAndWriteTheirReports) {
  app.folder.write("Course.Index",
                   vm::test::courseFile({{45000.5, "FA-1", "First aid", "", 40.0f, ""},
                                         {45001.5, "ADM", "ADMINISTRATION", "", 0.0f, ""}}));
  open(1);  // every level may print
  const QString names = app.dataFolder() + "/names.pdf";
  app.dialogs.answer(Answer::Yes);  // the question
  app.dialogs.answer(Answer::Yes);  // "No Printer Available": a PDF file instead
  app.dialogs.answerSaveFile(names);
  QTest::mouseClick(button("cmdPrintNameList"), Qt::LeftButton);
  const auto question = app.dialogs.messages().front();
  EXPECT_EQ(question.title, "Print the Name List?");
  EXPECT_EQ(question.text,
            "This printout will consist\nof about 1 page(s).\n\nAre you ready to print?");
  EXPECT_EQ(vm::test::pdfPageCount(names), 1);
  EXPECT_TRUE(lobby->isEnabled());

  app.dialogs.clear();
  tabs()->setCurrentIndex(1);
  const QString courses = app.dataFolder() + "/courses.pdf";
  app.dialogs.answer(Answer::Other);  // "Save as PDF..."
  app.dialogs.answerSaveFile(courses);
  QTest::mouseClick(button("cmdPrintCourseIndex"), Qt::LeftButton);
  EXPECT_EQ(app.dialogs.lastMessage().title, "Print the Course Index?");
  EXPECT_EQ(app.dialogs.shown().size(), 2u);  // the question and the file name, nothing between
  EXPECT_EQ(vm::test::pdfPageCount(courses), 1);
  EXPECT_TRUE(lobby->isEnabled());
}
