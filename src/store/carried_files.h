// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "store/change_log/change_log.h"
#include "store/data_files.h"

namespace vm::store {

// How a file travels in a backup and a restore.
enum class Carry {
  // Always part of the set: a backup writes it (as an empty file, which holds no records just as
  // no file does, when the data folder has none), and a restore needs it in the backup.
  Always,
  // Part of the set when it exists: a backup copies it when the data folder has it and otherwise
  // removes an older backup's copy, and a restore puts back the backup's copy or, when the
  // backup has none, removes the current file, so that the set is always of one moment.
  WhenPresent,
  // Only ever grows (the change log, the trail of every change): a backup carries it as one
  // carried when present, and adds its own line to its copy; a restore never replaces, shortens
  // or removes the data folder's file, and puts the backup's copy in place only where the data
  // folder has none (a new computer), so that a lost folder comes back with its history.
  Grows,
};

struct CarriedFile {
  std::string_view name;
  Carry carry;
};

// The files that a backup copies and a restore puts back, in this order: the one list of them.
// A new data file joins the set here. Never the lock file, the journal, the restore's marker, the
// temporary file or the installation values: they belong to the running copy and its
// installation, not to the data (README.md in this folder maps them all).
inline constexpr auto kCarriedFiles = std::to_array<CarriedFile>({
    {"User.List", Carry::Always},
    {"User.Log", Carry::Always},
    {"Name.List", Carry::Always},
    {"Course.Index", Carry::Always},
    {"Training.Records", Carry::Always},
    {fileName(DataFile::Renewals), Carry::WhenPresent},
    {kChangeLogName, Carry::Grows},
});

// How the file of that name travels; nothing for a file that is not carried.
inline std::optional<Carry> carryOf(std::string_view name) {
  for (const CarriedFile& c : kCarriedFiles)
    if (c.name == name) return c.carry;
  return std::nullopt;
}

// A folder holds a backup when it holds this file; the data folder holds current data when it
// holds it.
inline constexpr std::string_view kBackupMark = kCarriedFiles.front().name;
static_assert(kCarriedFiles.front().carry == Carry::Always, "a backup always holds its mark");

static_assert(std::ranges::all_of(kDataFileNames,
                                  [](std::string_view name) {
                                    return std::ranges::any_of(
                                        kCarriedFiles, [&](const CarriedFile& c) {
                                          return c.name == name && c.carry == Carry::Always;
                                        });
                                  }),
              "every data file is carried by the backup and the restore");

// The name under which a carried file is written before it is renamed into place: beside the
// file, in the same folder, so that the rename replaces it in one step.
inline std::string stagedName(std::string_view name) { return std::string(name) + ".$$$"; }

}  // namespace vm::store
