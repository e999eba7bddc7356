// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_catalogue.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "access/frm_add_edit_user.h"
#include "access/frm_admin.h"
#include "access/frm_change_log.h"
#include "access/frm_new_user.h"
#include "access/frm_title_page.h"
#include "app/demo_seed.h"
#include "app/frm_lobby.h"
#include "courses/frm_add_edit_course.h"
#include "imports/frm_import.h"
#include "names/frm_add_edit_name.h"
#include "renewals/frm_renewal_periods.h"
#include "renewals/frm_renewals.h"
#include "renewals/renewal_notice.h"
#include "search/frm_training_matrix.h"
#include "sheets/workbook.h"
#include "training/frm_credit_training.h"
#include "training/frm_training_history.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"
#include "ui/help/frm_manual.h"
#include "ui/window_life.h"

namespace vm::test {
namespace {

using ui::EditorMode;

void logIn(OpenWindow& w, int level) {
  w.app().logIn(level, level == 1 ? "Victor Viewer" : "Dana Demo");
}

QWidget* admin(OpenWindow& w) { return w.show(new access::frmAdmin(w.app().state)); }

void click(QWidget* window, const char* name) {
  auto* b = window->findChild<ui::PellamButton*>(name);
  ASSERT_TRUE(b && b->isVisible() && b->isEnabled()) << name;
  QTest::mouseClick(b, Qt::LeftButton);
}

constexpr const char* kChangeLog =
    "01/05/2026 09:00:00\tDana Demo\tperson added\tAlice Brennan\t\r\n"
    "01/06/2026 10:30:00\tDana Demo\tperson edited\tAlice Brennan\tOrganization: \"Ops\" -> "
    "\"Operations\"\r\n";

// The first course of the demonstration index with hours (not a category heading).
constexpr int kCourse = 2;

// The main window at full access, on one of its tabs.
QWidget* lobbyOnTab(OpenWindow& w, int tab) {
  logIn(w, 4);
  auto* lobby = static_cast<app::frmLobby*>(w.show(new app::frmLobby(w.app().state)));
  lobby->tabMain()->setCurrentIndex(tab);
  return lobby;
}

// The history of the first person on file, opened from the Name List as the main window does,
// or read-only from the search results.
QWidget* history(OpenWindow& w, bool fromResults) {
  logIn(w, 4);
  w.app().state.HistoryViewOnly = fromResults;
  const ui::ListedPerson alice{0, 1, "Alice Brennan", "Operations", "Brennan Alice"};
  return w.show(new training::frmTrainingHistory(w.app().state, alice));
}

// The renewals view over the persons the main window's Name List lists (filled when the main
// window first activates).
QWidget* renewalsView(OpenWindow& w) {
  logIn(w, 4);
  auto* lobby = static_cast<app::frmLobby*>(w.show(new app::frmLobby(w.app().state)));
  std::vector<ui::ListedPerson> persons = lobby->listedPersons();
  delete lobby;
  return w.show(new renewals::frmRenewals(w.app().state, std::move(persons)));
}

}  // namespace

const std::vector<WindowCase>& allWindows() {
  static const std::vector<WindowCase> windows = {
      {"title window",
       [](OpenWindow& w) {
         auto* title = new access::frmTitlePage(w.app().state);
         title->setUrlOpener([&w](const QUrl& url) {
           w.opened.push_back(url);
           return true;
         });
         return w.show(title);
       }},
      {"new-user overview",
       [](OpenWindow& w) { return w.show(new access::frmNewUser(w.app().state)); }},
      {"admin window", admin},
      {"admin window, fading offered",
       [](OpenWindow& w) {
         QWidget* window = admin(w);
         // As on a platform that can make windows translucent; the test platform cannot.
         window->findChild<QWidget*>("fraFadeStatus")->show();
         return window;
       }},
      {"admin window, password entry",
       [](OpenWindow& w) {
         QWidget* window = admin(w);
         click(window, "cmdUserSelected");
         return window;
       }},
      {"admin window, editing the user list",
       [](OpenWindow& w) {
         w.app().folder.write("User.Log", "Dana Demo logged in on 01/10/2022 at 09:00am\r\n");
         w.app().folder.write("Change.Log", kChangeLog);
         QWidget* window = admin(w);
         w.app().dialogs.answerInput(QString::fromStdString(w.app().state.install.accessCode));
         click(window, "cmdAdmin");
         return window;
       }},
      {"admin window, user log",
       [](OpenWindow& w) {
         w.app().folder.write("User.Log", "Dana Demo logged in on 01/10/2022 at 09:00am\r\n");
         QWidget* window = admin(w);
         w.app().dialogs.answerInput(QString::fromStdString(w.app().state.install.accessCode));
         click(window, "cmdAdmin");
         click(window, "cmdReviewUserLog");
         return window;
       }},
      {"change log viewer",
       [](OpenWindow& w) {
         w.app().folder.write("Change.Log", kChangeLog);
         return w.show(new access::frmChangeLog(w.app().state));
       }},
      {"user editor, adding",
       [](OpenWindow& w) {
         return w.show(new access::frmAddEditUser(w.app().state, EditorMode::Add, 0));
       }},
      {"user editor, viewing Dana Demo",
       [](OpenWindow& w) {
         return w.show(new access::frmAddEditUser(w.app().state, EditorMode::Edit, 1));
       }},
      {"main window, full access",
       [](OpenWindow& w) {
         logIn(w, 4);
         return w.show(new app::frmLobby(w.app().state));
       }},
      {"main window, Course Index tab", [](OpenWindow& w) { return lobbyOnTab(w, 1); }},
      {"main window, Search & Summary tab", [](OpenWindow& w) { return lobbyOnTab(w, 2); }},
      {"main window, annual summary panel",
       [](OpenWindow& w) {
         QWidget* lobby = lobbyOnTab(w, 2);
         lobby->findChild<QRadioButton*>("optSearch2")->setChecked(true);
         return lobby;
       }},
      {"main window, training matrix panel",
       [](OpenWindow& w) {
         QWidget* lobby = lobbyOnTab(w, 2);
         lobby->findChild<QRadioButton*>("optSearch3")->setChecked(true);
         return lobby;
       }},
      {"main window, renewals panel",
       [](OpenWindow& w) {
         QWidget* lobby = lobbyOnTab(w, 2);
         lobby->findChild<QRadioButton*>("optSearch4")->setChecked(true);
         return lobby;
       }},
      {"main window, search results",
       [](OpenWindow& w) {
         QWidget* lobby = lobbyOnTab(w, 2);
         lobby->findChild<QLineEdit*>("txtMatch2")->setText("HLT");
         click(lobby, "cmdMatch");
         return lobby;
       }},
      {"main window, annual summary results",
       [](OpenWindow& w) {
         QWidget* lobby = lobbyOnTab(w, 2);
         lobby->findChild<QRadioButton*>("optSearch2")->setChecked(true);
         lobby->findChild<QLineEdit*>("txtSummaryYear")->setText("2025");
         click(lobby, "cmdAnnualSummary");
         return lobby;
       }},
      {"main window, read only",
       [](OpenWindow& w) {
         logIn(w, 1);
         return w.show(new app::frmLobby(w.app().state));
       }},
      {"name editor, adding",
       [](OpenWindow& w) {
         logIn(w, 4);
         return w.show(new names::frmAddEditName(w.app().state, EditorMode::Add, 0));
       }},
      {"name editor, editing",
       [](OpenWindow& w) {
         logIn(w, 4);
         return w.show(new names::frmAddEditName(w.app().state, EditorMode::Edit, 1));
       }},
      {"name editor, read only",
       [](OpenWindow& w) {
         logIn(w, 1);
         return w.show(new names::frmAddEditName(w.app().state, EditorMode::Edit, 1));
       }},
      {"course editor, adding",
       [](OpenWindow& w) {
         logIn(w, 4);
         return w.show(new courses::frmAddEditCourse(w.app().state, EditorMode::Add, 0));
       }},
      {"course editor, editing",
       [](OpenWindow& w) {
         logIn(w, 4);
         return w.show(new courses::frmAddEditCourse(w.app().state, EditorMode::Edit, kCourse));
       }},
      {"course editor, read only",
       [](OpenWindow& w) {
         logIn(w, 1);
         return w.show(new courses::frmAddEditCourse(w.app().state, EditorMode::Edit, kCourse));
       }},
      {"credit window",
       [](OpenWindow& w) {
         logIn(w, 4);
         training::CreditChoice choice{
             "ADM-0101", "Records Management Basics", "In-house", "2.0", kCourse, {}};
         choice.persons = {{"Alice Brennan", 1}, {"Marcus J Okafor", 2}, {"Priya Raman", 3}};
         return w.show(new training::frmCreditTraining(w.app().state, std::move(choice)));
       }},
      {"training history", [](OpenWindow& w) { return history(w, false); }},
      {"training history, editing comments",
       [](OpenWindow& w) {
         QWidget* window = history(w, false);
         w.app().dialogs.chooseMenuItem("...the comments associated with this training record");
         click(window, "cmdEditTraining");
         return window;
       }},
      {"training history, from the search results", [](OpenWindow& w) { return history(w, true); }},
      {"training matrix",
       [](OpenWindow& w) {
         logIn(w, 4);
         search::MatrixTable table;
         table.header = {"List of all active persons", "HLT-0101", "HLT-0102"};
         table.rows = {{"Alice Brennan", "03/15/2024", ""},
                       {"Jonas Berg", "", "04/02/2024"},
                       {"Persons trained", "1", "1"}};
         return w.show(new search::frmTrainingMatrix(
             w.app().state, std::move(table),
             {"The below is a list of all active persons",
              "and the dates of their latest training in the courses whose code begins with "
              "'HLT'"}));
       }},
      {"import window",
       [](OpenWindow& w) {
         logIn(w, 4);
         using sheets::Cell;
         const auto row = [](std::vector<std::string> texts) {
           sheets::Row cells;
           for (std::string& t : texts) cells.push_back(Cell::ofText(std::move(t)));
           return cells;
         };
         sheets::Workbook book{
             {sheets::Sheet{"Training",
                            {row({"First Name", "Last Name", "Course Code", "Date"}),
                             row({"Ann", "Lee", "HLT-0101", "03/04/2024"}),
                             row({"Bob", "Li", "HLT-0101", "soon"})}}}};
         return w.show(new imports::frmImport(w.app().state, "staff.xlsx", std::move(book)));
       }},
      {"renewals view", renewalsView},
      {"renewal periods",
       [](OpenWindow& w) {
         logIn(w, 4);
         return w.show(new renewals::frmRenewalPeriods(w.app().state));
       }},
      {"renewal periods, read only",
       [](OpenWindow& w) {
         logIn(w, 1);
         return w.show(new renewals::frmRenewalPeriods(w.app().state));
       }},
      {"renewal notice",
       [](OpenWindow& w) {
         logIn(w, 4);
         w.app().settings.setValue(renewals::noticeSettingKey("Dana Demo"),
                                   "");  // as a user who has not turned it off
         return w.show(new renewals::frmRenewalNotice(
             w.app().state, "3 trainings have expired and 2 fall due within 30 days"));
       }},
      {"help window",
       [](OpenWindow& w) {
         w.app().state.HelpTopic = 4;
         auto* help = new ui::frmManual(w.app().state);
         help->setUrlOpener([&w](const QUrl& url) {
           w.opened.push_back(url);
           return true;
         });
         return w.show(help);
       }},
  };
  return windows;
}

OpenWindow::OpenWindow(const std::string& caseName) : name_(caseName), app_(new TestApp) {
  app::seedDemonstrationData(app_->files, app_->clock);
  // The demonstration data has trainings due; the notice that would follow every main window
  // has a case of its own.
  for (const char* user : {"Dana Demo", "Victor Viewer"})
    app_->settings.setValue(renewals::noticeSettingKey(user), "NoShow");
  app_->state.showHelp = [](QWidget*) {};
  app_->state.showAdminWindow = [] {};
  app_->state.showMainWindow = [] {};
  app_->state.shutdown = [] {};
  for (const WindowCase& c : allWindows()) {
    if (c.name != caseName) continue;
    window_ = c.open(*this);
    return;
  }
  ADD_FAILURE() << "no window \"" << caseName << "\" in the catalogue";
}

OpenWindow::~OpenWindow() {
  delete window_.data();
  QApplication::processEvents();
}

QWidget* OpenWindow::show(QWidget* window) {
  window->show();
  ui::WindowLife* life = ui::WindowLife::of(window);
  EXPECT_TRUE(life && QTest::qWaitFor([life] { return life->activated(); }, 3000))
      << name_ << " did not activate";
  return window;
}

void OpenWindow::missing(const QString& objectName) const {
  ADD_FAILURE() << name_ << " has no control " << objectName.toStdString();
}

}  // namespace vm::test
