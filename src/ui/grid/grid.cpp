#include "ui/grid/grid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
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
}

void Grid::reset(const QString& format) {
  fillColumn_ = -1;
  alsoExported_.clear();
  model_->setFormat(format);
  for (int c = 0; c < cols(); ++c) setColumnHidden(c, false);
}

void Grid::setRows(std::vector<QStringList> rows) { model_->setRows(std::move(rows)); }

void Grid::addRow(const QStringList& cells) { model_->appendRow(cells); }

QString Grid::text(int row, int column) const { return model_->text(row - 1, column); }

void Grid::setText(int row, int column, const QString& text) {
  model_->setText(row - 1, column, text);
}

void Grid::setColumnWidthTwips(int column, int twips) {
  setColumnWidth(column, twips * logicalDpiX() / 1440);
}

void Grid::fillWidthWith(int column) {
  fillColumn_ = column;
  fillBase_ = column >= 0 && column < cols() ? columnWidth(column) : 0;
  applyFill();
}

void Grid::applyFill() {
  if (fillColumn_ < 0 || fillColumn_ >= cols()) return;
  int others = 0;
  for (int c = 0; c < cols(); ++c)
    if (c != fillColumn_ && !isColumnHidden(c)) others += columnWidth(c);
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
  if (row < 1 || row > rows()) return;
  int firstVisible = 0;
  while (firstVisible < cols() - 1 && isColumnHidden(firstVisible)) ++firstVisible;
  const QModelIndex at = model_->index(row - 1, firstVisible);
  selectionModel()->setCurrentIndex(
      at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  if (toTop) scrollTo(at, QAbstractItemView::PositionAtTop);
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
