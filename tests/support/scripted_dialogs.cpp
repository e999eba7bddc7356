// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include "ui/qt_dialogs.h"

namespace vm::test {

ScriptedDialogs::~ScriptedDialogs() {
  const auto unused = [](const char* what, std::size_t left) {
    if (left > 0) ADD_FAILURE() << left << " scripted " << what << " never used";
  };
  unused("message box answer(s)", answers_.size());
  unused("input box answer(s)", inputs_.size());
  unused("folder choice(s)", folders_.size());
  unused("file name(s)", saveFiles_.size());
  unused("file(s) to open", openFiles_.size());
  unused("menu choice(s)", menuChoices_.size());
  for (const auto& [name, driver] : drivers_)
    if (!driven_.contains(name))
      ADD_FAILURE() << "the scripted window " << name.toStdString() << " never opened";
}

std::vector<ScriptedDialogs::Shown> ScriptedDialogs::messages() const {
  std::vector<Shown> out;
  for (const Shown& s : shown_)
    if (s.kind == Kind::Message) out.push_back(s);
  return out;
}

ScriptedDialogs::Shown ScriptedDialogs::lastMessage() const {
  const auto all = messages();
  if (all.empty()) {
    ADD_FAILURE() << "no message box was shown";
    return {};
  }
  return all.back();
}

ui::Answer ScriptedDialogs::message(QWidget*, const ui::Message& box) {
  const ui::Answer def = ui::effectiveDefault(box);
  Shown s = make(Kind::Message, box.title, box.text);
  s.icon = box.icon;
  s.buttons = box.buttons;
  s.defaultButton = def;
  s.otherButton = box.otherButton;
  shown_.push_back(s);
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected message box \"" << box.title.toStdString()
                  << "\": " << box.text.toStdString();
    return def;
  }
  const ui::Answer a = answers_.front();
  answers_.pop_front();
  EXPECT_TRUE(ui::answersOf(box).contains(a))
      << "scripted answer is not a button of \"" << box.title.toStdString() << "\"";
  return a;
}

QString ScriptedDialogs::input(QWidget*, const QString& title, const QString& prompt,
                               const QString& defaultAnswer) {
  Shown s = make(Kind::Input, title, prompt);
  s.defaultAnswer = defaultAnswer;
  shown_.push_back(s);
  if (inputs_.empty()) {
    ADD_FAILURE() << "unexpected input box \"" << title.toStdString() << "\"";
    return defaultAnswer;
  }
  const QString text = inputs_.front();
  inputs_.pop_front();
  return text;
}

QString ScriptedDialogs::browseForFolder(QWidget*, const QString& title, const QString&) {
  shown_.push_back(make(Kind::Folder, title));
  if (folders_.empty()) {
    ADD_FAILURE() << "unexpected folder picker \"" << title.toStdString() << "\"";
    return {};
  }
  const QString path = folders_.front();
  folders_.pop_front();
  return path;
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& title, const QString& startPath,
                                      const QString&) {
  Shown s = make(Kind::SaveFile, title);
  s.defaultAnswer = startPath;
  shown_.push_back(s);
  if (saveFiles_.empty()) {
    ADD_FAILURE() << "unexpected file picker \"" << title.toStdString() << "\"";
    return {};
  }
  const QString path = saveFiles_.front();
  saveFiles_.pop_front();
  return path;
}

QString ScriptedDialogs::openFileName(QWidget*, const QString& title, const QString& startFolder,
                                      const QString&) {
  Shown s = make(Kind::OpenFile, title);
  s.defaultAnswer = startFolder;
  shown_.push_back(s);
  if (openFiles_.empty()) {
    ADD_FAILURE() << "unexpected file picker \"" << title.toStdString() << "\"";
    return {};
  }
  const QString path = openFiles_.front();
  openFiles_.pop_front();
  return path;
}

QAction* ScriptedDialogs::popupMenu(QMenu* menu, const QPoint&) {
  shown_.push_back(make(Kind::Menu, menu->title()));
  if (menuChoices_.empty()) return nullptr;
  const QString want = menuChoices_.front();
  menuChoices_.pop_front();
  for (QAction* a : menu->actions()) {
    if (QString(a->text()).remove('&') == want) {
      a->trigger();
      return a;
    }
  }
  ADD_FAILURE() << "menu has no item " << want.toStdString();
  return nullptr;
}

void ScriptedDialogs::runModal(QWidget* window) {
  QPointer<QWidget> guard(window);
  window->show();
  QApplication::processEvents();
  if (!guard) return;
  shown_.push_back(make(Kind::Modal, window->windowTitle(), window->objectName()));
  const auto driver = drivers_.find(window->objectName());
  if (guard && driver != drivers_.end()) {
    driven_.insert(driver->first);
    driver->second(window);
  }
  QApplication::processEvents();
  if (guard && guard->isVisible()) guard->close();
  QApplication::processEvents();
}

}  // namespace vm::test
