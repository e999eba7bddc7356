// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace vm::ui {
struct AppState;
}

namespace vm::courses {

// Asks to confirm, then removes course n from Course.Index, and its renewal period, by rewriting
// the files without them, the window disabled meanwhile; removing the last course leaves no
// Course.Index. Training records keep their copies of the course. Returns whether the course was
// removed.
bool removeCourse(ui::AppState& state, QWidget* window, const QString& code, std::int32_t n);

}  // namespace vm::courses
