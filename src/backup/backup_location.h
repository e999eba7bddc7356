// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vm::backup {

// Whether a folder whose plain files are `names` holds a backup: it holds "User.List".
bool holdsBackup(const std::vector<std::string>& names);

// Whether a backup into a folder whose plain files are `names` asks "Caution!" first: it holds
// files, but no backup. Hidden files do not count.
bool holdsUnrelatedFiles(const std::vector<std::string>& names);

// The folder as the messages show it: with its trailing separator.
std::string withTrailingSeparator(std::string folder);

}  // namespace vm::backup
