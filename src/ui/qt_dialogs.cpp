// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_dialogs.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

namespace vm::ui {
namespace {

QMessageBox::StandardButton standardButton(Answer a) {
  switch (a) {
    case Answer::Ok:
      return QMessageBox::Ok;
    case Answer::Cancel:
      return QMessageBox::Cancel;
    case Answer::Yes:
      return QMessageBox::Yes;
    case Answer::No:
      return QMessageBox::No;
    case Answer::Retry:
      return QMessageBox::Retry;
    case Answer::Close:
      return QMessageBox::Close;
    case Answer::Other:
      break;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon standardIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None:
      return QMessageBox::NoIcon;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Information:
      return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

// Ends a local event loop when the watched window is hidden or destroyed.
class CloseWatcher : public QObject {
 public:
  CloseWatcher(QWidget* window, QEventLoop& loop) : loop_(loop) {
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
  }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Hide) loop_.quit();
    return false;
  }

 private:
  QEventLoop& loop_;
};

}  // namespace

QList<Answer> buttonsOf(MessageButtons set) {
  switch (set) {
    case MessageButtons::Ok:
      return {Answer::Ok};
    case MessageButtons::OkCancel:
      return {Answer::Ok, Answer::Cancel};
    case MessageButtons::YesNo:
      return {Answer::Yes, Answer::No};
    case MessageButtons::YesNoCancel:
      return {Answer::Yes, Answer::No, Answer::Cancel};
    case MessageButtons::RetryCancel:
      return {Answer::Retry, Answer::Cancel};
    case MessageButtons::Close:
      return {Answer::Close};
  }
  return {Answer::Ok};
}

QList<Answer> answersOf(const Message& box) {
  QList<Answer> answers = buttonsOf(box.buttons);
  if (!box.otherButton.isEmpty()) answers.append(Answer::Other);
  return answers;
}

Answer effectiveDefault(const Message& box) {
  const QList<Answer> set = buttonsOf(box.buttons);
  return set.contains(box.defaultButton) ? box.defaultButton : set.front();
}

Answer QtDialogs::message(QWidget* parent, const Message& box) {
  QMessageBox mb(standardIcon(box.icon), box.title, box.text, QMessageBox::NoButton, parent);
  for (Answer a : buttonsOf(box.buttons)) mb.addButton(standardButton(a));
  QPushButton* other =
      box.otherButton.isEmpty() ? nullptr : mb.addButton(box.otherButton, QMessageBox::ActionRole);
  mb.setDefaultButton(standardButton(effectiveDefault(box)));
  mb.exec();
  if (other && mb.clickedButton() == other) return Answer::Other;
  const QMessageBox::StandardButton chosen = mb.standardButton(mb.clickedButton());
  for (Answer a : buttonsOf(box.buttons))
    if (standardButton(a) == chosen) return a;
  // Closed by Esc or the close box: the box's Cancel, else its last button.
  const QList<Answer> set = buttonsOf(box.buttons);
  return set.contains(Answer::Cancel) ? Answer::Cancel : set.back();
}

QString QtDialogs::input(QWidget* parent, const QString& title, const QString& prompt,
                         const QString& defaultAnswer) {
  QInputDialog box(parent);
  box.setWindowTitle(title);
  box.setLabelText(prompt);
  box.setTextValue(defaultAnswer);
  // Wide enough for the whole title in the frame and a comfortable answer field.
  box.setMinimumWidth(std::max(380, box.fontMetrics().horizontalAdvance(title) + 160));
  return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

QString QtDialogs::browseForFolder(QWidget* parent, const QString& title,
                                   const QString& startFolder) {
  // A prompt of several lines reads as one sentence in the picker's title bar.
  return QFileDialog::getExistingDirectory(parent, QString(title).replace('\n', ' '), startFolder);
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& title, const QString& startPath,
                                const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, startPath, filter);
}

QString QtDialogs::openFileName(QWidget* parent, const QString& title, const QString& startFolder,
                                const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, startFolder, filter);
}

QAction* QtDialogs::popupMenu(QMenu* menu, const QPoint& globalPos) {
  return menu->exec(globalPos);
}

void QtDialogs::runModal(QWidget* window) {
  if (auto* dialog = qobject_cast<QDialog*>(window)) {
    dialog->exec();
    return;
  }
  QPointer<QWidget> guard(window);
  window->setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  CloseWatcher watcher(window, loop);
  window->show();
  if (guard && guard->isVisible()) loop.exec();
}

}  // namespace vm::ui
