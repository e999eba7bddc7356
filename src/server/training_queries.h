// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
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

// Whether a pass that asks only whether each person has a record that meets the filter
// (anyOfPerson) is best handed some of each person's records: when the filter asks for a part of
// one text field, and that field holds few different texts (course codes do), as the server's
// statistics tell.
bool someOfEachPersonPays(Connection& connection, const TrainingFilter& filter);

// Hands over, for each different text of that field that may hold the part, one record of each
// person with that text that may meet the rest of the filter: found in the server's index of text
// and person, without reading the table. A person turned down on these may have other records
// that meet the filter (scanCandidates finds them all).
void scanSomeOfEachPerson(Connection& connection, const TrainingFilter& filter,
                          const BlockVisit& visit);

}  // namespace vm::server
