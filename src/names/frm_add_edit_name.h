// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "ui/editor_mode.h"
#include "ui/window_life.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace vm::ui {
struct AppState;
class FieldColours;
class PellamButton;
}  // namespace vm::ui

namespace vm::names {

// The modal window in which a person of the Name List is added, viewed or edited. What
// may be done depends on the access level: level 1 only looks. After a save it reports the
// save and closes; the opener then rebuilds its list and highlights the person saved (the
// working copy holds the record written).
class frmAddEditName : public QDialog {
  Q_OBJECT

 public:
  // Input limits of txtField 1 to 6, the widths of the record's fields.
  static constexpr std::array<int, 6> kMaxLength = {15, 15, 20, 30, 20, 890};

  // `recNum` names the person to edit; an added person is appended.
  frmAddEditName(ui::AppState& state, ui::EditorMode mode, std::int32_t recNum,
                 QWidget* parent = nullptr);

 private:
  void Form_Activate();
  void txtField_Change(int index);
  void optStatus_Click();
  void cmdSave_Click();
  void cmdCancel_Click();

  void loadPerson();
  // Shows or enables Save as the mandatory fields allow, after a change.
  void offerSave();
  bool isValid() const;
  bool activeChosen() const;
  void chooseStatus(bool active);
  void styleStatus();
  QString fieldText(int index) const;  // txtField 1 to 5 as stored: trimmed
  void tellListFull();

  ui::AppState& state_;
  ui::WindowLife life_;
  ui::EditorMode mode_;
  std::int32_t recNum_;
  std::int16_t loadedActive_ = -1;
  bool activated_ = false;

  std::array<QLineEdit*, 5> txtField_{};  // txtField 1 to 5
  QPlainTextEdit* txtComments_;           // txtField 6
  std::array<QRadioButton*, 2> optStatus_{};
  QLabel* lblMandatory_;
  QLabel* lblDateCreated_;
  QLabel* lblSpaceFull_;
  ui::PellamButton* cmdSave_;
  ui::PellamButton* cmdCancel_;
  ui::FieldColours* colours_;
};

}  // namespace vm::names
