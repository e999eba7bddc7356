// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "ui/dialogs.h"

namespace vm::test {

// Answers every box, prompt, picker, menu and modal window from a script and records
// what was shown, so tests can check the exact title, text, icon, buttons and default.
// A box, prompt or picker that the script did not expect fails the test (and is answered
// with its default button, its default answer or Cancel); a menu with no scripted choice
// is closed with nothing chosen. An answer, choice or window driver still unused when the
// script ends fails the test too: what it was meant for never came.
class ScriptedDialogs final : public ui::Dialogs {
 public:
  enum class Kind { Message, Input, Folder, SaveFile, OpenFile, Menu, Modal };

  struct Shown {
    Kind kind = Kind::Message;
    QString title;
    QString text;  // message text, input prompt, or the modal window's objectName
    ui::MessageIcon icon = ui::MessageIcon::None;
    ui::MessageButtons buttons = ui::MessageButtons::Ok;
    ui::Answer defaultButton = ui::Answer::Ok;
    QString otherButton;
    QString defaultAnswer;
  };
  static Shown make(Kind kind, const QString& title, const QString& text = {}) {
    Shown s;
    s.kind = kind;
    s.title = title;
    s.text = text;
    return s;
  }

  ScriptedDialogs() = default;
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
  ~ScriptedDialogs() override;

  void answer(ui::Answer a) { answers_.push_back(a); }
  void answerInput(const QString& text) { inputs_.push_back(text); }
  void answerFolder(const QString& path) { folders_.push_back(path); }
  void answerSaveFile(const QString& path) { saveFiles_.push_back(path); }
  void answerOpenFile(const QString& path) { openFiles_.push_back(path); }
  // Chooses the menu item whose text, without "&", equals `text`.
  void chooseMenuItem(const QString& text) { menuChoices_.push_back(text); }
  // Drives a modal window, found by objectName, while it is shown. Without a driver
  // the window is shown, given its first events, and closed.
  void onModal(const QString& objectName, std::function<void(QWidget*)> drive) {
    drivers_[objectName] = std::move(drive);
  }

  const std::vector<Shown>& shown() const { return shown_; }
  std::vector<Shown> messages() const;
  // The last message box shown; fails the test when there was none.
  Shown lastMessage() const;
  void clear() { shown_.clear(); }

  ui::Answer message(QWidget* parent, const ui::Message& box) override;
  QString input(QWidget* parent, const QString& title, const QString& prompt,
                const QString& defaultAnswer) override;
  QString browseForFolder(QWidget* parent, const QString& title,
                          const QString& startFolder) override;
  QString saveFileName(QWidget* parent, const QString& title, const QString& startPath,
                       const QString& filter) override;
  QString openFileName(QWidget* parent, const QString& title, const QString& startFolder,
                       const QString& filter) override;
  QAction* popupMenu(QMenu* menu, const QPoint& globalPos) override;
  void runModal(QWidget* window) override;

 private:
  std::deque<ui::Answer> answers_;
  std::deque<QString> inputs_;
  std::deque<QString> folders_;
  std::deque<QString> saveFiles_;
  std::deque<QString> openFiles_;
  std::deque<QString> menuChoices_;
  std::map<QString, std::function<void(QWidget*)>> drivers_;
  std::set<QString> driven_;
  std::vector<Shown> shown_;
};

}  // namespace vm::test
