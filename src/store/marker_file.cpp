// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/marker_file.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "store/crc32c.h"
#include "store/store_error.h"

namespace vm::store {
namespace {

constexpr std::string_view kChecksumWord = "Verdimark checksum ";
constexpr std::size_t kHexDigits = 8;
constexpr std::size_t kChecksumLine = kChecksumWord.size() + kHexDigits + 1;

// The checksum an upper-case hexadecimal word gives, or nothing for any other word.
std::optional<std::uint32_t> checksumOf(std::string_view hex) {
  if (!std::ranges::all_of(hex,
                           [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }))
    return std::nullopt;
  std::uint32_t value = 0;
  const auto result = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
  if (result.ec != std::errc() || result.ptr != hex.data() + hex.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string checkedText(std::string_view text) {
  char hex[kHexDigits + 1];
  std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(crc32c(text)));
  return std::string(kChecksumWord) + hex + '\n' + std::string(text);
}

std::string stagedMarkerName(std::string_view name) { return std::string(name) + ".new"; }

void writeMarkerFile(FileTable& table, std::string_view name, std::string_view text,
                     std::uint64_t limit) {
  FileSystem& fs = table.fileSystem();
  const std::string path = table.pathOf(name);
  const std::string staged = table.pathOf(stagedMarkerName(name));
  const std::string bytes = checkedText(text);
  if (bytes.size() > limit) throw StoreError("Cannot write", path, "the work is too large");
  // Written beside its name and renamed over it only when whole and flushed, so that a crash
  // while it is written leaves no marker at all, never the beginning of one (which would read
  // as changed and stop the next start for work that never began).
  File file(fs, staged, FileSystem::Mode::Replace);
  try {
    file.write(0, bytes);
    file.sync();
    file.close();
    fs.rename(staged, path);
    // Until its folder entry is on the disk the marker may still vanish; a failure here must not
    // leave behind a marker of work that the caller takes as never begun.
    table.flushFolder();
  } catch (const StoreError&) {
    // Nothing has changed yet: a marker that could not be written goes again.
    file.closeQuietly();
    for (const std::string& leftover : {staged, path}) {
      try {
        if (fs.exists(leftover)) fs.remove(leftover);
      } catch (const StoreError&) {
      }
    }
    throw;
  }
}

bool removeStagedMarker(FileTable& table, std::string_view name) {
  FileSystem& fs = table.fileSystem();
  const std::string staged = table.pathOf(stagedMarkerName(name));
  if (!fs.exists(staged)) return false;
  fs.remove(staged);
  return true;
}

FoundMarker judgeMarkerBytes(std::string_view bytes, std::string_view header) {
  const std::string headerLine = std::string(header) + '\n';
  if (bytes.starts_with(headerLine)) return {Found::Unchecked, std::string(bytes)};
  // The file is written in one go: a crash before it was flushed may leave its beginning. The
  // checksum line and each header differ in more than one byte, so no file of ours changed in
  // one byte looks like either of these.
  if (std::string_view(headerLine).starts_with(bytes) || kChecksumWord.starts_with(bytes))
    return {Found::CutShort};
  if (bytes.size() >= kChecksumLine && bytes.starts_with(kChecksumWord) &&
      bytes[kChecksumLine - 1] == '\n') {
    const std::string_view text = bytes.substr(kChecksumLine);
    if (checksumOf(bytes.substr(kChecksumWord.size(), kHexDigits)) == crc32c(text))
      return {Found::Checked, std::string(text)};
  }
  return {Found::Changed};
}

FoundMarker readMarkerFile(FileSystem& fs, const std::string& path, std::string_view header,
                           std::uint64_t limit) {
  if (!fs.exists(path)) return {};
  File file(fs, path, FileSystem::Mode::Read);
  std::string bytes(static_cast<std::size_t>(std::min(file.size(), limit + 1)), '\0');
  bytes.resize(file.read(0, bytes));
  file.close();
  return judgeMarkerBytes(bytes, header);
}

void refuseUntrusted(const FoundMarker& found, bool reads, const std::string& path) {
  if (found.found == Found::Changed)
    throw DamagedWorkError(path, "the file was changed after it was written");
  if (found.found == Found::Checked && !reads)
    throw DamagedWorkError(path, "it holds work that this copy of Verdimark does not know");
}

}  // namespace vm::store
