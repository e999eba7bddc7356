// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/work_journal.h"

#include <algorithm>

#include "store/change_log/change_log.h"
#include "store/compaction.h"
#include "store/file_swap.h"
#include "store/journal_text.h"
#include "store/marker_file.h"
#include "store/store_error.h"
#include "store/work_stopped.h"

namespace vm::store {
namespace {

// Far more than any real journal (a credit of the most persons a list can hold, with their
// lines; the renewal periods rewritten whole); a bigger file is not one of ours.
constexpr std::uint64_t kLongestJournal = 64 * 1024 * 1024;

std::int32_t recordsIn(std::size_t bytes, DataFile f) {
  return static_cast<std::int32_t>(bytes / recordLength(f));
}

// Does one step; when `resuming` after an interruption, finds first what was done already.
struct DoStep {
  RecordWriter& writer;
  FileTable& table;
  const PassProgress& progress;
  bool resuming;

  StepResult operator()(const PutRecord& s) const {
    if (resuming && s.record > table.storedCount(s.file)) return {0, 0, 0, false};
    const OpenFile file(table, s.file);
    writer.writeBytes(s.file, s.record, s.bytes);
    return {file.count(), file.count(), 1};
  }
  StepResult operator()(const AppendRecords& s) const {
    const std::int32_t added = s.countAfter - s.countBefore;
    if (resuming) {
      const std::uint64_t len = recordLength(s.file);
      const std::uint64_t size = table.fileSize(fileName(s.file)).value_or(0);
      if (size == static_cast<std::uint64_t>(s.countAfter) * len)
        return {s.countBefore, s.countAfter, added};
      // Not whole: cut back to the records there were, as a failed addition is.
      const std::uint64_t keep = static_cast<std::uint64_t>(s.countBefore) * len;
      if (size > keep) cutBack(table.fileSystem(), table.pathOf(fileName(s.file)), keep);
      return {s.countBefore, s.countBefore, 0, false};
    }
    const OpenFile file(table, s.file);
    writer.appendBytes(s.file, s.bytes);
    return {s.countBefore, s.countAfter, added};
  }
  StepResult operator()(const RemoveRecord& s) const {
    const std::int32_t now = table.storedCount(s.file);
    // Fewer records than when the work began: the compaction was done before the interruption.
    if (now < s.countBefore || now == 0) return {s.countBefore, now, 1};
    // The doomed record is left out of the copy rather than marked in place first, so the data
    // file stays wholly as it was until the new one replaces it.
    std::int32_t n = 0;
    const std::int32_t kept = compact(
        writer, s.file,
        [&](std::span<const char> record) {
          return ++n != s.record && !isTombstoned(s.file, record);
        },
        progress);
    return {s.countBefore, kept, 1};
  }
  StepResult operator()(const DropLinked& s) const {
    if (!table.exists(s.file))
      return {s.countBefore < 0 ? 0 : s.countBefore, 0, s.countBefore < 0 ? 0 : s.countBefore};
    const std::int32_t now = table.storedCount(s.file);
    // Fewer records than when the work began: the file was rewritten without them already, and
    // the difference is what went.
    if (s.countBefore >= 0 && now < s.countBefore) return {s.countBefore, now, s.countBefore - now};
    const PassCount pass = dropLinked(writer, s.file, s.linkOffset, s.key, progress);
    return {pass.reviewed, pass.reviewed - pass.matched, pass.matched};
  }
  StepResult operator()(const PatchLinked& s) const {
    if (!table.exists(s.file)) return {};
    const PassCount pass =
        patchLinked(writer, s.file, s.linkOffset, s.key, s.offset, s.patch, progress);
    return {pass.reviewed, pass.reviewed, pass.matched};
  }
  StepResult operator()(const ReplaceFile& s) const {
    const std::int32_t before = table.storedCount(s.file);
    replaceRecords(writer, s.file, s.bytes);
    const std::int32_t after = recordsIn(s.bytes.size(), s.file);
    return {before, after, after};
  }

  static void cutBack(FileSystem& fs, const std::string& path, std::uint64_t length) {
    File file(fs, path, FileSystem::Mode::ReadWrite);
    file.truncate(length);
    file.sync();
    file.close();
  }
};

// The owed lines, completed by their tallies; nothing when a step was found not done.
std::string finishedLines(const Journal& journal, const std::vector<StepResult>& results) {
  if (std::ranges::any_of(results, [](const StepResult& r) { return !r.done; })) return {};
  std::string text;
  for (const PendingLine& p : journal.lines) {
    const StepResult counted = p.tally == Tally::None ? StepResult{} : results.at(p.step);
    text += finishedLine(p.text, p.tally, counted.matched, counted.before);
  }
  return text;
}

// Fills in what the journal needs to know of each file before the work begins, and refuses a step
// that does not fit its file before anything is written.
void prepare(FileTable& table, std::vector<WorkStep>& steps) {
  for (WorkStep& step : steps) {
    if (auto* remove = std::get_if<RemoveRecord>(&step)) {
      remove->countBefore = table.storedCount(remove->file);
      if (remove->record < 1 || remove->record > remove->countBefore)
        throw StoreError("Cannot remove record " + std::to_string(remove->record) + " of",
                         table.pathOf(fileName(remove->file)), "there is no such record");
    } else if (auto* put = std::get_if<PutRecord>(&step)) {
      if (put->record < 1 || put->record > table.storedCount(put->file) ||
          put->bytes.size() != recordLength(put->file))
        throw StoreError("Cannot write record " + std::to_string(put->record) + " of",
                         table.pathOf(fileName(put->file)), "there is no such record");
    } else if (auto* append = std::get_if<AppendRecords>(&step)) {
      append->countBefore = table.storedCount(append->file);
      append->countAfter = append->countBefore + recordsIn(append->bytes.size(), append->file);
      if (append->countAfter > maxRecords(append->file))
        throw RecordLimitError(std::string(fileName(append->file)) + " cannot hold more than " +
                               std::to_string(maxRecords(append->file)) + " records");
    } else if (auto* drop = std::get_if<DropLinked>(&step)) {
      drop->countBefore = table.storedCount(drop->file);
    } else if (auto* replace = std::get_if<ReplaceFile>(&step)) {
      if (replace->bytes.size() % recordLength(replace->file) != 0)
        throw StoreError("Cannot replace", table.pathOf(fileName(replace->file)),
                         "the new content is not whole records");
      if (recordsIn(replace->bytes.size(), replace->file) > maxRecords(replace->file))
        throw RecordLimitError(std::string(fileName(replace->file)) + " cannot hold more than " +
                               std::to_string(maxRecords(replace->file)) + " records");
    }
  }
}

}  // namespace

// Runs the steps of journalled work, in order: the one maker of the RecordWriter that every write
// of a record file needs.
class StepRunner {
  static inline const PassProgress kNoProgress{};

 public:
  static std::vector<StepResult> run(FileTable& table, const std::vector<WorkStep>& steps,
                                     const PassProgress& progress, bool resuming) {
    RecordWriter writer(table);
    std::vector<StepResult> results;
    // Only the first step is told the progress, and so only it can be stopped: a stop later would
    // leave what the steps before it did.
    for (const WorkStep& step : steps)
      results.push_back(std::visit(
          DoStep{writer, table, results.empty() ? progress : kNoProgress, resuming}, step));
    // The additions of one piece of work to several files are one addition: when any of them is
    // found torn, those found whole are cut back as well.
    if (resuming && std::ranges::any_of(results, [](const StepResult& r) { return !r.done; })) {
      for (std::size_t i = 0; i < steps.size(); ++i) {
        const auto* append = std::get_if<AppendRecords>(&steps[i]);
        if (!append || !results[i].done) continue;
        DoStep::cutBack(
            table.fileSystem(), table.pathOf(fileName(append->file)),
            static_cast<std::uint64_t>(append->countBefore) * recordLength(append->file));
        results[i] = {append->countBefore, append->countBefore, 0, false};
      }
    }
    return results;
  }
};

std::vector<StepResult> doWork(FileTable& table, const ChangeAuthor& author,
                               std::vector<WorkStep> steps, std::span<const Change> changes,
                               const PassProgress& progress) {
  prepare(table, steps);
  Journal journal{std::move(steps), changeLogEnd(table), {}};
  for (const Change& c : changes)
    journal.lines.push_back({c.tally, c.tallyStep, pendingLine(author, c)});
  writeMarkerFile(table, kJournalName, journalText(journal), kLongestJournal);
  std::vector<StepResult> results;
  try {
    results = StepRunner::run(table, journal.steps, progress, false);
  } catch (const WorkStopped&) {
    // The stopped step took back what it wrote: the work was not done, and the journal goes.
    table.fileSystem().remove(table.pathOf(kJournalName));
    table.flushFolder();
    throw;
  }
  appendChangeLines(table, journal.logAt, finishedLines(journal, results));
  table.fileSystem().remove(table.pathOf(kJournalName));
  table.flushFolder();
  return results;
}

bool finishInterruptedWork(FileTable& table) {
  FileSystem& fs = table.fileSystem();
  const std::string journalPath = table.pathOf(kJournalName);
  const std::string tempPath = table.pathOf(kTempFileName);
  // Both records of unfinished work are read and judged before anything changes, so that one that
  // cannot be trusted is refused with the folder as it was.
  const FoundSwap swap = findInterruptedSwap(table);
  const FoundMarker found = readMarkerFile(fs, journalPath, kJournalHeader, kLongestJournal);
  std::optional<Journal> journal;
  if ((found.found == Found::Unchecked || found.found == Found::Checked) &&
      found.text.size() <= kLongestJournal)
    journal = parseJournal(found.text);
  refuseUntrusted(found, journal.has_value(), journalPath);

  // A restore replaces the files whole; a journal found with it belongs to the files replaced.
  bool finished = finishInterruptedSwap(table, swap);
  bool removed = false;
  if (fs.exists(journalPath)) {
    if (journal) {
      const std::vector<StepResult> results = StepRunner::run(table, journal->steps, {}, true);
      appendChangeLines(table, journal->logAt, finishedLines(*journal, results));
      finished = true;
    }
    fs.remove(journalPath);
    removed = true;
  }
  if (fs.exists(tempPath)) {
    fs.remove(tempPath);
    removed = true;
  }
  for (std::string_view marker : {kJournalName, kSwapMarkerName})
    if (removeStagedMarker(table, marker)) removed = true;
  if (removed) table.flushFolder();
  table.closeAll();
  return finished;
}

}  // namespace vm::store
