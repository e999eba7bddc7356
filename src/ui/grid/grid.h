// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>
#include <functional>
#include <vector>

#include "ui/grid/grid_model.h"

namespace vm::ui {

// The list grid of every window: a header row from a format string, data rows counted
// from 1 (row 0 is the header, as the windows speak of it), hidden working columns
// (identities, sort keys, record numbers), shading, a case-insensitive sort, and a
// current row whose visible columns are highlighted.
//
// Columns are counted as the format gives them, hidden ones included, by every function
// here (the column functions of the table view below are replaced by ones that count so).
// Hidden columns are not part of the table the view shows, so assistive technology sees
// only what is on screen. The highlighted row is the current row whoever chooses it: a
// row that assistive technology selects becomes current, as a click makes it.
class Grid : public QTableView {
  Q_OBJECT

 public:
  static inline const QColor kShade{240, 240, 240};

  explicit Grid(QWidget* parent = nullptr);

  // Resets to the header row only, with the columns, headers and alignments of the
  // format ("<" left, ">" right, "^" centre, separated by "|").
  void reset(const QString& format);
  // Replaces all data rows at once; the fast way to fill.
  void setRows(std::vector<QStringList> rows);
  void addRow(const QStringList& cells);

  int rows() const { return model_->rowCount(); }  // data rows
  int cols() const { return model_->columns(); }   // hidden ones included
  QString text(int row, int column) const;         // row >= 1
  void setText(int row, int column, const QString& text);
  QString headerText(int column) const { return model_->headerText(column); }
  void setHeaderText(int column, const QString& text) { model_->setHeaderText(column, text); }

  void hideColumn(int column) { model_->setColumnHidden(column, true); }
  void setColumnHidden(int column, bool hidden) { model_->setColumnHidden(column, hidden); }
  bool isColumnHidden(int column) const { return model_->isColumnHidden(column); }
  // A hidden column has no width.
  int columnWidth(int column) const;
  void setColumnWidth(int column, int width);
  // A hidden column whose text the window shows elsewhere (the comments of the highlighted
  // training record, under the list): exports and copies take it after the visible columns.
  // Until the next reset.
  void alsoExport(int column) { alsoExported_.push_back(column); }
  const std::vector<int>& alsoExported() const { return alsoExported_; }
  void setColumnWidthTwips(int column, int twips);
  // Widens the column so that the visible columns fill the grid and the hidden working
  // columns after it never come into view; kept so on resizes.
  void fillWidthWith(int column);
  // Sets the height to n rows of the grid's row height, the header row counting as one.
  void setHeightInRows(int n);

  void sortByColumn(int column) { model_->sortByColumn(column); }
  // Shades the 2nd, 4th, ... data rows RGB 240,240,240 in columns first..last.
  void shadeAlternateRows(int firstColumn, int lastColumn);
  QColor cellBackground(int row, int column) const { return model_->background(row - 1, column); }

  // The current data row, 0 when there is none.
  int currentRow() const;
  // Makes a data row current and highlights it; with `toTop` it becomes the top row.
  void selectRow(int row, bool toTop = true);
  int topRow() const;
  // The data row under a point of the viewport, 0 over the header or empty space.
  int rowAt(const QPoint& viewportPos) const;

  GridModel* gridModel() const { return model_; }

  // A command of the window's own in the grid's pop-up menu, after the commands every grid
  // offers (grid_menu.h), shown while `offered` says so.
  struct MenuCommand {
    QString caption;
    std::function<bool()> offered;
    std::function<void()> run;
  };
  void addMenuCommand(MenuCommand command) { menuCommands_.push_back(std::move(command)); }
  const std::vector<MenuCommand>& menuCommands() const { return menuCommands_; }

 signals:
  // The current data row changed (0: none). Named after the handlers that react to it.
  void rowColChange(int row);
  void rowDoubleClicked(int row);
  // The pointer moved over the grid: the data row under it, 0 for none or the header.
  void mouseOverRow(int row);

 protected:
  bool viewportEvent(QEvent* event) override;
  // The menu and keys of every grid: copy the selected rows, export the list (grid_menu.h).
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void applyFill();
  void followSelection(const QItemSelection& selected);

  GridModel* model_;
  bool choosing_ = false;  // the grid itself is choosing its current row
  int fillColumn_ = -1;
  int fillBase_ = 0;
  std::vector<int> alsoExported_;
  std::vector<MenuCommand> menuCommands_;
};

}  // namespace vm::ui
