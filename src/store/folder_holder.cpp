// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/folder_holder.h"

#include <array>
#include <cstdio>

#include "store/file.h"
#include "store/store_error.h"
#include "store/whole_file.h"

namespace vm::store {
namespace {

std::string pathIn(const std::string& folder) { return folder + "/" + std::string(kHolderName); }

// A value never runs onto the next line, whatever a user or computer is called.
std::string oneLine(std::string s) {
  for (char& c : s)
    if (c == '\n' || c == '\r') c = ' ';
  return s;
}

// Enough for any holder file this program writes; a larger one is not ours.
constexpr std::size_t kMaxHolderBytes = 4096;

}  // namespace

std::string holderText(const FolderHolder& h) {
  return "User=" + oneLine(h.user) + "\nAccount=" + oneLine(h.account) +
         "\nComputer=" + oneLine(h.computer) + "\nSince=" + oneLine(h.since) + "\n";
}

std::optional<FolderHolder> parseHolder(std::string_view text) {
  FolderHolder h;
  const std::array<std::pair<std::string_view, std::string*>, 4> keys = {{
      {"User=", &h.user},
      {"Account=", &h.account},
      {"Computer=", &h.computer},
      {"Since=", &h.since},
  }};
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    for (const auto& [key, field] : keys)
      if (line.starts_with(key)) *field = std::string(line.substr(key.size()));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  if (h.user.empty() && h.account.empty()) return std::nullopt;
  return h;
}

std::string holderSince(const format::DateTime& t) {
  std::array<char, 32> out{};
  std::snprintf(out.data(), out.size(), "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute);
  return out.data();
}

std::optional<FolderHolder> readHolder(FileSystem& fs, const std::string& folder) {
  try {
    const File file(fs, pathIn(folder), FileSystem::Mode::Read);
    std::string text(kMaxHolderBytes, '\0');
    text.resize(file.read(0, text));
    return parseHolder(text);
  } catch (const StoreError&) {
    return std::nullopt;
  }
}

void writeHolder(FileSystem& fs, const std::string& folder, const FolderHolder& holder) {
  writeWholeFile(fs, pathIn(folder), holderText(holder));
}

void removeHolder(FileSystem& fs, const std::string& folder) noexcept {
  try {
    if (fs.exists(pathIn(folder))) fs.remove(pathIn(folder));
  } catch (const StoreError&) {
    // A holder file left behind names a copy whose lock is gone; the next copy writes its own.
  }
}

}  // namespace vm::store
