// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/preview_model.h"

#include <QColor>

#include "imports/cell_text.h"

namespace vm::imports {
namespace {

const char* const kHeaders[] = {"Sheet", "Row", "Outcome", "Details"};
// Refused rows stand out; rows with nothing to do are greyed.
const QColor kRefused{255, 220, 220};
const QColor kOnFile{110, 110, 110};

}  // namespace

void PreviewModel::show(const sheets::Workbook& book, const ImportPlan& plan) {
  beginResetModel();
  book_ = &book;
  plan_ = &plan;
  endResetModel();
}

void PreviewModel::clear() {
  beginResetModel();
  plan_ = nullptr;
  endResetModel();
}

int PreviewModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !plan_ ? 0 : static_cast<int>(plan_->rows.size());
}

int PreviewModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 4; }

QVariant PreviewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !plan_) return {};
  const RowOutcome& r = plan_->rows[static_cast<std::size_t>(index.row())];
  if (role == Qt::BackgroundRole && r.outcome == Outcome::Refused) return kRefused;
  if (role == Qt::ForegroundRole && r.outcome == Outcome::OnFile) return kOnFile;
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  switch (index.column()) {
    case 0:
      return QString::fromStdString(book_->sheets[r.sheet].name);
    case 1: {
      QString row = QString::number(r.row + 1);
      if (r.column != RowOutcome::kWholeRow) {
        const sheets::Sheet& sheet = book_->sheets[r.sheet];
        row += QStringLiteral(", ") +
               QString::fromStdString(cellText(sheet.at(headerRow(sheet), r.column)));
      }
      return row;
    }
    case 2:
      return QString::fromStdString(std::string(outcomeLabel(r.outcome)));
    default:
      return QString::fromStdString(r.text);
  }
}

QVariant PreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 3)
    return {};
  return QString::fromLatin1(kHeaders[section]);
}

}  // namespace vm::imports
