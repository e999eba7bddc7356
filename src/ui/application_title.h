// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vm::ui {

// The program's title: window captions begin with it and several messages name it.
inline QString applicationTitle() { return QStringLiteral("Verdimark"); }

}  // namespace vm::ui
