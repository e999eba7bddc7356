// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "ui/editor_mode.h"
#include "ui/listed_records.h"
#include "ui/lobby_tab.h"

namespace vm::ui {
struct AppState;
class Grid;
class LobbyServices;
class PellamButton;
}  // namespace vm::ui

namespace vm::courses {

// The Course Index tab of the main window: every course of Course.Index in course-code order,
// category headings with an empty Hours cell, a find that walks through the matching courses, and
// the commands that add, view, edit, remove, credit and print. The highlighted row is the course
// those commands act on. Captions, tool tips, visibility and enabling of the buttons come from the
// main window's central refresh.
class CourseIndexTab : public ui::LobbyTab {
  Q_OBJECT

 public:
  CourseIndexTab(ui::AppState& state, ui::LobbyServices& lobby, QWidget* parent = nullptr);

  // Rebuilds gridCourse from Course.Index; hidden when there is no course.
  void UpdateCourseGrid();

  void updateList() override { UpdateCourseGrid(); }
  ui::Grid* grid() override { return gridCourse_; }
  QList<QWidget*> tabOrder() override;
  void tabClicked() override;

  // The courses listed, in the list's order.
  std::vector<ui::ListedCourse> listedCourses() const;

  // The text of the last find, offered again by the next one.
  const QString& findText() const { return findText_; }

 private:
  void cmdSearch_Click();
  void cmdQuitSearching_Click();
  void cmdCreditTraining_Click();
  void cmdAddCourse_Click();
  void cmdEditCourse_Click();
  void cmdDeleteCourse_Click();
  void cmdPrintCourseIndex_Click();
  void gridcourse_DblClick(int row);
  void gridCourse_MouseMove(int row);
  void gridCourse_RowColChange(int row);

  void enterFindMode();
  void findNext();
  // Opens the course editor over the main window; when it saved, rebuilds the
  // list and highlights the course saved.
  void openEditor(ui::EditorMode mode, std::int32_t recNum);
  // Highlights the course row at the top of the visible rows.
  void highlight(int row);
  bool isRowVisible(int row) const;
  std::int32_t highlightedRecNum() const;

  ui::AppState& state_;
  ui::LobbyServices& lobby_;
  ui::Grid* gridCourse_;
  ui::PellamButton* cmdSearch_;
  ui::PellamButton* cmdQuitSearching_;
  ui::PellamButton* cmdCreditTraining_;
  ui::PellamButton* cmdAddCourse_;
  ui::PellamButton* cmdEditCourse_;
  ui::PellamButton* cmdDeleteCourse_;
  ui::PellamButton* cmdPrintCourseIndex_;
  QString findText_;
};

}  // namespace vm::courses
