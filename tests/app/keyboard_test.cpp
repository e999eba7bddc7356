// SPDX-License-Identifier: GPL-3.0-or-later
// Every window works from the keyboard alone: Tab visits every control the user can reach, in
// the order the window shows them, and the maker's links open from the keys.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <map>

#include "app/window_catalogue.h"
#include "support/queued_calls.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"
#include "ui/link_label.h"

namespace vm::test {
namespace {

// The control that has the focus, by the name the window gives it.
QString focusName() {
  QWidget* f = QApplication::focusWidget();
  if (!f) return QStringLiteral("(none)");
  if (qobject_cast<QTabBar*>(f) && f->parentWidget()) return f->parentWidget()->objectName();
  return f->objectName();
}

// The controls Tab visits, from the one that has the focus until it comes round again.
QStringList tabCycle(QWidget* window) {
  window->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window));
  QApplication::processEvents();
  QStringList cycle{focusName()};
  for (int i = 0; i < 40; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QApplication::processEvents();  // a locked field passes the focus on at once
    if (focusName() == cycle.first()) return cycle;
    cycle << focusName();
  }
  cycle << QStringLiteral("... and no way back");
  return cycle;
}

// Row by row as each window lays them out, from where the window puts the focus.
const std::map<std::string, QStringList> kTabCycles = {
    {"title window", {"cmdContinue", "labelPellamContact1", "labelPellamContact2", "cmdServer"}},
    {"new-user overview", {"cmdContinue", "txtBox", "chkNoShow"}},
    {"admin window", {"cmdUserSelected", "cmdAdmin", "grid", "cmdHelp", "cmdQuit"}},
    {"admin window, fading offered",
     {"cmdUserSelected", "cmdAdmin", "chkFadeStatus", "grid", "cmdHelp", "cmdQuit"}},
    {"admin window, password entry", {"txtPassword", "cmdCancel", "cmdHelp", "cmdQuit"}},
    {"admin window, editing the user list",
     {"cmdAdmin", "grid", "cmdHelp", "cmdQuit", "cmdAddUser", "cmdEditUser", "cmdDeleteUser",
      "cmdReviewUserLog", "cmdReviewChangeLog"}},
    {"change log viewer",
     {"txtFind", "txtFrom", "txtTo", "cmdApply", "cmdClear", "gridChangeLog", "cmdExport",
      "cmdHelp", "cmdClose"}},
    {"admin window, user log", {"cmdReviewUserLog", "txtUserLog", "cmdHelp", "cmdQuit"}},
    {"user editor, adding",
     {"txtField1", "txtField2", "txtField3", "optAccessLevel1", "txtField4", "cmdCancel"}},
    {"user editor, viewing Dana Demo",
     {"txtField1", "txtField2", "txtField3", "optAccessLevel4", "txtField4", "cmdCancel"}},
    {"main window, full access",
     {"gridName", "cmdAddName", "cmdEditName", "cmdDeleteName", "cmdTrainingHistory",
      "cmdPrintNameList", "cmdHelp", "cmdBackupRestore", "cmdAdminWindow", "cmdQuit", "tabMain",
      "optDisplay1"}},
    {"main window, Course Index tab",
     {"gridCourse", "cmdSearch", "cmdAddCourse", "cmdEditCourse", "cmdDeleteCourse",
      "cmdPrintCourseIndex", "cmdHelp", "cmdBackupRestore", "cmdAdminWindow", "cmdQuit",
      "tabMain"}},
    {"main window, Search & Summary tab",
     {"txtMatch0", "txtMatch1", "txtMatch2", "txtMatch3", "optMatch1", "cmdHelp",
      "cmdBackupRestore", "cmdAdminWindow", "cmdQuit", "tabMain", "optSearch1"}},
    {"main window, annual summary panel",
     {"txtSummaryYear", "cmdHelp", "cmdBackupRestore", "cmdAdminWindow", "cmdQuit", "tabMain",
      "optSearch2"}},
    {"main window, training matrix panel",
     {"txtMatrixCode", "cmdHelp", "cmdBackupRestore", "cmdAdminWindow", "cmdQuit", "tabMain",
      "optSearch3", "optMatrix2"}},
    {"main window, search results",
     {"gridSummary", "cmdSummaryTrainingHistory", "cmdSummaryPrint", "cmdFinishedSummary",
      "cmdHelp", "cmdAdminWindow", "cmdQuit", "tabMain"}},
    {"main window, annual summary results",
     {"gridSummary", "cmdSummaryTrainingHistory", "cmdSummaryPrint", "cmdFinishedSummary",
      "cmdHelp", "cmdAdminWindow", "cmdQuit", "tabMain"}},
    {"main window, read only",
     {"gridName", "cmdEditName", "cmdTrainingHistory", "cmdPrintNameList", "cmdHelp",
      "cmdBackupRestore", "cmdAdminWindow", "cmdQuit", "tabMain", "optDisplay1"}},
    {"name editor, adding",
     {"txtField1", "txtField2", "txtField3", "txtField4", "txtField5", "txtField6", "optStatus1",
      "cmdCancel"}},
    {"name editor, editing",
     {"txtField1", "txtField2", "txtField3", "txtField4", "txtField5", "txtField6", "optStatus1",
      "cmdCancel"}},
    // The locked fields pass the focus on; Tab goes past them to every command.
    {"name editor, read only", {"cmdCancel", "optStatus1"}},
    {"course editor, adding",
     {"txtField1", "txtField2", "txtField3", "txtField4", "txtField5", "cmdHelp", "cmdCancel"}},
    {"course editor, editing",
     {"txtField1", "txtField2", "txtField3", "txtField4", "txtField5", "cmdHelp", "cmdCancel"}},
    {"course editor, read only", {"cmdCancel", "cmdHelp"}},
    {"credit window", {"txtDate", "txtComments", "listNames", "cmdCancel"}},
    {"training history",
     {"gridTraining", "txtComments", "cmdEditTraining", "cmdDeleteTraining", "cmdPrintTraining",
      "cmdHelp", "cmdReturn"}},
    {"training history, editing comments",
     {"txtComments", "cmdCancelComments", "cmdHelp", "cmdReturn"}},
    {"training history, from the search results",
     {"gridTraining", "txtComments", "cmdPrintTraining", "cmdHelp", "cmdReturn"}},
    {"training matrix",
     {"gridMatrix", "cmdPrintMatrix", "cmdExportMatrix", "cmdExportMatrixSheet", "cmdHelp",
      "cmdReturn"}},
    {"import window",
     {"cboSheet", "cboKind", "optMonthFirst", "cboField1", "cboField2", "cboField3", "cboField4",
      "gridPreview", "cmdImport", "cmdSaveRefused", "cmdHelp", "cmdCancel"}},
    {"main window, renewals panel",
     {"cmdRenewals", "cmdHelp", "cmdBackupRestore", "cmdAdminWindow", "cmdQuit", "tabMain",
      "optSearch4"}},
    {"renewals view",
     {"gridRenewals", "cmdRenewalPeriods", "cmdPrintRenewals", "cmdHelp", "cmdClose", "cboHeading",
      "txtDueWithin", "chkNeverTaken", "cmdShowRenewals"}},
    // The first course is a category heading, which takes no period: its box is closed.
    {"renewal periods", {"gridPeriods", "cmdHelp", "cmdCancel"}},
    {"renewal periods, read only", {"gridPeriods", "cmdHelp", "cmdCancel"}},
    {"renewal notice", {"cmdShowRenewals", "cmdOK", "chkShowNotice"}},
    {"help window", {"cmdHelpTopic", "cmdPrintHelp", "cmdReturn", "txtManual"}},
};

// The controls of a window that the keyboard must reach: every command, option group, check
// box, list, link and tab bar the user can reach with the mouse.
QStringList commandsOf(OpenWindow& w) {
  QStringList names;
  for (auto* b : w.reachable<ui::PellamButton>()) names << b->objectName();
  for (auto* b : w.reachable<QRadioButton>())
    if (b->isChecked()) names << b->objectName();
  for (auto* b : w.reachable<QCheckBox>()) names << b->objectName();
  for (auto* g : w.reachable<ui::Grid>()) names << g->objectName();
  for (auto* l : w.reachable<ui::LinkLabel>()) names << l->objectName();
  for (auto* t : w.reachable<QTabBar>()) names << t->parentWidget()->objectName();
  return names;
}

TEST(Keyboard, TabVisitsEveryControlInTheOrderOfTheLayout) {
  for (const WindowCase& wc : allWindows()) {
    SCOPED_TRACE(wc.name);
    OpenWindow w(wc.name);
    const QStringList cycle = tabCycle(w.window());
    const auto expected = kTabCycles.find(wc.name);
    if (expected == kTabCycles.end()) {
      ADD_FAILURE() << "no Tab order written down; Tab visits " << cycle.join(", ").toStdString();
      continue;
    }
    EXPECT_EQ(cycle.join(", ").toStdString(), expected->second.join(", ").toStdString());
    for (const QString& command : commandsOf(w))
      EXPECT_TRUE(cycle.contains(command)) << command.toStdString() << " cannot be reached";
  }
}

// What Esc does in each window: the command it presses, if any, and whether the window closes.
const std::map<std::string, std::string> kEsc = {
    {"new-user overview", "cmdContinue, closes"},
    {"user editor, adding", "cmdCancel, closes"},
    {"user editor, viewing Dana Demo", "cmdCancel, closes"},
    {"name editor, adding", "cmdCancel, closes"},
    {"name editor, editing", "cmdCancel, closes"},
    {"name editor, read only", "cmdCancel, closes"},
    {"course editor, adding", "cmdCancel, closes"},
    {"course editor, editing", "cmdCancel, closes"},
    {"course editor, read only", "cmdCancel, closes"},
    {"credit window", "cmdCancel, closes"},
    {"training history", "closes"},
    {"training history, editing comments", "stays"},  // the comments edit ends
    {"training history, from the search results", "closes"},
    {"training matrix", "cmdReturn, closes"},
    {"import window", "cmdCancel, closes"},
    {"renewals view", "cmdClose, closes"},
    {"renewal periods", "cmdCancel, closes"},
    {"renewal periods, read only", "cmdCancel, closes"},
    {"renewal notice", "cmdOK, closes"},
    {"change log viewer", "closes"},
    {"help window", "cmdReturn, closes"},
};

TEST(Keyboard, EscPressesEachWindowsWayOutAndNothingElse) {
  for (const WindowCase& wc : allWindows()) {
    OpenWindow w(wc.name);
    QStringList pressed;
    for (auto* b : w.window()->findChildren<ui::PellamButton*>())
      QObject::connect(b, &ui::PellamButton::Click, [b, &pressed] { pressed << b->objectName(); });
    w.window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window())) << wc.name;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    ASSERT_TRUE(test::runQueuedCalls()) << wc.name;
    pressed << (w.window() && w.window()->isVisible() ? "stays" : "closes");
    const auto expected = kEsc.find(wc.name);
    EXPECT_EQ(pressed.join(", ").toStdString(), expected == kEsc.end() ? "stays" : expected->second)
        << wc.name;
  }
}

// Two controls of one window never share an access key, which would leave one of them out of
// reach of Alt and its key (the button's own tests press the keys).
TEST(Keyboard, NoTwoControlsOfAWindowShareAnAccessKey) {
  int keys = 0;
  for (const WindowCase& wc : allWindows()) {
    OpenWindow w(wc.name);
    std::map<QChar, QString> owners;
    for (auto* b : w.reachable<QAbstractButton>()) {
      auto* command = qobject_cast<ui::PellamButton*>(b);
      const QString mnemonic = QKeySequence::mnemonic(b->text()).toString();
      const QChar key = command ? command->accessKey()
                                : (mnemonic.isEmpty() ? QChar() : mnemonic.back().toLower());
      if (key.isNull()) continue;
      const auto [at, fresh] = owners.emplace(key, b->objectName());
      EXPECT_TRUE(fresh) << wc.name << ": " << b->objectName().toStdString() << " and "
                         << at->second.toStdString() << " share Alt+" << QString(key).toStdString();
      ++keys;
    }
  }
  EXPECT_GT(keys, 20);
}

TEST(Keyboard, TheMakersLinksOpenFromTheKeysAndFromAssistiveTechnology) {
  OpenWindow w("title window");
  QTest::keyClick(w.window(), Qt::Key_Tab);
  ASSERT_EQ(focusName(), "labelPellamContact1");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  QAccessibleInterface* link =
      QAccessible::queryAccessibleInterface(w.control<ui::LinkLabel>("labelPellamContact1"));
  EXPECT_EQ(link->role(), QAccessible::Link);
  EXPECT_EQ(link->text(QAccessible::Name), w.control<ui::LinkLabel>("labelPellamContact1")->text());
  link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_EQ(w.opened.size(), 3u);
  EXPECT_EQ(w.opened[0].scheme(), "mailto");
  EXPECT_EQ(w.opened[1].scheme(), "http");
  EXPECT_EQ(w.opened[2].scheme(), "mailto");
}

}  // namespace
}  // namespace vm::test
