// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "store/records.h"
#include "ui/record_editor.h"

class QLabel;
class QLineEdit;

namespace vm::courses {

// The course editor: adds a course, or shows the highlighted one for viewing or editing (viewing
// only at access level 1). On saving it reports the save, gives the saved course to its opener
// (ui::openEditor), and offers to carry an edit into the course's training records.
class frmAddEditCourse : public ui::RecordEditor<store::CourseRecord> {
  Q_OBJECT

 public:
  // `recNum` is the course shown in the view/edit mode; the add mode appends.
  frmAddEditCourse(ui::AppState& state, ui::EditorMode mode, std::int32_t recNum,
                   QWidget* parent = nullptr);

 private:
  void Form_Activate();
  void loadCourse();
  void txtField_Change(int index);
  void cmdSave_Click() override;
  void cmdHelp_Click();

  // Refuses what cannot be saved, with the reason, and puts the focus where it lies.
  bool refuseEntry();
  void refuse(const QString& text, QWidget* focus);

  const std::int32_t recNum_;             // the course shown in the view/edit mode
  std::array<QLineEdit*, 4> txtField_{};  // Course Code, Name of Course, Provided by, Hours;
                                          // the comments are txtField5
  QLabel* lblMandatory_ = nullptr;
  QLabel* lblDateCreated_ = nullptr;
  ui::PellamButton* cmdHelp_ = nullptr;
};

}  // namespace vm::courses
