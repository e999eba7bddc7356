// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/grid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

#include "ui/grid/grid_menu.h"

namespace vm::ui {

Grid::Grid(QWidget* parent) : QTableView(parent), model_(new GridModel(this)) {
  setModel(model_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Tab leaves the grid for the next control, as in any list; the arrow keys move the row.
  setTabKeyNavigation(false);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setAlternatingRowColors(false);
  setMouseTracking(true);
  viewport()->setMouseTracking(true);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setMouseTracking(true);
  horizontalHeader()->installEventFilter(this);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setStyleSheet(QStringLiteral(
      "QTableView { selection-background-color: #000080; selection-color: white; }"));
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { emit rowColChange(current.row() + 1); });
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection& selected) { followSelection(selected); });
}

void Grid::reset(const QString& format) {
  fillColumn_ = -1;
  alsoExported_.clear();
  model_->setFormat(format);
}

void Grid::setRows(std::vector<QStringList> rows) { model_->setRows(std::move(rows)); }

void Grid::addRow(const QStringList& cells) { model_->appendRow(cells); }

QString Grid::text(int row, int column) const { return model_->text(row - 1, column); }

void Grid::setText(int row, int column, const QString& text) {
  model_->setText(row - 1, column, text);
}

int Grid::columnWidth(int column) const {
  const int at = model_->viewColumn(column);
  return at < 0 ? 0 : QTableView::columnWidth(at);
}

void Grid::setColumnWidth(int column, int width) {
  const int at = model_->viewColumn(column);
  if (at >= 0) QTableView::setColumnWidth(at, width);
}

void Grid::setColumnWidthTwips(int column, int twips) {
  setColumnWidth(column, twips * logicalDpiX() / 1440);
}

void Grid::fillWidthWith(int column) {
  fillColumn_ = column;
  fillBase_ = columnWidth(column);
  applyFill();
}

void Grid::applyFill() {
  if (fillColumn_ < 0 || model_->isColumnHidden(fillColumn_)) return;
  int others = 0;
  for (int c = 0; c < cols(); ++c)
    if (c != fillColumn_) others += columnWidth(c);
  // Back to its own width when the room shrinks (a scroll bar appears), so the other
  // visible columns are never pushed out of view.
  setColumnWidth(fillColumn_, std::max(fillBase_, viewport()->width() - others));
}

void Grid::setHeightInRows(int n) {
  const int rowHeight = verticalHeader()->defaultSectionSize();
  horizontalHeader()->setFixedHeight(rowHeight);
  setFixedHeight(rowHeight * n + 2 * frameWidth());
}

void Grid::shadeAlternateRows(int firstColumn, int lastColumn) {
  model_->shadeAlternateRows(firstColumn, lastColumn, kShade);
}

int Grid::currentRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() + 1 : 0;
}

void Grid::selectRow(int row, bool toTop) {
  if (row < 1 || row > rows() || model_->columnCount() == 0) return;
  const QScopedValueRollback choosing(choosing_, true);
  const QModelIndex at = model_->index(row - 1, 0);
  selectionModel()->setCurrentIndex(
      at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  if (toTop) scrollTo(at, QAbstractItemView::PositionAtTop);
}

// Assistive technology selects rows and clears the selection without touching the current
// row, which every command of the windows acts on. The selection leads then: the selected
// row becomes current, a cleared selection goes back to the current row, and a disabled
// grid keeps its row.
void Grid::followSelection(const QItemSelection& selected) {
  if (choosing_) return;
  const int current = currentRow();
  int wanted = current;
  if (!selected.isEmpty() && isEnabled()) wanted = selected.indexes().constLast().row() + 1;
  if (wanted < 1) {
    if (selectionModel()->hasSelection()) selectionModel()->clearSelection();
    return;
  }
  const QModelIndexList chosen = selectionModel()->selectedRows();
  if (wanted == current && chosen.size() == 1 && chosen.constFirst().row() + 1 == current) return;
  selectRow(wanted, false);
  scrollTo(model_->index(wanted - 1, 0));
}

int Grid::topRow() const {
  const int r = QTableView::rowAt(0);
  return r < 0 ? 0 : r + 1;
}

int Grid::rowAt(const QPoint& viewportPos) const {
  const int r = QTableView::rowAt(viewportPos.y());
  return r < 0 ? 0 : r + 1;
}

bool Grid::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Resize) applyFill();
  // Tool tips are the grid's own, set by its window as the pointer moves.
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    if (toolTip().isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), toolTip(), this);
    return true;
  }
  return QTableView::viewportEvent(event);
}

void Grid::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() == QContextMenuEvent::Keyboard) {
    popUpGridMenuAtCurrentRow(*this);
  } else {
    popUpGridMenu(*this, event->globalPos());
  }
  event->accept();
}

void Grid::keyPressEvent(QKeyEvent* event) {
  if (runGridCommandKey(*this, *event)) {
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

void Grid::mouseMoveEvent(QMouseEvent* event) {
  emit mouseOverRow(rowAt(event->position().toPoint()));
  QTableView::mouseMoveEvent(event);
}

void Grid::mouseDoubleClickEvent(QMouseEvent* event) {
  QTableView::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) emit rowDoubleClicked(currentRow());
}

void Grid::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  applyFill();
}

bool Grid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == horizontalHeader() && event->type() == QEvent::MouseMove) emit mouseOverRow(0);
  return QTableView::eventFilter(watched, event);
}

}  // namespace vm::ui
