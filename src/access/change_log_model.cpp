// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/change_log_model.h"

namespace vm::access {
namespace {

constexpr std::size_t kMostKept = 2000;

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ChangeLogModel::ChangeLogModel(records::Records& records, QObject* parent)
    : QAbstractTableModel(parent), records_(records) {
  setFilter({});
}

void ChangeLogModel::setFilter(store::ChangeFilter filter) {
  beginResetModel();
  filter_ = std::move(filter);
  lines_ = records_.changeLines();
  places_.clear();
  shown_.clear();
  endResetModel();
  fetchMore({});
}

int ChangeLogModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(places_.size());
}

int ChangeLogModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

const store::ChangeEntry& ChangeLogModel::entry(int row) const {
  if (const auto it = shown_.find(row); it != shown_.end()) return it->second;
  if (shown_.size() >= kMostKept) shown_.clear();
  return shown_[row] =
             store::parseChangeLine(lines_->lineAt(places_[static_cast<std::size_t>(row)]));
}

QVariant ChangeLogModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  const store::ChangeEntry& e = entry(index.row());
  switch (index.column()) {
    case When:
      return qs(e.when);
    case User:
      return qs(e.user);
    case Action:
      return qs(e.action);
    case Record:
      return qs(e.record);
    case Details:
      return qs(e.details);
  }
  return {};
}

QVariant ChangeLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* const kHeaders[] = {"Date and Time", "User", "Action", "Record", "Details"};
  return section >= 0 && section < ColumnCount ? QString::fromLatin1(kHeaders[section])
                                               : QVariant();
}

bool ChangeLogModel::canFetchMore(const QModelIndex& parent) const {
  return !parent.isValid() && !allListed();
}

void ChangeLogModel::fetchMore(const QModelIndex& parent) {
  if (!canFetchMore(parent)) return;
  std::vector<store::LinePlace> found;
  lines_->readOlder([&](std::string_view line, store::LinePlace place) {
    if (filter_.matches(line)) found.push_back(place);
    return found.size() < kPage;
  });
  if (found.empty()) return;
  const int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(found.size()) - 1);
  places_.insert(places_.end(), found.begin(), found.end());
  endInsertRows();
}

}  // namespace vm::access
