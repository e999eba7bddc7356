// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/same_folder.h"

#include <filesystem>
#include <system_error>

namespace vm::backup {

bool sameFolder(const std::string& a, const std::string& b) {
  std::error_code error;
  const bool same = std::filesystem::equivalent(a, b, error);
  return !error && same;
}

}  // namespace vm::backup
