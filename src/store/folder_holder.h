// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "format/date_time.h"
#include "store/file_system.h"

namespace vm::store {

// Who holds the data folder, for a copy that finds it taken: written by the holding copy beside
// its lock when it starts and again at each log-in, removed when it ends. A plain text of
// "Key=value" lines, renamed into place whole, so that a reader finds the old text or the new.
inline constexpr std::string_view kHolderName = "Verdimark.holder";

struct FolderHolder {
  std::string user;      // the program user logged in there; empty before the first log-in
  std::string account;   // the system account that runs the copy
  std::string computer;  // the computer's name
  std::string since;     // when the copy took the folder, "YYYY-MM-DD HH:MM" in its local time

  // The program user, else the account.
  const std::string& who() const { return user.empty() ? account : user; }
  bool operator==(const FolderHolder&) const = default;
};

std::string holderText(const FolderHolder& holder);
// Nothing when the text names no account and no user (an empty or foreign file).
std::optional<FolderHolder> parseHolder(std::string_view text);
std::string holderSince(const format::DateTime& t);

// The holder file of the folder; a missing or unreadable one gives nothing.
std::optional<FolderHolder> readHolder(FileSystem& fs, const std::string& folder);
// Writes it whole; a failure (a StoreError) leaves the old one.
void writeHolder(FileSystem& fs, const std::string& folder, const FolderHolder& holder);
// Removes it when it is there, without reporting a failure: the copy is ending.
void removeHolder(FileSystem& fs, const std::string& folder) noexcept;

}  // namespace vm::store
