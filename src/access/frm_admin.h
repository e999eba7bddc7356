// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "access/admin_buttons.h"
#include "ui/editor_mode.h"
#include "ui/flash_levels.h"

class QCheckBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QTimer;

namespace vm::ui {
struct AppState;
class Grid;
class PellamButton;
class WindowLife;
}  // namespace vm::ui

namespace vm::access {

// The gate of the program: lists the users of "User.List", logs one of them in with his password
// and hands over to the main window (AppState::showMainWindow). After the administrator's access
// code it maintains the user list and shows the user log. A new one is made for every visit
// (AppState::showAdminWindow); it deletes itself when it closes.
class frmAdmin : public QWidget {
  Q_OBJECT

 public:
  explicit frmAdmin(ui::AppState& state, QWidget* parent = nullptr);

  // Refills the user grid from "User.List".
  void UpdateUserGrid();
  // Shows, hides and captions the commands for the window's state.
  void UpdateAdminButtons();

  AdminMode mode() const { return mode_; }
  // Whether the set-up of the first activation has run.
  bool activated() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void prepareFading();
  void firstActivation();
  AdminView view() const;
  void applyLook(ui::PellamButton* button, const ButtonLook& look);
  int currentRecNum() const;
  void selectRowWhere(int column, const QString& text);

  void cmdAdmin_Click();
  void cmdAddUser_Click();
  void cmdEditUser_Click();
  void openEditor(ui::EditorMode mode);
  void cmdDeleteUser_Click();
  void cmdReviewUserLog_Click();
  void cmdReviewChangeLog_Click();
  void cmdUserSelected_Click();
  void txtPassword_Change();
  void cmdContinue_Click();
  void cmdCancel_Click();
  void grid_DblClick();
  void grid_MouseMove(int row);
  void chkFadeStatus_Click();
  void cmdHelp_Click();
  void cmdQuit_Click();
  void showAccessCode();
  void timerFlashButton_Timer();

  ui::AppState& state_;
  ui::WindowLife* life_;
  QString adminAccessCode_;
  AdminMode mode_ = AdminMode::Selection;
  bool firstActivationRunning_ = false;
  bool leaving_ = false;  // closing for the log-in or for the end of the program
  QString captionBeforeLog_;
  ui::FlashLevels flash_;
  QTimer* timerFlashButton_ = nullptr;

  ui::Grid* grid_ = nullptr;
  QPlainTextEdit* txtUserLog_ = nullptr;
  QLineEdit* txtPassword_ = nullptr;
  QFrame* fraFadeStatus_ = nullptr;
  QCheckBox* chkFadeStatus_ = nullptr;
  ui::PellamButton* cmdAdmin_ = nullptr;
  ui::PellamButton* cmdHelp_ = nullptr;
  ui::PellamButton* cmdQuit_ = nullptr;
  ui::PellamButton* cmdAddUser_ = nullptr;
  ui::PellamButton* cmdEditUser_ = nullptr;
  ui::PellamButton* cmdDeleteUser_ = nullptr;
  ui::PellamButton* cmdUserSelected_ = nullptr;
  ui::PellamButton* cmdReviewUserLog_ = nullptr;
  ui::PellamButton* cmdReviewChangeLog_ = nullptr;
  ui::PellamButton* cmdContinue_ = nullptr;
  ui::PellamButton* cmdCancel_ = nullptr;
};

}  // namespace vm::access
