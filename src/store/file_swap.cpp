#include "store/file_swap.h"

#include <algorithm>
#include <optional>

#include "store/carried_files.h"
#include "store/marker_file.h"
#include "store/work_journal.h"

namespace vm::store {
namespace {

// The marker's text: a first line naming it, one line per file, and a last line "end", so
// that a marker cut short by a crash is known as such:
//   Verdimark restore
//   put User.List
//   remove Renewal.List
//   end
constexpr std::string_view kHeader = "Verdimark restore";
constexpr std::string_view kEnd = "end";
constexpr std::uint64_t kLongestMarker = 4096;

bool isCarried(std::string_view name) {
  return std::ranges::any_of(kCarriedFiles, [&](const CarriedFile& c) { return c.name == name; });
}

std::string markerText(const std::vector<SwapEntry>& entries) {
  std::string text = std::string(kHeader) + '\n';
  for (const SwapEntry& e : entries) text += (e.remove ? "remove " : "put ") + e.name + '\n';
  return text + std::string(kEnd) + '\n';
}

// The entries of a whole marker; nothing for one cut short or damaged, or one naming a file
// that is not carried (which is never renamed or removed on its word).
std::optional<std::vector<SwapEntry>> parseMarker(std::string_view text) {
  if (text.size() > kLongestMarker) return std::nullopt;
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  if (lines.size() < 2 || lines.front() != kHeader || lines.back() != kEnd) return std::nullopt;
  std::vector<SwapEntry> entries;
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const auto space = line.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const std::string_view verb = line.substr(0, space);
    const std::string_view name = line.substr(space + 1);
    if ((verb != "put" && verb != "remove") || !isCarried(name)) return std::nullopt;
    entries.push_back({std::string(name), verb == "remove"});
  }
  return entries;
}

// Renames each staged copy into place and removes the files the new set lacks. When resuming
// after an interruption, a staged copy that is gone has been renamed already.
void applyEntries(FileTable& table, const std::vector<SwapEntry>& entries, bool resuming) {
  FileSystem& fs = table.fileSystem();
  for (const SwapEntry& e : entries) {
    const std::string path = table.pathOf(e.name);
    if (e.remove) {
      fs.remove(path);
      continue;
    }
    const std::string staged = table.pathOf(stagedName(e.name));
    if (!resuming || fs.exists(staged)) fs.rename(staged, path);
  }
}

void dropJournal(FileTable& table) {
  FileSystem& fs = table.fileSystem();
  const std::string journal = table.pathOf(kJournalName);
  if (fs.exists(journal)) fs.remove(journal);
}

}  // namespace

void writeSwapMarker(FileTable& table, const std::vector<SwapEntry>& entries) {
  // The staged copies' entries reach the disk before the marker that names them can.
  table.flushFolder();
  writeMarkerFile(table, kSwapMarkerName, markerText(entries));
}

void swapStaged(FileTable& table, const std::vector<SwapEntry>& entries) {
  table.closeAll();
  dropJournal(table);
  applyEntries(table, entries, false);
  table.flushFolder();
  table.fileSystem().remove(table.pathOf(kSwapMarkerName));
  table.flushFolder();
}

bool removeStagedCopies(FileTable& table, std::span<const CarriedFile> files) {
  FileSystem& fs = table.fileSystem();
  bool removed = false;
  for (const CarriedFile& c : files) {
    const std::string staged = table.pathOf(stagedName(c.name));
    if (!fs.exists(staged)) continue;
    fs.remove(staged);
    removed = true;
  }
  return removed;
}

bool finishInterruptedSwap(FileTable& table) {
  FileSystem& fs = table.fileSystem();
  const std::string markerPath = table.pathOf(kSwapMarkerName);
  bool finished = false;
  bool removed = false;
  if (fs.exists(markerPath)) {
    if (const auto entries = parseMarker(readMarkerFile(fs, markerPath, kLongestMarker))) {
      dropJournal(table);
      applyEntries(table, *entries, true);
      table.flushFolder();
      finished = true;
    }
    fs.remove(markerPath);
    removed = true;
  }
  if (removeStagedCopies(table)) removed = true;
  if (removed) table.flushFolder();
  return finished;
}

}  // namespace vm::store
