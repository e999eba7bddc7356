// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "store/records.h"
#include "ui/record_editor.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace vm::access {

// The user editor: adds a program user to "User.List" or shows one for viewing and editing. The
// admin window opens it modally (ui::openEditor); after a save it gives back the user saved, so the
// admin window refreshes its list and highlights that user.
class frmAddEditUser : public ui::RecordEditor<store::UserRecord> {
  Q_OBJECT

 public:
  static constexpr int kCommentsLimit = 439;
  static inline const QString kPasswordHint = QStringLiteral("<4 to 8 chars only>");

  // `recordNumber` names the user to edit (unused when adding).
  frmAddEditUser(ui::AppState& state, ui::EditorMode mode, int recordNumber,
                 QWidget* parent = nullptr);

 private:
  void buildControls();
  void firstActivation();
  void loadRecord();
  void txtField_Change(int index);
  void optAccessLevel_Click(int index);
  void savingAllowedChanged();
  void cmdSave_Click() override;

  int recordNumber_;
  int selectedLevel_ = 1;
  // The password as loaded, so that a save can tell whether it changed.
  QString loadedPassword_;

  std::array<QLineEdit*, 3> txtField_{};  // first name, last name, password; comments txtField 4
  std::array<QRadioButton*, 4> optAccessLevel_{};
  QLabel* lblDateCreated_ = nullptr;
};

}  // namespace vm::access
