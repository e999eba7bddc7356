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
  return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const Row& row = rows_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      return index.column() < row.cells.size() ? row.cells[index.column()] : QString();
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(alignments_[static_cast<std::size_t>(index.column())] |
                                 Qt::AlignVCenter);
    case Qt::BackgroundRole: {
      const QColor c = background(index.row(), index.column());
      return c.isValid() ? QVariant(c) : QVariant();
    }
    default:
      return {};
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(headers_.size()))
    return {};
  if (role == Qt::DisplayRole) return headers_[static_cast<std::size_t>(section)];
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(alignments_[static_cast<std::size_t>(section)] | Qt::AlignVCenter);
  return {};
}

void GridModel::setFormat(const QString& format) {
  beginResetModel();
  headers_.clear();
  alignments_.clear();
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
    headers_.push_back(part);
    alignments_.push_back(align);
  }
  rows_.clear();
  endResetModel();
}

void GridModel::setHeaderText(int column, const QString& text) {
  headers_[static_cast<std::size_t>(column)] = text;
  emit headerDataChanged(Qt::Horizontal, column, column);
}

QString GridModel::headerText(int column) const {
  return headers_[static_cast<std::size_t>(column)];
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
  const QModelIndex at = index(row, column);
  emit dataChanged(at, at, {Qt::DisplayRole});
}

void GridModel::setBackground(int row, int column, const QColor& colour) {
  Row& r = rows_[static_cast<std::size_t>(row)];
  if (r.backgrounds.empty()) r.backgrounds.assign(headers_.size(), 0);
  r.backgrounds[static_cast<std::size_t>(column)] = colour.isValid() ? colour.rgba() : 0;
  const QModelIndex at = index(row, column);
  emit dataChanged(at, at, {Qt::BackgroundRole});
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
  if (rows_.size() > 1)
    emit dataChanged(index(1, firstColumn), index(static_cast<int>(rows_.size()) - 1, lastColumn),
                     {Qt::BackgroundRole});
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
