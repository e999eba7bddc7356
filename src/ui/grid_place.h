// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace vm::ui {

class Grid;

// The first data row whose text in `column` is `text`, 0 when there is none.
int rowWhere(const Grid& grid, int column, const QString& text);

// Lists a grid again without losing the user's place: the record highlighted before, found by its
// identity in `keyColumn`, is highlighted again (or the row where it stood, when it is gone), and
// the same row stays at the top.
void refillInPlace(Grid& grid, int keyColumn, const std::function<void()>& refill);

}  // namespace vm::ui
