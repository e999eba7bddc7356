// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/file_swap.h"

#include <charconv>
#include <optional>

#include "store/carried_files.h"
#include "store/change_log/change_line.h"
#include "store/change_log/change_log.h"
#include "store/marker_file.h"
#include "store/work_journal.h"

namespace vm::store {
namespace {

// The marker's text: a first line naming it, one line per file, and a last line "end", so
// that a marker cut short by a crash is known as such (and behind it, its checksum line):
//   Verdimark restore
//   put User.List
//   remove Course.Renewal
//   log 0 12/08/2026 10:30:00<TAB>Dana Demo<TAB>data restored<TAB>...
//   end
constexpr std::string_view kHeader = "Verdimark restore";
constexpr std::string_view kEnd = "end";
constexpr std::uint64_t kLongestMarker = 8192;

std::string markerText(const std::vector<SwapEntry>& entries, const std::optional<OwedLine>& line) {
  std::string text = std::string(kHeader) + '\n';
  for (const SwapEntry& e : entries) text += (e.remove ? "remove " : "put ") + e.name + '\n';
  if (line) text += "log " + std::to_string(line->logAt) + ' ' + line->text + '\n';
  return text + std::string(kEnd) + '\n';
}

// "log <length> <line>", the line holding no line break.
std::optional<OwedLine> owedLineOf(std::string_view rest) {
  const auto space = rest.find(' ');
  if (space == std::string_view::npos || rest.find('\r') != std::string_view::npos)
    return std::nullopt;
  OwedLine line;
  const std::string_view number = rest.substr(0, space);
  const auto result = std::from_chars(number.data(), number.data() + number.size(), line.logAt);
  if (result.ec != std::errc() || result.ptr != number.data() + number.size()) return std::nullopt;
  line.text = std::string(rest.substr(space + 1));
  return line;
}

// The entries of a whole marker; nothing for one cut short or damaged, or one naming a file
// that is not carried (which is never renamed or removed on its word).
std::optional<SwapMarker> parseMarker(std::string_view text) {
  if (text.size() > kLongestMarker) return std::nullopt;
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  if (lines.size() < 2 || lines.front() != kHeader || lines.back() != kEnd) return std::nullopt;
  SwapMarker marker;
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const auto space = line.find(' ');
    if (space == std::string_view::npos || marker.line) return std::nullopt;
    const std::string_view verb = line.substr(0, space);
    const std::string_view rest = line.substr(space + 1);
    if (verb == "log") {
      marker.line = owedLineOf(rest);
      if (!marker.line) return std::nullopt;
      continue;
    }
    if ((verb != "put" && verb != "remove") || !carryOf(rest)) return std::nullopt;
    marker.entries.push_back({std::string(rest), verb == "remove"});
  }
  return marker;
}

void writeOwedLine(FileTable& table, const std::optional<OwedLine>& line) {
  if (line) appendOwedLine(table, line->logAt, finishedLine(line->text, Tally::None, 0, 0));
}

// Renames each staged copy into place and removes the files the new set lacks. When resuming
// after an interruption, a staged copy that is gone has been renamed already. A file that only
// grows is never removed nor replaced, whatever a marker says (an older build's marker may say
// so): its staged copy is put in place only where there is no such file, and dropped otherwise.
void applyEntries(FileTable& table, const std::vector<SwapEntry>& entries, bool resuming) {
  FileSystem& fs = table.fileSystem();
  for (const SwapEntry& e : entries) {
    const std::string path = table.pathOf(e.name);
    const std::string staged = table.pathOf(stagedName(e.name));
    if (carryOf(e.name) == Carry::Grows) {
      if (e.remove || (resuming && !fs.exists(staged))) continue;
      if (fs.exists(path))
        fs.remove(staged);
      else
        fs.rename(staged, path);
    } else if (e.remove) {
      fs.remove(path);
    } else if (!resuming || fs.exists(staged)) {
      fs.rename(staged, path);
    }
  }
}

void dropJournal(FileTable& table) {
  FileSystem& fs = table.fileSystem();
  const std::string journal = table.pathOf(kJournalName);
  if (fs.exists(journal)) fs.remove(journal);
}

}  // namespace

void writeSwapMarker(FileTable& table, const std::vector<SwapEntry>& entries,
                     const std::optional<OwedLine>& line) {
  // The staged copies' entries reach the disk before the marker that names them can.
  table.flushFolder();
  writeMarkerFile(table, kSwapMarkerName, markerText(entries, line), kLongestMarker);
}

void swapStaged(FileTable& table, const std::vector<SwapEntry>& entries,
                const std::optional<OwedLine>& line) {
  table.closeAll();
  dropJournal(table);
  applyEntries(table, entries, false);
  table.flushFolder();
  writeOwedLine(table, line);
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

FoundSwap findInterruptedSwap(FileTable& table) {
  const std::string path = table.pathOf(kSwapMarkerName);
  const FoundMarker found = readMarkerFile(table.fileSystem(), path, kHeader, kLongestMarker);
  FoundSwap swap{found.found != Found::Nothing};
  if (found.found == Found::Unchecked || found.found == Found::Checked)
    swap.swap = parseMarker(found.text);
  refuseUntrusted(found, swap.swap.has_value(), path);
  return swap;
}

bool finishInterruptedSwap(FileTable& table, const FoundSwap& found) {
  FileSystem& fs = table.fileSystem();
  bool removed = false;
  if (found.swap) {
    dropJournal(table);
    applyEntries(table, found.swap->entries, true);
    table.flushFolder();
    writeOwedLine(table, found.swap->line);
  }
  if (found.present) {
    fs.remove(table.pathOf(kSwapMarkerName));
    removed = true;
  }
  if (removeStagedCopies(table)) removed = true;
  if (removed) table.flushFolder();
  return found.swap.has_value();
}

}  // namespace vm::store
