// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>

#include "records/changed_lists.h"
#include "ui/flash_levels.h"
#include "ui/lobby_services.h"
#include "ui/window_life.h"

class QLabel;
class QTabWidget;

namespace vm::ui {
struct AppState;
class Grid;
class LobbyTab;
class PellamButton;
}  // namespace vm::ui

namespace vm::names {
class NameListTab;
}

namespace vm::courses {
class CourseIndexTab;
}

namespace vm::backup {
class BackupRestoreMenu;
}

namespace vm::app {

// The main window: the tab control with the Name List, the Course Index and the search
// and summary tabs, who is logged in, and the commands for help, backup and restore,
// the return to the admin window and quitting. Every button of every tab takes its
// caption, tool tip, visibility and enabled state from one central refresh.
class frmLobby : public QWidget, public ui::LobbyServices {
  Q_OBJECT

 public:
  explicit frmLobby(ui::AppState& state, QWidget* parent = nullptr);

  void UpdateNameGrid() { updateNameGrid(); }
  void UpdateCourseGrid() { updateCourseGrid(); }
  // The lists of the Name List and Course Index tabs.
  ui::Grid* nameGrid();
  ui::Grid* courseGrid();

  // What the tabs use.
  QWidget* lobbyWindow() override { return this; }
  ui::WindowFade& lobbyFade() override { return life_.fade(); }
  QTabWidget* tabMain() override { return tabMain_; }
  void refreshButtons() override;
  std::vector<ui::ListedPerson> listedPersons() override;
  QString nameListHeading() override;
  QString nameDisplayCaption() override;
  std::vector<ui::ListedCourse> listedCourses() override;
  void updateNameGrid() override;
  void updateCourseGrid() override;
  void openTrainingHistory(const ui::ListedPerson& person) override;
  bool windowActivated() const override { return activated_; }
  void startFlashing() override { timerFlashButton_.start(); }
  void stopFlashing() override { timerFlashButton_.stop(); }

 protected:
  // The frame's close box asks the quit question instead of closing.
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Activate();
  void tabMain_Click(int index);
  void cmdHelp_Click();
  void cmdBackupRestore_Click();
  void dataRestored();
  void readListsAgain();
  void cmdAdminWindow_Click();
  void cmdQuit_Click();
  // Reads the lists again, for a copy that reads the folder beside the one that changes it.
  void cmdRefresh_Click();
  void timerFlashButton_Timer();
  // Lists again, in place, what other desks changed.
  void listChangesElsewhere(const records::ChangedLists& changed);

  ui::AppState& state_;
  ui::WindowLife life_;
  QTabWidget* tabMain_;
  names::NameListTab* nameTab_;
  courses::CourseIndexTab* courseTab_ = nullptr;
  std::array<ui::LobbyTab*, 4> pages_{};
  QLabel* lblUserInfo_;
  QLabel* lblReadOnly_;
  ui::PellamButton* cmdHelp_;
  ui::PellamButton* cmdBackupRestore_;
  ui::PellamButton* cmdAdminWindow_;
  ui::PellamButton* cmdQuit_;
  ui::PellamButton* cmdRefresh_;
  backup::BackupRestoreMenu* menuBackupRestoreMenu_;
  QTimer timerFlashButton_;
  ui::FlashLevels flash_;
  bool activated_ = false;
  bool leaving_ = false;  // the window closes for good: no quit question
};

}  // namespace vm::app
