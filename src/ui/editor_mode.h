// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vm::ui {

// What an add/edit window is opened for: a new record, or one on file to view or edit (below
// access level 2 only to view).
enum class EditorMode { Add, Edit };

}  // namespace vm::ui
