#include "training/training_removal.h"

#include "store/compaction.h"

namespace vm::training {

std::int32_t removeTrainingRecord(store::FileTable& table, std::int32_t n) {
  constexpr auto kTraining = store::DataFile::Training;
  // The copy offers the records in file order, so counting them finds record n.
  std::int32_t at = 0;
  return store::compact(table, kTraining, [&](std::span<const char> record) {
    return ++at != n && !store::isTombstoned(kTraining, record);
  });
}

}  // namespace vm::training
