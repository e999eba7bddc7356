// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>

namespace vm::ui {

class Grid;

// One page of the main window's tab control. The main window creates its four pages and
// calls these; a page that has no list or no reaction keeps the defaults.
class LobbyTab : public QWidget {
 public:
  using QWidget::QWidget;

  // Rebuilds the list the page shows (first activation of the main window, a restore).
  virtual void updateList() {}
  // The page's list grid, or nullptr.
  virtual Grid* grid() { return nullptr; }
  // The user chose this tab, after the main window's first activation.
  virtual void tabClicked() {}
  // The page's controls in the order Tab visits them, as the page shows them; the main
  // window puts them between its tab bar and its own buttons.
  virtual QList<QWidget*> tabOrder() { return {}; }
  // The help topic of what the page shows now (a menu index of the help topics menu), or 0 for
  // the main window's topic of the tab.
  virtual int helpTopic() const { return 0; }
};

}  // namespace vm::ui
