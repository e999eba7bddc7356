// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialogs.h"

namespace vm::ui {

// The real boxes, prompts and pickers of the platform.
class QtDialogs final : public Dialogs {
 public:
  Answer message(QWidget* parent, const Message& box) override;
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
};

// The buttons of a set, in the order they are shown; every answer a box can give; and the
// button that Enter presses.
QList<Answer> buttonsOf(MessageButtons set);
QList<Answer> answersOf(const Message& box);
Answer effectiveDefault(const Message& box);

}  // namespace vm::ui
