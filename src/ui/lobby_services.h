// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTabWidget;
class QWidget;

namespace vm::ui {

class Grid;
class WindowFade;

// What the main window offers the tabs it holds. The tabs live in their own folders
// (names, courses, search) and reach the main window only through this. Buttons are
// found by their objectName within lobbyWindow(): the central refresh sets every button
// it knows by name, so a tab only has to name its buttons as the refresh does.
class LobbyServices {
 public:
  virtual ~LobbyServices() = default;

  // The main window itself: the parent of its message boxes and modal windows.
  virtual QWidget* lobbyWindow() = 0;
  virtual WindowFade& lobbyFade() = 0;
  // The tab control `tabMain`: tab 0 Name List, 1 Course Index, 2 search and summary
  // options, 3 the results.
  virtual QTabWidget* tabMain() = 0;

  // The central refresh of every button's caption, tool tip, visibility and enabled state.
  virtual void refreshButtons() = 0;

  // The Name List grid: the persons currently listed, on whom crediting, searching and
  // the annual summary work.
  virtual Grid* nameGrid() = 0;
  virtual Grid* courseGrid() = 0;
  // The caption of the Name List's display choice ("Active Persons", ...).
  virtual QString nameDisplayCaption() = 0;
  // Rebuild the lists (after a restore, a person deletion, a course change).
  virtual void updateNameGrid() = 0;
  virtual void updateCourseGrid() = 0;
  // Opens the training history of the person highlighted in `source` (display name in column 0,
  // record number in Name.List in column 4) over the main window; read-only while
  // HistoryViewOnly is set.
  virtual void openTrainingHistory(Grid* source) = 0;

  // Whether the main window's first activation has run.
  virtual bool windowActivated() const = 0;

  // The flashing of `cmdQuitSearching` (during a course find) or, while the results tab
  // is available, of `cmdFinishedSummary`.
  virtual void startFlashing() = 0;
  virtual void stopFlashing() = 0;
};

}  // namespace vm::ui
