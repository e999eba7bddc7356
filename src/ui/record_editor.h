// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

#include "ui/editor_mode.h"
#include "ui/open_modal.h"
#include "ui/window_life.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace vm::ui {

struct AppState;
class FieldColours;
class PellamButton;

// What the add/edit windows of users, persons and courses do alike: the mode they were opened
// in, the colours of their fields, Save and Cancel, the boxes that must be filled in before Save
// is offered, the comments box with its limit and gauge, and the first activation. Each window
// makes its controls itself, in its own order (which is the order Tab visits them unless the
// window says otherwise), lays them out and words its captions; it hands them over here.
class EditorWindow : public QDialog {
  Q_OBJECT

 public:
  EditorWindow(AppState& state, EditorMode mode, QWidget* parent);

 protected:
  bool isAddMode() const { return mode_ == EditorMode::Add; }

  // Save and Cancel in the common look: Save starts hidden and runs cmdSave_Click; Esc presses
  // Cancel, which closes the window.
  void makeSaveAndCancel();
  virtual void cmdSave_Click() = 0;
  void cmdCancel_Click();

  // The comments box, its fill gauge and the most characters it keeps as stored.
  void useComments(QPlainTextEdit* box, QLabel* gauge, qsizetype limit);
  // After a change of the comments box: takes back what went beyond the limit, and says so (the
  // box then reports a second change, which is the one to act on).
  bool commentsTakenBack();
  void showCommentsFill();

  // The boxes without which Save is not offered.
  void setMandatory(std::vector<const QLineEdit*> boxes) { mandatory_ = std::move(boxes); }
  bool entryComplete() const;
  // What a change does to Save (ui::offerSave); returns whether Save is shown.
  bool offerSave();

  // Saves the edited record through `save`. When another user changed the record after this
  // window read it, nothing is saved: the user is told, and `reload` shows the record as it now
  // is; when another user removed it, the window closes. Returns whether the record was saved.
  bool saveEdit(const std::function<void()>& save, const std::function<void()>& reload);

  // At the first activation: `setUp`, then the window counts as activated, the first box takes
  // the focus unless it is locked for viewing, and the window fades in.
  void onFirstActivation(QLineEdit* firstBox, std::function<void()> setUp);
  bool activated() const { return activated_; }

  AppState& state_;
  WindowLife life_;
  const EditorMode mode_;
  FieldColours* colours_;
  PellamButton* cmdSave_ = nullptr;
  PellamButton* cmdCancel_ = nullptr;
  QPlainTextEdit* txtComments_ = nullptr;
  QLabel* lblSpaceFull_ = nullptr;

 private:
  qsizetype commentsLimit_ = 0;
  std::vector<const QLineEdit*> mandatory_;
  bool activated_ = false;
};

// An editor of one type of record, which gives back the record it saved (openEditor).
template <typename R>
class RecordEditor : public EditorWindow {
 public:
  using Record = R;
  using EditorWindow::EditorWindow;

  // Where the saved record goes; nothing to stop giving it.
  void giveSavedTo(std::optional<Record>* saved) { saved_ = saved; }

 protected:
  // The record is on file: it goes to the opener, which is told that the window saved.
  void reportSaved(const Record& record) {
    if (saved_) *saved_ = record;
    life_.reportRecordSaved();
  }

 private:
  std::optional<Record>* saved_ = nullptr;
};

// Opens an editor modally over the opener (ui::openModal) and returns, once it has closed, the
// record it saved as it is on file (its DateCreated the record's identity); nothing when it closed
// without saving.
template <typename Editor>
std::optional<typename Editor::Record> openEditor(AppState& state, QWidget* opener,
                                                  Editor* editor) {
  std::optional<typename Editor::Record> saved;
  const QPointer<Editor> open(editor);
  editor->giveSavedTo(&saved);
  openModal(state, opener, editor);
  if (open) open->giveSavedTo(nullptr);
  return saved;
}

}  // namespace vm::ui
