// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>

namespace vm::store {

// Thrown by the progress of long work to stop it (the user pressed Esc). Work stopped this way
// has changed nothing: a pass that only reads gives back nothing, and journalled work takes back
// what its first step wrote and goes without a line (work_journal.h).
struct WorkStopped : std::exception {
  const char* what() const noexcept override { return "the work was stopped"; }
};

}  // namespace vm::store
