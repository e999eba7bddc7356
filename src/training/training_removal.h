#pragma once

#include <cstdint>

#include "store/file_table.h"

namespace vm::training {

// Removes training record n by rewriting Training.Records without it (and without any record
// left under the removal mark) in one atomic step, so a failure at any point leaves the file
// as it was or without the record, never a marked record in place. Removing the last training
// record leaves no Training.Records. Returns the number of records left.
std::int32_t removeTrainingRecord(store::FileTable& table, std::int32_t n);

}  // namespace vm::training
