#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "ui/dialogs.h"

namespace vm::print::testing {

// Answers message boxes and file questions from queues and remembers every box shown.
class FakeDialogs : public ui::Dialogs {
 public:
  std::deque<ui::Answer> answers;
  std::deque<QString> fileNames;
  std::vector<ui::Message> shown;
  std::vector<QString> fileStartPaths;

  ui::Answer message(QWidget*, const ui::Message& box) override {
    shown.push_back(box);
    if (answers.empty()) return ui::Answer::Ok;
    const ui::Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  QString input(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  QString browseForFolder(QWidget*, const QString&, const QString&) override { return {}; }
  QString saveFileName(QWidget*, const QString&, const QString& startPath,
                       const QString&) override {
    fileStartPaths.push_back(startPath);
    if (fileNames.empty()) return {};
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
  }
  QAction* popupMenu(QMenu*, const QPoint&) override { return nullptr; }
  void runModal(QWidget*) override {}
};

}  // namespace vm::print::testing
