// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "ui/listed_records.h"

class QTabWidget;
class QWidget;

namespace vm::ui {

class WindowFade;

// What the main window offers the tabs it holds. The tabs live in their own folders
// (names, courses, search) and reach the main window, and each other, only through this: what one
// tab's list shows comes to the others as typed values, never as its grid. Buttons are
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

  // The persons the Name List lists, in its order: those on whom crediting, searching, the
  // annual summary, the matrix and the renewals work.
  virtual std::vector<ListedPerson> listedPersons() = 0;
  // The heading of the Name List's names ("List of all active persons").
  virtual QString nameListHeading() = 0;
  // The caption of the Name List's display choice ("Active Persons", ...).
  virtual QString nameDisplayCaption() = 0;
  // The courses the Course Index lists, in its order.
  virtual std::vector<ListedCourse> listedCourses() = 0;
  // Rebuild the lists (after a restore, a person deletion, a course change).
  virtual void updateNameGrid() = 0;
  virtual void updateCourseGrid() = 0;
  // Opens the person's training history over the main window; read-only while HistoryViewOnly
  // is set.
  virtual void openTrainingHistory(const ListedPerson& person) = 0;

  // Whether the main window's first activation has run.
  virtual bool windowActivated() const = 0;

  // The flashing of `cmdQuitSearching` (during a course find) or, while the results tab
  // is available, of `cmdFinishedSummary`.
  virtual void startFlashing() = 0;
  virtual void stopFlashing() = 0;
};

}  // namespace vm::ui
