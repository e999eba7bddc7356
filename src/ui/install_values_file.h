// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "print/install_values.h"

namespace vm::ui {

// The installation's own values (access code, the maker's contact details) from
// "Verdimark.ini" in the data folder, section [Installation]; every key that is missing
// keeps its built-in value.
inline constexpr const char* kInstallFileName = "Verdimark.ini";

print::InstallValues loadInstallValues(const QString& dataFolder);

}  // namespace vm::ui
