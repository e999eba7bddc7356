// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "support/temp_folder.h"

namespace vm::test {

// One version of the data files a backup carries, every byte `fill`: whole records, no tombstones.
inline void writeDataSet(const TempFolder& folder, char fill) {
  folder.write("User.List", std::string(500 * 2, fill));
  folder.write("User.Log", std::string(40, fill) + "\r\n");
  folder.write("Name.List", std::string(1000 * 3, fill));
  folder.write("Course.Index", std::string(300 * 2, fill));
  folder.write("Training.Records", std::string(300 * 4, fill));
  folder.write("Course.Renewal", std::string(32 * 3, fill));
}

}  // namespace vm::test
