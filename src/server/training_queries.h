// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "scan/training_blocks.h"
#include "server/connection.h"
#include "server/server_rows.h"

namespace vm::server {

// What a match search or an annual summary asks of the training records (scan/training_blocks.h),
// for the server to pick out in SQL, through its indexes, the records that can meet it: every
// record that meets it, and perhaps a few more (a record within a second of a day's end, a field
// whose part matches only with the blanks after it). The program's own matching then decides on
// those records exactly as it decides on the file's, so that the results are the same and only the
// records that matter come over the network.
using TrainingFilter = scan::TrainingHint;

// Hands the records that may meet the filter to `visit`, in file order unless the filter lets it
// go, in blocks of whole records in the layout of Training.Records (only the filter's fields
// filled in when it names some), as of one moment; the pass ends early when `visit` returns false.
void scanCandidates(Connection& connection, const TrainingFilter& filter, const BlockVisit& visit);

// For a search that needs one record per person: hands `meets` the first record of each person
// that may meet the filter, in file order; `meets` decides on it exactly (and notes the person).
// For a person whose first record it turned down, hands it that person's further records in file
// order until it takes one. So `meets` takes a record of every person who has one that it takes,
// the same persons a pass over every record would find, while most persons cost one record.
void scanFirstMatches(Connection& connection, const TrainingFilter& filter,
                      const std::function<bool(std::span<const char> record)>& meets);

}  // namespace vm::server
