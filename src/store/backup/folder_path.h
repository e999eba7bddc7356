// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vm::store {

// The path of a file in a folder; the root folder keeps its single separator.
inline std::string pathIn(const std::string& folder, std::string_view name) {
  return (folder.ends_with('/') ? folder : folder + '/') + std::string(name);
}

}  // namespace vm::store
