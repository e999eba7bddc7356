// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string_view>

namespace vm::backup {

// Told the name of each file as its copy begins, so that the window can show it.
using FileStarted = std::function<void(std::string_view name)>;

}  // namespace vm::backup
