// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "store/records.h"
#include "ui/record_editor.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace vm::names {

// The modal window in which a person of the Name List is added, viewed or edited. What
// may be done depends on the access level: level 1 only looks. After a save it reports the
// save and closes; the opener (ui::openEditor) gets the person saved, rebuilds its list and
// highlights that person.
class frmAddEditName : public ui::RecordEditor<store::NameRecord> {
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
  void cmdSave_Click() override;

  void loadPerson();
  // Shows or enables Save as the mandatory fields allow, after a change.
  void offerChanges();
  bool activeChosen() const;
  void chooseStatus(bool active);
  void styleStatus();
  QString fieldText(int index) const;  // txtField 1 to 5 as stored: trimmed
  void tellListFull();

  std::int32_t recNum_;
  std::int16_t loadedActive_ = -1;

  std::array<QLineEdit*, 5> txtField_{};  // txtField 1 to 5; the comments are txtField 6
  std::array<QRadioButton*, 2> optStatus_{};
  QLabel* lblMandatory_;
  QLabel* lblDateCreated_;
};

}  // namespace vm::names
