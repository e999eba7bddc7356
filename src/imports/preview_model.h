// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "imports/import_plan.h"
#include "sheets/workbook.h"

namespace vm::imports {

// The outcome of every row of an import, as the import window lists it: the sheet, the row number
// (with the matrix cell's course), the outcome and what the row adds or why it is refused.
class PreviewModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void show(const sheets::Workbook& book, const ImportPlan& plan);
  // Lists nothing, while the plan shown is being replaced.
  void clear();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const sheets::Workbook* book_ = nullptr;
  const ImportPlan* plan_ = nullptr;
};

}  // namespace vm::imports
