// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "print/print_surface.h"
#include "ui/help/help_menu.h"
#include "ui/open_link.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;

namespace vm::ui {

struct AppState;
class Dialogs;
class PellamButton;

class WindowLife;

// The help window: shows one help topic at a time, offers every topic, the
// About box and the maker's links through the help topics menu, and prints the
// topic shown. It opens on the menu item whose index is in HelpTopic.
class frmManual : public QWidget {
  Q_OBJECT

 public:
  // Runs one printout: the body prints on the surface it is given
  // (ui/print_job.h).
  using PrintJob = std::function<bool(QWidget* window, Dialogs& dialogs,
                                      const std::function<void(print::PrintSurface&)>& body)>;

  frmManual(AppState& state, QWidget* owner = nullptr);

  // Where printouts and links go: by default the default printer (or a PDF) and
  // the platform's shell.
  void setPrintJob(PrintJob job) { printJob_ = std::move(job); }
  void setUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }

  // The menu index of the topic shown, 0 before the first.
  int currentTopic() const { return currentTopic_; }
  QMenu* menuHelpMenu() const { return menuHelpMenu_; }
  WindowLife& life() const { return *life_; }

 private:
  void Form_FirstActivation();
  void menuHelpTopic_Click(int index);
  void cmdHelpTopic_Click();
  void cmdPrintHelp_Click();
  void cmdReturn_Click();

  void buildMenu();
  void showTopic(int index);
  const help::HelpMenuItem& item(int index) const { return items_[index - 1]; }

  AppState& state_;
  WindowLife* life_;
  std::vector<help::HelpMenuItem> items_;
  QString aboutText_;
  int currentTopic_ = 0;

  QLabel* labelHelpTopic_;
  QPlainTextEdit* txtManual_;
  PellamButton* cmdHelpTopic_;
  PellamButton* cmdPrintHelp_;
  PellamButton* cmdReturn_;
  QMenu* menuHelpMenu_;
  std::vector<QAction*> menuHelpTopic_;  // by index from 1 (element 0 is index 1)

  PrintJob printJob_;
  UrlOpener openUrl_;
};

// Opens the help window modally over the owner's window on the topic in
// HelpTopic; the owner dims meanwhile when fading is on. The window is
// discarded when it closes.
void showHelpViewer(AppState& state, QWidget* owner);

}  // namespace vm::ui
