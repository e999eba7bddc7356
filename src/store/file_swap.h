// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/carried_files.h"
#include "store/file_table.h"

namespace vm::store {

// A restore replaces the data folder's files as one set: copies of the new files are first
// staged beside them under their staged names (carried_files.h) and flushed; then the list of
// them is written down in "Restore.$$$" (flushed, with its folder entry) before the first
// rename; then each staged copy is renamed over its file and the folder flushed; then the
// marker goes. A crash or power cut before the marker is whole leaves every current file as it
// was (the next start removes the staged copies); from then on the next start finishes the
// renames before anything reads the files, so the set is never part old and part new.
inline constexpr std::string_view kSwapMarkerName = "Restore.$$$";

// One file of the new set.
struct SwapEntry {
  std::string name;     // a carried file's name
  bool remove = false;  // the new set has no such file: the current one goes
};

// The line a restore owes the change log once its files are in place: the line without its end
// (change_line.h), and where it goes: the length of the data folder's log, which the restore
// keeps, or of the backup's copy that it puts in place where the folder has none.
struct OwedLine {
  std::uint64_t logAt = 0;
  std::string text;
};

// Flushes the folder's entries of the staged copies, then writes the marker, with the line the
// swap owes the change log. Nothing in the data folder has changed yet: on a failure nothing of
// the marker is left and the failure goes on; the staged copies are the caller's to remove.
void writeSwapMarker(FileTable& table, const std::vector<SwapEntry>& entries,
                     const std::optional<OwedLine>& line = std::nullopt);

// After writeSwapMarker: closes every file, drops a journal of unfinished work (its work was on
// the files being replaced), renames the staged copies into place, removes the files the new
// set lacks, flushes the folder, writes the owed line once at the end of the log (never losing a
// byte of it: change_log.h), and removes the marker. The change log only grows: it is never
// replaced or removed, and a staged copy of it goes in place only where there is none
// (carried_files.h). A failure here goes on with the marker left behind, and the next start
// finishes the swap, its line included.
void swapStaged(FileTable& table, const std::vector<SwapEntry>& entries,
                const std::optional<OwedLine>& line = std::nullopt);

// Removes every staged copy of the files from the data folder; returns whether there was one.
bool removeStagedCopies(FileTable& table, std::span<const CarriedFile> files = kCarriedFiles);

// The swap a marker names.
struct SwapMarker {
  std::vector<SwapEntry> entries;
  std::optional<OwedLine> line;
};

// A restore's marker as the next start finds it.
struct FoundSwap {
  bool present = false;              // there is a marker
  std::optional<SwapMarker> swap{};  // the swap to finish; none for a marker only to remove
};

// At start-up, before anything changes: reads the marker and judges it (marker_file.h). Throws
// DamagedWorkError for one that was changed after it was written.
FoundSwap findInterruptedSwap(FileTable& table);

// Then, before the journal and anything else: finishes the swap found, or only removes a marker
// cut short or not ours; then removes staged copies left by a restore that failed or was
// interrupted before its marker was written. Returns whether a swap was finished.
bool finishInterruptedSwap(FileTable& table, const FoundSwap& found);

}  // namespace vm::store
