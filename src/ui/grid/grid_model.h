// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <vector>

namespace vm::ui {

// The rows of a Grid: plain texts with an alignment per column and an optional
// background per cell. Kept light so that tens of thousands of rows fill at once.
//
// Columns are counted as the format gives them, hidden working columns included. A hidden
// column keeps its texts for the program but is left out of the table that views see, so
// neither the screen nor assistive technology ever shows it: the view's column v is the
// format's column shownColumn(v).
class GridModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  // What views see: the rows and the shown columns.
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Header texts and alignments from a format string such as "<Name|^Date|>Hours"; every
  // column starts shown.
  void setFormat(const QString& format);
  void setHeaderText(int column, const QString& text);
  QString headerText(int column) const;
  Qt::Alignment alignment(int column) const {
    return alignments_[static_cast<std::size_t>(column)];
  }

  // All columns of the format, hidden ones included.
  int columns() const { return static_cast<int>(headers_.size()); }
  void setColumnHidden(int column, bool hidden);
  bool isColumnHidden(int column) const;
  // The view's column of a format column, -1 while it is hidden; and back.
  int viewColumn(int column) const;
  int shownColumn(int viewColumn) const { return shown_[static_cast<std::size_t>(viewColumn)]; }

  void setRows(std::vector<QStringList> rows);
  void appendRow(QStringList row);
  void clearRows();

  // Row numbers here are 0-based positions in the model, columns those of the format.
  const QString& text(int row, int column) const;
  void setText(int row, int column, const QString& text);
  void setBackground(int row, int column, const QColor& colour);
  QColor background(int row, int column) const;
  // Gives every second row (the 2nd, 4th, ...) the colour in columns first..last.
  void shadeAlternateRows(int firstColumn, int lastColumn, const QColor& colour);

  // Orders the rows by one column's text, ascending, ignoring case and accents, keeping
  // the order of equal keys.
  void sortByColumn(int column);
  // The text a cell sorts by.
  static QString sortKey(const QString& text);

 private:
  struct Row {
    QStringList cells;
    std::vector<QRgb> backgrounds;  // empty, or one per column; alpha 0 means none
  };

  // Tells views that the cells of format columns first..last changed in rows top..bottom.
  void cellsChanged(int top, int bottom, int first, int last, int role);

  std::vector<QString> headers_;
  std::vector<Qt::Alignment> alignments_;
  std::vector<int> shown_;  // the format columns views see, in order
  std::vector<Row> rows_;
};

}  // namespace vm::ui
