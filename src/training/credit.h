// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/records.h"
#include "store/change_log/change_line.h"
#include "store/file_table.h"
#include "store/records.h"

namespace vm::training {

using Credit = records::Credit;

// Reads the course and the persons, then appends one training record per person to
// Training.Records in one write, with one line per record in the change log: all of them, or,
// when the write fails, none (the file is cut back before the failure goes on). Returns the course
// as it was credited. Opens and closes the three files.
store::CourseRecord creditTraining(store::FileTable& table, const store::ChangeAuthor& author,
                                   const Credit& credit);

}  // namespace vm::training
