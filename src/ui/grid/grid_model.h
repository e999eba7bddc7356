#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <vector>

namespace vm::ui {

// The rows of a Grid: plain texts with an alignment per column and an optional
// background per cell. Kept light so that tens of thousands of rows fill at once.
class GridModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Header texts and alignments from a format string such as "<Name|^Date|>Hours".
  void setFormat(const QString& format);
  void setHeaderText(int column, const QString& text);
  QString headerText(int column) const;

  void setRows(std::vector<QStringList> rows);
  void appendRow(QStringList row);
  void clearRows();

  // Row and column numbers here are 0-based positions in the model.
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

  std::vector<QString> headers_;
  std::vector<Qt::Alignment> alignments_;
  std::vector<Row> rows_;
};

}  // namespace vm::ui
