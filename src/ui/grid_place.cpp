// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid_place.h"

#include <algorithm>

#include "ui/grid/grid.h"

namespace vm::ui {

int rowWhere(const Grid& grid, int column, const QString& text) {
  for (int row = 1; row <= grid.rows(); ++row)
    if (grid.text(row, column) == text) return row;
  return 0;
}

void refillInPlace(Grid& grid, int keyColumn, const std::function<void()>& refill) {
  const int current = grid.currentRow();
  const QString key = current > 0 ? grid.text(current, keyColumn) : QString();
  const int top = grid.topRow();
  refill();
  if (grid.rows() == 0 || grid.isHidden() || current < 1) return;
  const int found = rowWhere(grid, keyColumn, key);
  grid.selectRow(found > 0 ? found : std::min(current, grid.rows()), false);
  // After the highlight, which scrolls only as far as it must to show its row.
  if (top > 0)
    grid.scrollTo(grid.model()->index(std::min(top, grid.rows()) - 1, 0),
                  QAbstractItemView::PositionAtTop);
}

}  // namespace vm::ui
