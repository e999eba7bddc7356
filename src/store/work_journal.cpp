#include "store/work_journal.h"

#include <algorithm>

#include "store/compaction.h"
#include "store/file_swap.h"
#include "store/journal_text.h"
#include "store/marker_file.h"
#include "store/store_error.h"

namespace vm::store {
namespace {

// Far more than any real journal; a bigger file is not one of ours.
constexpr std::uint64_t kLongestJournal = 64 * 1024;

struct DoStep {
  FileTable& table;
  const PassProgress& progress;

  StepResult operator()(const RemoveRecord& s) const {
    const std::int32_t now = table.storedCount(s.file);
    // Fewer records than when the work began: the compaction was done before the interruption.
    if (now < s.countBefore || now == 0) return {s.countBefore, now, 1};
    // The doomed record is left out of the copy rather than marked in place first, so the data
    // file stays wholly as it was until the new one replaces it.
    std::int32_t n = 0;
    const std::int32_t kept = compact(table, s.file, [&](std::span<const char> record) {
      return ++n != s.record && !isTombstoned(s.file, record);
    });
    return {s.countBefore, kept, 1};
  }
  StepResult operator()(const DropLinked& s) const {
    if (!table.exists(s.file)) return {};
    const PassCount pass = dropLinked(table, s.file, s.linkOffset, s.key);
    return {pass.reviewed, pass.reviewed - pass.matched, pass.matched};
  }
  StepResult operator()(const PatchLinked& s) const {
    if (!table.exists(s.file)) return {};
    const PassCount pass =
        patchLinked(table, s.file, s.linkOffset, s.key, s.offset, s.patch, progress);
    return {pass.reviewed, pass.reviewed, pass.matched};
  }
};

std::vector<StepResult> doSteps(FileTable& table, const std::vector<WorkStep>& steps,
                                const PassProgress& progress) {
  std::vector<StepResult> results;
  for (const WorkStep& step : steps) results.push_back(std::visit(DoStep{table, progress}, step));
  return results;
}

}  // namespace

std::vector<StepResult> doWork(FileTable& table, std::vector<WorkStep> steps,
                               const PassProgress& progress) {
  for (WorkStep& step : steps) {
    if (auto* remove = std::get_if<RemoveRecord>(&step)) {
      remove->countBefore = table.storedCount(remove->file);
      if (remove->record < 1 || remove->record > remove->countBefore)
        throw StoreError("Cannot remove record " + std::to_string(remove->record) + " of",
                         table.pathOf(fileName(remove->file)), "there is no such record");
    }
  }
  writeMarkerFile(table, kJournalName, journalText(steps));
  std::vector<StepResult> results = doSteps(table, steps, progress);
  table.fileSystem().remove(table.pathOf(kJournalName));
  table.flushFolder();
  return results;
}

bool finishInterruptedWork(FileTable& table) {
  FileSystem& fs = table.fileSystem();
  const std::string journalPath = table.pathOf(kJournalName);
  const std::string tempPath = table.pathOf(kTempFileName);
  // A restore replaces the files whole; a journal found with it belongs to the files replaced.
  bool finished = finishInterruptedSwap(table);
  bool removed = false;
  if (fs.exists(journalPath)) {
    const std::string text = readMarkerFile(fs, journalPath, kLongestJournal);
    if (const auto steps = text.size() <= kLongestJournal ? parseJournal(text) : std::nullopt) {
      doSteps(table, *steps, {});
      finished = true;
    }
    fs.remove(journalPath);
    removed = true;
  }
  if (fs.exists(tempPath)) {
    fs.remove(tempPath);
    removed = true;
  }
  if (removed) table.flushFolder();
  table.closeAll();
  return finished;
}

std::int32_t removeRecord(FileTable& table, DataFile f, std::int32_t n) {
  return doWork(table, {RemoveRecord{f, n}}).front().after;
}

}  // namespace vm::store
