#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include "store/file_table.h"
#include "store/records.h"

namespace vm::courses {

struct PropagationCount {
  std::int32_t reviewed = 0;  // training records read
  std::int32_t updated = 0;   // of them, the course's own, rewritten
};

// Told how far the pass has come: records reviewed so far, all records, records updated.
using PropagationProgress =
    std::function<void(std::int32_t done, std::int32_t total, std::int32_t updated)>;

// Carries the course's code, name, provider and hours into every training record whose CourseID is
// the course's DateCreated, in one sequential pass over Training.Records that rewrites only those
// records, in place; every other byte of the file stays as it was. `progress` is told at the first
// record, then at most once per `interval`, and at the end. Opens and closes the file.
PropagationCount propagateCourse(
    store::FileTable& table, const store::CourseRecord& course, const PropagationProgress& progress,
    std::chrono::milliseconds interval = std::chrono::milliseconds(40));

}  // namespace vm::courses
