// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "server/connection.h"
#include "server/server_rows.h"
#include "store/change_log/change_line.h"
#include "store/records.h"

namespace vm::server {

// The changes of training records on the server, each one transaction with its lines in the
// change log, told as the data folder tells them.

// One course credited on one date to several persons with one comment.
struct Credit {
  std::int64_t course = 0;            // its place in the course list
  std::vector<std::int64_t> persons;  // places in the person list, in the order chosen
  double trainingDate = 0;
  std::string comments;  // as stored: trimmed, line breaks CR LF
};

// Adds one training record per person, with the course as it is now (its code, name, provider and
// hours copied) and one line per record, all or none. The course and the persons are held against
// changes until the records are in, so no record is made with copies of a course that is being
// changed or for a person who is being removed; a course or person removed meanwhile refuses the
// whole credit (EditConflict). Gives the course as credited.
store::CourseRecord creditTraining(Connection& connection, const store::ChangeAuthor& author,
                                   const Credit& credit);

// Writes the edited training record over the one the caller read (its links to the person and the
// course kept), its line naming it by `person` (the person's name); EditConflict as the record
// edits. A save that changes no field writes nothing.
Row<store::TrainingRecord> saveTraining(Connection& connection, const store::ChangeAuthor& author,
                                        RowRef ref, std::string_view person,
                                        const store::TrainingRecord& training);

void removeTraining(Connection& connection, const store::ChangeAuthor& author, RowRef ref,
                    std::string_view person);

}  // namespace vm::server
