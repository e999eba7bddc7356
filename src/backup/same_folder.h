// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vm::backup {

// Whether two paths name the same folder however they are written: through links, with other
// letter case where the file system ignores it, with "." or ".." or a trailing separator. It
// asks the file system for the folders' identity, so no spelling of the data folder can make a
// backup or a restore copy a file onto itself. A path that cannot be examined names no folder
// that is the other.
bool sameFolder(const std::string& a, const std::string& b);

}  // namespace vm::backup
