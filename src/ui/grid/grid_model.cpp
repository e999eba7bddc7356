// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/grid_model.h"

#include <algorithm>

namespace vm::ui {
namespace {
const QString kEmpty;
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int column = shownColumn(index.column());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      return text(index.row(), column);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(alignments_[static_cast<std::size_t>(column)] | Qt::AlignVCenter);
    case Qt::BackgroundRole: {
      const QColor c = background(index.row(), column);
      return c.isValid() ? QVariant(c) : QVariant();
    }
    default:
      return {};
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  const auto column = static_cast<std::size_t>(shownColumn(section));
  if (role == Qt::DisplayRole) return headers_[column];
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(alignments_[column] | Qt::AlignVCenter);
  return {};
}

void GridModel::setFormat(const QString& format) {
  beginResetModel();
  headers_.clear();
  alignments_.clear();
  shown_.clear();
  for (QString part : format.split('|')) {
    Qt::Alignment align = Qt::AlignLeft;
    if (part.startsWith('<')) {
      part.remove(0, 1);
    } else if (part.startsWith('>')) {
      align = Qt::AlignRight;
      part.remove(0, 1);
    } else if (part.startsWith('^')) {
      align = Qt::AlignHCenter;
      part.remove(0, 1);
    }
    shown_.push_back(static_cast<int>(headers_.size()));
    headers_.push_back(part);
    alignments_.push_back(align);
  }
  rows_.clear();
  endResetModel();
}

void GridModel::setHeaderText(int column, const QString& text) {
  headers_[static_cast<std::size_t>(column)] = text;
  const int at = viewColumn(column);
  if (at >= 0) emit headerDataChanged(Qt::Horizontal, at, at);
}

QString GridModel::headerText(int column) const {
  return headers_[static_cast<std::size_t>(column)];
}

void GridModel::setColumnHidden(int column, bool hidden) {
  if (column < 0 || column >= columns() || isColumnHidden(column) == hidden) return;
  const auto place = std::lower_bound(shown_.begin(), shown_.end(), column);
  const int at = static_cast<int>(place - shown_.begin());
  if (hidden) {
    beginRemoveColumns({}, at, at);
    shown_.erase(place);
    endRemoveColumns();
  } else {
    beginInsertColumns({}, at, at);
    shown_.insert(place, column);
    endInsertColumns();
  }
}

bool GridModel::isColumnHidden(int column) const { return viewColumn(column) < 0; }

int GridModel::viewColumn(int column) const {
  const auto place = std::lower_bound(shown_.begin(), shown_.end(), column);
  return place != shown_.end() && *place == column ? static_cast<int>(place - shown_.begin()) : -1;
}

void GridModel::cellsChanged(int top, int bottom, int first, int last, int role) {
  int left = -1;
  int right = -1;
  for (int c = first; c <= last; ++c) {
    const int at = viewColumn(c);
    if (at < 0) continue;
    if (left < 0) left = at;
    right = at;
  }
  if (left >= 0 && top <= bottom) emit dataChanged(index(top, left), index(bottom, right), {role});
}

void GridModel::setRows(std::vector<QStringList> rows) {
  beginResetModel();
  rows_.clear();
  rows_.reserve(rows.size());
  for (QStringList& cells : rows) rows_.push_back({std::move(cells), {}});
  endResetModel();
}

void GridModel::appendRow(QStringList row) {
  const int at = static_cast<int>(rows_.size());
  beginInsertRows({}, at, at);
  rows_.push_back({std::move(row), {}});
  endInsertRows();
}

void GridModel::clearRows() {
  beginResetModel();
  rows_.clear();
  endResetModel();
}

const QString& GridModel::text(int row, int column) const {
  const QStringList& cells = rows_[static_cast<std::size_t>(row)].cells;
  return column < cells.size() ? cells[column] : kEmpty;
}

void GridModel::setText(int row, int column, const QString& text) {
  QStringList& cells = rows_[static_cast<std::size_t>(row)].cells;
  while (cells.size() <= column) cells.append(QString());
  cells[column] = text;
  cellsChanged(row, row, column, column, Qt::DisplayRole);
}

void GridModel::setBackground(int row, int column, const QColor& colour) {
  Row& r = rows_[static_cast<std::size_t>(row)];
  if (r.backgrounds.empty()) r.backgrounds.assign(headers_.size(), 0);
  r.backgrounds[static_cast<std::size_t>(column)] = colour.isValid() ? colour.rgba() : 0;
  cellsChanged(row, row, column, column, Qt::BackgroundRole);
}

QColor GridModel::background(int row, int column) const {
  const Row& r = rows_[static_cast<std::size_t>(row)];
  if (r.backgrounds.empty()) return {};
  const QRgb c = r.backgrounds[static_cast<std::size_t>(column)];
  return qAlpha(c) == 0 ? QColor() : QColor::fromRgba(c);
}

void GridModel::shadeAlternateRows(int firstColumn, int lastColumn, const QColor& colour) {
  for (std::size_t r = 1; r < rows_.size(); r += 2) {
    Row& row = rows_[r];
    if (row.backgrounds.empty()) row.backgrounds.assign(headers_.size(), 0);
    for (int c = firstColumn; c <= lastColumn; ++c)
      row.backgrounds[static_cast<std::size_t>(c)] = colour.rgba();
  }
  cellsChanged(1, static_cast<int>(rows_.size()) - 1, firstColumn, lastColumn, Qt::BackgroundRole);
}

QString GridModel::sortKey(const QString& text) {
  // Accents are set aside so that Álvarez sorts among the A's, not after Z.
  QString key;
  key.reserve(text.size());
  bool plain = true;
  for (QChar c : text) plain = plain && c.unicode() < 0x80;
  if (plain) return text.toCaseFolded();
  for (QChar c : text.normalized(QString::NormalizationForm_D))
    if (c.category() != QChar::Mark_NonSpacing) key.append(c);
  return key.toCaseFolded();
}

void GridModel::sortByColumn(int column) {
  std::vector<std::pair<QString, std::size_t>> keys;
  keys.reserve(rows_.size());
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const QStringList& cells = rows_[i].cells;
    keys.emplace_back(sortKey(column < cells.size() ? cells[column] : kEmpty), i);
  }
  std::stable_sort(keys.begin(), keys.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Row> sorted;
  sorted.reserve(rows_.size());
  for (const auto& k : keys) sorted.push_back(std::move(rows_[k.second]));
  beginResetModel();
  rows_ = std::move(sorted);
  endResetModel();
}

}  // namespace vm::ui
