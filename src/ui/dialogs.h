// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace vm::ui {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, Close };

enum class Answer { Ok, Cancel, Yes, No, Retry, Other, Close };

// One message box as the user sees it: a title, lines of text joined by line breaks,
// an icon, a fixed set of buttons and the button that Enter presses.
struct Message {
  QString title;
  QString text;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
  Answer defaultButton = Answer::Ok;  // when not one of the set, the first button is the default
  // A further button beside the set, with this caption, that answers Other; none when empty.
  QString otherButton;
};

// Every box, prompt, picker, pop-up menu and modal child window goes through this seam,
// so that tests can answer them from a script and check the exact words.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual Answer message(QWidget* parent, const Message& box) = 0;

  // An input box; Cancel gives an empty text, as does clearing the answer.
  virtual QString input(QWidget* parent, const QString& title, const QString& prompt,
                        const QString& defaultAnswer) = 0;

  // Returns the chosen folder, or an empty text when the user cancels.
  virtual QString browseForFolder(QWidget* parent, const QString& title,
                                  const QString& startFolder) = 0;

  // Asks where to save a file, starting from the given path; the filter names the file
  // types offered ("PDF files (*.pdf)"). Returns the chosen path, or an empty text when the
  // user cancels.
  virtual QString saveFileName(QWidget* parent, const QString& title, const QString& startPath,
                               const QString& filter) = 0;
  // Asks which existing file to open, starting in the given folder; the filter names the file
  // types offered. Returns the chosen path, or an empty text when the user cancels.
  virtual QString openFileName(QWidget* parent, const QString& title, const QString& startFolder,
                               const QString& filter) = 0;

  // Pops the menu up at a global position; returns the chosen action or nullptr.
  virtual QAction* popupMenu(QMenu* menu, const QPoint& globalPos) = 0;

  // Shows a window modally and returns when it has closed.
  virtual void runModal(QWidget* window) = 0;
};

// Helper for the common case of a box with lines joined by line breaks.
inline Message makeMessage(const QString& title, const QString& text, MessageIcon icon,
                           MessageButtons buttons = MessageButtons::Ok,
                           Answer defaultButton = Answer::Ok) {
  return Message{title, text, icon, buttons, defaultButton, QString()};
}

}  // namespace vm::ui
