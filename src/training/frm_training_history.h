// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <string>

#include "store/records.h"
#include "ui/listed_records.h"
#include "ui/window_life.h"

class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;

namespace vm::ui {
struct AppState;
class Grid;
class PellamButton;
}  // namespace vm::ui

namespace vm::training {

enum class EditField;

// One person's training records from the oldest to the newest, the comments of the highlighted
// one, and the commands that edit those comments, change single fields of the record, remove it,
// print the list and open the help. The person is one that the Name List lists, shown by the name
// it lists and read from Name.List when the window opens. While HistoryViewOnly is set at
// opening, nothing can be changed. A person without training records is told so and the window
// closes by itself.
class frmTrainingHistory : public QDialog {
  Q_OBJECT

 public:
  frmTrainingHistory(ui::AppState& state, const ui::ListedPerson& person,
                     QWidget* parent = nullptr);

 protected:
  // Esc ends a comment edit without saving, or else closes the window as cmdReturn does.
  void reject() override;

 private:
  void Form_Activate();
  void gridTraining_RowColChange(int row);
  void txtComments_Change();
  void cmdEditTraining_Click();
  void menuEdit_Click(int index);
  void cmdSaveComments_Click();
  void cmdCancelComments_Click();
  void cmdDeleteTraining_Click();
  void cmdPrintTraining_Click();
  void cmdHelp_Click();
  void cmdReturn_Click();
  // Lists the records again after another desk changed training records, keeping the place; a
  // person left with none is told so and the window closes.
  void listChangesElsewhere();

  // Rebuilds the list from Training.Records; on the first fill highlights the first row. Returns
  // whether the person has training records (otherwise the person was told so).
  bool fillGrid(bool first);
  void setButtons();
  void editField(EditField field);
  void startCommentEdit();
  // Writes a change into the highlighted record through `write` (given its record number), then
  // rebuilds the list with the same row highlighted at the same scroll position.
  template <typename Write>
  void writeBack(Write&& write);
  void highlight(int row, int topRow);
  std::int32_t highlightedRecNum() const;
  // The person whose history this is, as the change log names the person.
  std::string personName() const;

  ui::AppState& state_;
  ui::WindowLife life_;
  const std::int32_t personRecNum_;
  const QString personName_;
  store::NameRecord person_;  // as Name.List holds the person
  const bool viewOnly_;
  ui::Grid* gridTraining_;
  QFrame* picFrame_;
  QLabel* lblComments_;
  QPlainTextEdit* txtComments_;
  QLabel* lblSpaceFull_;
  ui::PellamButton* cmdEditTraining_;
  ui::PellamButton* cmdDeleteTraining_;
  ui::PellamButton* cmdPrintTraining_;
  ui::PellamButton* cmdHelp_;
  ui::PellamButton* cmdReturn_;
  ui::PellamButton* cmdSaveComments_;
  ui::PellamButton* cmdCancelComments_;
  QMenu* menuEditmenu_;
  QString textBeforeEdit_;
  QString captionBeforeEdit_;
  bool editSaved_ = false;
};

}  // namespace vm::training
