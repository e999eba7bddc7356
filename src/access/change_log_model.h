// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "records/records.h"
#include "store/change_log/change_entry.h"

namespace vm::access {

// The change log of the records as a list, newest first, for the viewer: it holds only where each
// listed line lies, finds lines a page at a time from the newest as the list is scrolled down (the
// view asks through canFetchMore and fetchMore), and reads the text of the rows the view shows. A
// log of any length opens at once.
class ChangeLogModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { When, User, Action, Record, Details, ColumnCount };
  static constexpr int kPage = 500;

  explicit ChangeLogModel(records::Records& records, QObject* parent = nullptr);

  // Lists the lines that pass the filter, from the newest, a first page of them at once.
  void setFilter(store::ChangeFilter filter);
  const store::ChangeFilter& filter() const { return filter_; }
  // Whether every line that passes the filter is listed.
  bool allListed() const { return !lines_ || lines_->atStart(); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;

 private:
  const store::ChangeEntry& entry(int row) const;

  records::Records& records_;
  store::ChangeFilter filter_;
  std::unique_ptr<store::ChangeLineSource> lines_;
  std::vector<store::LinePlace> places_;
  // The rows shown lately, read back from the log; a handful of screens' worth at most.
  mutable std::map<int, store::ChangeEntry> shown_;
};

}  // namespace vm::access
