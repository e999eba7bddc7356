// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QTextEdit;

namespace vm::ui {
struct AppState;
class PellamButton;
class WindowLife;
}  // namespace vm::ui

namespace vm::access {

// The overview for new users, shown modally by the title window until the user ticks "Don't show
// this screen again" (the setting "NewUser" = "NoShow").
class frmNewUser : public QDialog {
  Q_OBJECT

 public:
  explicit frmNewUser(ui::AppState& state, QWidget* parent = nullptr);

 private:
  void firstActivation();
  void cmdContinue_Click();

  ui::AppState& state_;
  ui::WindowLife* life_;
  QTextEdit* txtBox_ = nullptr;
  QCheckBox* chkNoShow_ = nullptr;
  ui::PellamButton* cmdContinue_ = nullptr;
};

}  // namespace vm::access
