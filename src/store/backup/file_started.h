// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string_view>

namespace vm::store {

// Told the name of each file as its copy begins, so that the window can show it, and again as the
// copy goes on; it may stop the copy by throwing store::WorkStopped.
using FileStarted = std::function<void(std::string_view name)>;

// What a copy of the file `name` calls after each block: `started` told the name again.
inline std::function<void()> goingOn(const FileStarted& started, std::string_view name) {
  if (!started) return {};
  return [&started, name] { started(name); };
}

}  // namespace vm::store
