// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/file_table.h"

namespace vm::store {

// At exit: closes every file and deletes each data file that exists with a length of
// 0 bytes, so that opening lists in a fresh folder leaves no empty files behind.
void closeAndRemoveEmptyFiles(FileTable& table);

}  // namespace vm::store
