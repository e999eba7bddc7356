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

namespace vm::ui {
struct AppState;
class FieldColours;
class PellamButton;
}  // namespace vm::ui

namespace vm::courses {

// The course editor: adds a course, or shows the highlighted one for viewing or editing (viewing
// only at access level 1). On saving it reports the save, leaves the saved course in the course
// working copy, and offers to carry an edit into the course's training records.
class frmAddEditCourse : public QDialog {
  Q_OBJECT

 public:
  // `recNum` is the course shown in the view/edit mode; the add mode appends.
  frmAddEditCourse(ui::AppState& state, ui::EditorMode mode, std::int32_t recNum,
                   QWidget* parent = nullptr);

 private:
  void Form_Activate();
  void loadCourse();
  void txtField_Change(int index);
  void cmdSave_Click();
  void cmdCancel_Click();
  void cmdHelp_Click();

  bool isAddMode() const { return mode_ == ui::EditorMode::Add; }
  bool entryComplete() const;
  // Refuses what cannot be saved, with the reason, and puts the focus where it lies.
  bool refuseEntry();
  void refuse(const QString& text, QWidget* focus);

  ui::AppState& state_;
  ui::WindowLife life_;
  const ui::EditorMode mode_;
  const std::int32_t recNum_;             // the course shown in the view/edit mode
  std::array<QLineEdit*, 4> txtField_{};  // Course Code, Name of Course, Provided by, Hours
  QPlainTextEdit* txtComments_;           // txtField5
  QLabel* lblMandatory_;
  QLabel* lblDateCreated_;
  QLabel* lblSpaceFull_;
  ui::PellamButton* cmdSave_;
  ui::PellamButton* cmdCancel_;
  ui::PellamButton* cmdHelp_;
  ui::FieldColours* colours_;
  bool activated_ = false;
};

}  // namespace vm::courses
