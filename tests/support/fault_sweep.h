// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <string>

#include "store/file_table.h"
#include "support/temp_folder.h"
#include "support/test_file_system.h"

namespace vm::test {

// The files of a folder by name, with their bytes.
using FolderFiles = std::map<std::string, std::string>;
FolderFiles filesIn(const TempFolder& folder);

// One operation that writes, to be tried against every fault it can meet.
struct FaultSweep {
  // Writes the folder's files before the operation (into an empty folder).
  std::function<void(const TempFolder&)> setUp{};
  // The operation, on a fresh file table over the folder.
  std::function<void(store::FileTable&)> operation{};
  // Whether the files change as one (journalled work): then the folder as a whole must be as
  // before or as after, never some files old and some new.
  bool asOne = false;
  // Optional further checks after the next start: the files as they stand then, and as they
  // were before and after a run without faults.
  std::function<void(const FolderFiles& now, const FolderFiles& before, const FolderFiles& after)>
      check{};
};

// How many runs each kind of fault took until the operation got through untouched.
struct SweepCount {
  int failedCalls = 0;
  int cutWrites = 0;
  int powerCuts = 0;
};

// Runs the operation once without faults, to learn the files after it, and once more with the
// power failing right after it, which must lose nothing of it; then once per fault
// point k = 1, 2, ... with the k-th file-system call failing, then with the k-th write cut
// short (after 1 byte and after 257), then with the power failing at the k-th call, each until
// a run gets through without meeting its fault. After every run that met one, the program
// starts again (its start-up recovery, on a fresh file table) and the folder must hold every
// file wholly as before or wholly as after (an empty file counts as none), with no file more, no
// journal and no temporary file left, and every record file whole and without tombstones; then
// `check` looks further. Failures are reported with the kind of fault and k.
SweepCount sweepFaults(const FaultSweep& sweep);

}  // namespace vm::test
