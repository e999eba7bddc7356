// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

#include "ui/editor_mode.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace vm::ui {
struct AppState;
class FieldColours;
class PellamButton;
class WindowLife;
}  // namespace vm::ui

namespace vm::access {

// The user editor: adds a program user to "User.List" or shows one for viewing and editing. The
// admin window opens it modally; after a save it reports the save, so the admin window refreshes
// its list.
class frmAddEditUser : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kCommentsLimit = 439;
  static inline const QString kPasswordHint = QStringLiteral("<4 to 8 chars only>");

  // `recordNumber` names the user to edit (unused when adding).
  frmAddEditUser(ui::AppState& state, ui::EditorMode mode, int recordNumber,
                 QWidget* parent = nullptr);

 private:
  bool addMode() const { return mode_ == ui::EditorMode::Add; }
  void buildControls();
  void firstActivation();
  void loadRecord();
  bool mandatoryPresent() const;
  void txtField_Change(int index);
  void optAccessLevel_Click(int index);
  void savingAllowedChanged();
  void cmdSave_Click();
  void cmdCancel_Click();

  ui::AppState& state_;
  const ui::EditorMode mode_;
  int recordNumber_;
  ui::WindowLife* life_;
  ui::FieldColours* colours_;
  bool activated_ = false;
  int selectedLevel_ = 1;

  std::array<QLineEdit*, 3> txtField_{};   // first name, last name, password
  QPlainTextEdit* txtComments_ = nullptr;  // txtField 4
  std::array<QRadioButton*, 4> optAccessLevel_{};
  QLabel* lblDateCreated_ = nullptr;
  QLabel* lblSpaceFull_ = nullptr;
  ui::PellamButton* cmdSave_ = nullptr;
  ui::PellamButton* cmdCancel_ = nullptr;
};

}  // namespace vm::access
