// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/file_table.h"

namespace vm::store {

// The small files that write down work in progress before it begins (the journal, the restore
// marker), so that the next start can finish it. Each is text that begins with a line of its own
// (its header) and ends with a line "end", and is written whole behind a first line that carries
// the CRC-32C checksum of the rest:
//   Verdimark checksum 1A2B3C4D
//   Verdimark unfinished work
//   ...
//   end
// so that a file changed after it was written (by a failing disk, by hand) is refused rather than
// obeyed. Older builds wrote the text alone, without the checksum line; such a file is read as
// they read it.

// The name under which such a file is written before it is renamed into place.
std::string stagedMarkerName(std::string_view name);

// Writes the file whole and flushed, with its folder entry, before returning: under its staged
// name first, then renamed into place. On a failure nothing of it is left and the failure goes
// on: the work has not begun. A file longer than `limit`, which the next start would not read,
// is refused before anything is written.
void writeMarkerFile(FileTable& table, std::string_view name, std::string_view text,
                     std::uint64_t limit);

// At start-up: removes the staged copy of a marker whose writing a crash cut short (its work
// never began); returns whether there was one.
bool removeStagedMarker(FileTable& table, std::string_view name);

// The text behind its checksum line.
std::string checkedText(std::string_view text);

// What the next start finds in such a file.
enum class Found {
  Nothing,    // no file
  CutShort,   // the beginning of one, cut short before its work began: it is only removed
  Unchecked,  // an older build's text: obeyed when it reads whole, else removed, as ever
  Checked,    // the text as it was written
  Changed,    // not the text that was written: refused
};

struct FoundMarker {
  Found found = Found::Nothing;
  std::string text{};  // of an unchecked or checked file
};

// Judges a file's bytes; `header` is the first line of its text.
FoundMarker judgeMarkerBytes(std::string_view bytes, std::string_view header);

// Reads the file at the path and judges it; at most `limit` + 1 bytes are read, so that a longer
// file, which is not one of ours, is known by its length.
FoundMarker readMarkerFile(FileSystem& fs, const std::string& path, std::string_view header,
                           std::uint64_t limit);

// Refuses work that cannot be trusted, before anything changes: a file that was changed, or a
// checked text that does not read (`reads` false), as work of a build that knows more. Throws
// DamagedWorkError naming the file.
void refuseUntrusted(const FoundMarker& found, bool reads, const std::string& path);

}  // namespace vm::store
