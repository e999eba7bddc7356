// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "scan/training_blocks.h"
#include "server/connection.h"

namespace vm::server {

// The training records a pass reads from the server: those that may meet the hint, picked out in
// SQL (scanCandidates), as one stream read as of one moment.
std::unique_ptr<scan::TrainingBlocks> trainingBlocks(Connection& connection,
                                                     const scan::TrainingHint& hint);

}  // namespace vm::server
