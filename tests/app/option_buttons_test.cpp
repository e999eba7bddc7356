// SPDX-License-Identifier: GPL-3.0-or-later
// Option buttons and check boxes act the same however they are activated: with the mouse, with
// the keyboard, or through the action assistive technology calls. Every one the user can reach
// in every window of the catalogue is visited.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <map>
#include <set>

#include "app/window_catalogue.h"
#include "names/name_bytes.h"
#include "renewals/renewal_notice.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"

namespace vm::test {
namespace {

enum class Way { None, Mouse, Keyboard, AssistiveTechnology };

void activate(QAbstractButton* b, Way way) {
  switch (way) {
    case Way::None:
      break;
    case Way::Mouse:  // on the round or square mark, which a click always hits
      QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(7, b->height() / 2));
      break;
    case Way::Keyboard:
      b->setFocus();
      QTest::keyClick(b, Qt::Key_Space);
      break;
    case Way::AssistiveTechnology: {
      QAccessibleActionInterface* a = QAccessible::queryAccessibleInterface(b)->actionInterface();
      ASSERT_NE(a, nullptr);
      ASSERT_FALSE(a->actionNames().isEmpty());
      a->doAction(a->actionNames().first());  // what a screen reader's "activate" calls
      break;
    }
  }
  QApplication::processEvents();
}

ui::PellamButton* offeredSave(OpenWindow& w) {
  auto* b = w.control<ui::PellamButton>("cmdSave");
  return b && b->isVisible() && b->isEnabled() ? b : nullptr;
}

std::string storedLevel(OpenWindow& w, int user) {
  const std::string file = w.app().folder.read("User.List");
  const auto at = static_cast<std::size_t>(user - 1) * 500 + 59;
  if (file.size() < at + 2) return "no user " + std::to_string(user);
  return "level " + std::to_string(file[at] | (file[at + 1] << 8));
}

std::string levelSavedFor(OpenWindow& w, int user) {
  ui::PellamButton* save = offeredSave(w);
  if (!save) return "nothing saved";
  QTest::mouseClick(save, Qt::LeftButton);
  return storedLevel(w, user);
}

std::string newUserLevel(OpenWindow& w) {
  w.control<QLineEdit>("txtField1")->setText("Ann");
  w.control<QLineEdit>("txtField2")->setText("Other");
  w.control<QLineEdit>("txtField3")->setText("abcd12");
  return levelSavedFor(w, 3);
}

// `changed`: the person on file had the other status, which the editor asks to confirm.
std::string statusSavedFor(OpenWindow& w, int recNum, bool changed) {
  ui::PellamButton* save = offeredSave(w);
  if (!save) return "nothing saved";
  if (changed) w.app().dialogs.answer(ui::Answer::Yes);  // "Verify Status Change"
  QTest::mouseClick(save, Qt::LeftButton);
  const std::string file = w.app().folder.read("Name.List");
  if (file.size() < static_cast<std::size_t>(recNum) * NameBytes::kLength) return "no person";
  return "active " + std::to_string(NameBytes::activeOf(file, recNum));
}

std::string newPersonStatus(OpenWindow& w) {
  w.control<QLineEdit>("txtField1")->setText("Ann");
  w.control<QLineEdit>("txtField3")->setText("Other");
  return statusSavedFor(w, 37, false);
}

std::string nameListShown(OpenWindow& w) {
  auto* grid = w.control<ui::Grid>("gridName");
  return grid->headerText(0).toStdString() + ", " + std::to_string(grid->rows()) + " rows";
}

std::string panelShown(OpenWindow& w) {
  if (w.control<QWidget>("frame1")->isVisible()) return "criteria";
  if (w.control<QWidget>("frame2")->isVisible()) return "year";
  return w.control<QWidget>("frame4")->isVisible() ? "renewals" : "matrix";
}

std::string renewalRows(OpenWindow& w) {
  return std::to_string(w.control<ui::Grid>("gridRenewals")->rows()) + " rows";
}

std::string noticeSetting(OpenWindow& w) {
  return "RenewalNotice " +
         w.app().settings.value(renewals::noticeSettingKey("Dana Demo")).toStdString();
}

// What the import makes of the first row.
std::string firstOutcome(OpenWindow& w) {
  const QAbstractItemModel* preview = w.control<QTableView>("gridPreview")->model();
  return preview->data(preview->index(0, 3)).toString().toStdString();
}

// Which box of the matrix panel takes the choice of courses.
std::string matrixBoxOpen(OpenWindow& w) {
  return w.control<QWidget>("cboMatrixHeading")->isEnabled() ? "heading" : "code";
}

// The persons a search for the courses "HLT..." finds, in the mode chosen.
std::string personsFound(OpenWindow& w) {
  w.control<QLineEdit>("txtMatch2")->setText("HLT");
  QTest::mouseClick(w.control<ui::PellamButton>("cmdMatch"), Qt::LeftButton);
  return std::to_string(w.control<ui::Grid>("gridSummary")->rows()) + " persons found";
}

std::string fadeSetting(OpenWindow& w) {
  return "FadeStatus " + w.app().settings.value("FadeStatus").toStdString() +
         (w.app().state.FadeEnabled ? ", fading" : ", no fading");
}

std::string overviewSetting(OpenWindow& w) {
  QTest::mouseClick(w.control<ui::PellamButton>("cmdContinue"), Qt::LeftButton);
  return "NewUser " + w.app().settings.value("NewUser").toStdString();
}

struct OptionCase {
  std::string window;
  QString control;
  // What the program made of it, read once the option was activated (or not).
  std::function<std::string(OpenWindow&)> outcome;
};

const std::vector<OptionCase>& optionCases() {
  static const std::vector<OptionCase> cases = {
      {"user editor, viewing Dana Demo", "optAccessLevel1",
       [](auto& w) { return levelSavedFor(w, 1); }},
      {"user editor, viewing Dana Demo", "optAccessLevel2",
       [](auto& w) { return levelSavedFor(w, 1); }},
      {"user editor, viewing Dana Demo", "optAccessLevel3",
       [](auto& w) { return levelSavedFor(w, 1); }},
      {"user editor, adding", "optAccessLevel2", newUserLevel},
      {"user editor, adding", "optAccessLevel3", newUserLevel},
      {"user editor, adding", "optAccessLevel4", newUserLevel},
      {"main window, full access", "optDisplay2", nameListShown},
      {"main window, full access", "optDisplay3", nameListShown},
      {"main window, read only", "optDisplay2", nameListShown},
      {"main window, read only", "optDisplay3", nameListShown},
      {"main window, Search & Summary tab", "optSearch2", panelShown},
      {"main window, Search & Summary tab", "optMatch2", personsFound},
      {"main window, Search & Summary tab", "optSearch3", panelShown},
      {"main window, annual summary panel", "optSearch1", panelShown},
      {"main window, annual summary panel", "optSearch3", panelShown},
      {"import window", "optDayFirst", firstOutcome},
      {"main window, training matrix panel", "optSearch1", panelShown},
      {"main window, training matrix panel", "optSearch2", panelShown},
      {"main window, training matrix panel", "optMatrix1", matrixBoxOpen},
      {"main window, training matrix panel", "optSearch4", panelShown},
      {"main window, Search & Summary tab", "optSearch4", panelShown},
      {"main window, annual summary panel", "optSearch4", panelShown},
      {"main window, renewals panel", "optSearch1", panelShown},
      {"main window, renewals panel", "optSearch2", panelShown},
      {"main window, renewals panel", "optSearch3", panelShown},
      {"renewals view", "chkNeverTaken", renewalRows},
      {"renewal notice", "chkShowNotice", noticeSetting},
      {"name editor, editing", "optStatus2", [](auto& w) { return statusSavedFor(w, 1, true); }},
      {"name editor, adding", "optStatus2", newPersonStatus},
      {"admin window, fading offered", "chkFadeStatus", fadeSetting},
      {"new-user overview", "chkNoShow", overviewSetting},
  };
  return cases;
}

// How the control looks: the windows mark the chosen option by its type and colour.
std::string lookOf(const QAbstractButton* b) {
  const QFont f = b->font();
  return std::to_string(f.pointSize()) + (f.bold() ? "pt bold " : "pt ") +
         b->palette().color(QPalette::WindowText).name().toStdString();
}

std::string outcomeOf(const OptionCase& c, Way way) {
  OpenWindow w(c.window);
  auto* b = w.control<QAbstractButton>(c.control);
  if (!b) return "no control";
  activate(b, way);
  const std::string look = lookOf(b);
  return c.outcome(w) + ", looks " + look;
}

TEST(OptionButtons, ActTheSameWithTheMouseTheKeyboardAndAssistiveTechnology) {
  for (const OptionCase& c : optionCases()) {
    SCOPED_TRACE(c.window + ": " + c.control.toStdString());
    const std::string untouched = outcomeOf(c, Way::None);
    const std::string byMouse = outcomeOf(c, Way::Mouse);
    EXPECT_NE(byMouse, untouched) << "the option changes nothing the test can see";
    EXPECT_EQ(outcomeOf(c, Way::Keyboard), byMouse);
    EXPECT_EQ(outcomeOf(c, Way::AssistiveTechnology), byMouse);
  }
}

// However many groups of options a window nests, choosing one option leaves exactly one chosen
// in each group: the options that share a parent.
TEST(OptionButtons, ChoosingAnOptionLeavesOneChosenInEveryGroup) {
  for (const WindowCase& wc : allWindows()) {
    std::vector<QString> options;
    {
      OpenWindow w(wc.name);
      for (QRadioButton* o : w.reachable<QRadioButton>())
        if (!o->isChecked()) options.push_back(o->objectName());
    }
    for (const QString& name : options) {
      OpenWindow w(wc.name);
      activate(w.control<QRadioButton>(name), Way::Mouse);
      std::map<QWidget*, QStringList> chosen;
      for (QRadioButton* o : w.window()->findChildren<QRadioButton*>())
        if (o->isChecked()) chosen[o->parentWidget()] << o->objectName();
      for (const auto& [group, names] : chosen)
        EXPECT_EQ(names.size(), 1) << wc.name << ", " << name.toStdString()
                                   << " chosen: " << names.join(" and ").toStdString();
      EXPECT_TRUE(w.control<QRadioButton>(name)->isChecked())
          << wc.name << ", " << name.toStdString();
    }
  }
}

TEST(OptionButtons, EveryOptionAndCheckBoxOfEveryWindowIsTried) {
  std::set<std::pair<std::string, QString>> tried;
  for (const OptionCase& c : optionCases()) tried.insert({c.window, c.control});
  for (const WindowCase& wc : allWindows()) {
    OpenWindow w(wc.name);
    std::vector<QAbstractButton*> options;
    for (QRadioButton* o : w.reachable<QRadioButton>())
      if (!o->isChecked()) options.push_back(o);  // choosing the chosen one does nothing
    for (QCheckBox* b : w.reachable<QCheckBox>()) options.push_back(b);
    for (QAbstractButton* o : options)
      EXPECT_TRUE(tried.count({wc.name, o->objectName()}))
          << wc.name << ": " << o->objectName().toStdString() << " is not tried";
  }
}

}  // namespace
}  // namespace vm::test
