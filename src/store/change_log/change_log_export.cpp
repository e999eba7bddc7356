// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/change_log/change_log_export.h"

#include <array>

#include "format/csv_text.h"
#include "store/whole_file.h"

namespace vm::store {

std::int64_t exportChangeLog(ChangeLineSource& lines, const ChangeFilter& filter, FileSystem& fs,
                             const std::string& csvPath) {
  const std::array<std::string, 5> header = {"Date and Time", "User", "Action", "Record",
                                             "Details"};
  std::string csv = format::csvDocument(header, {});
  std::int64_t rows = 0;
  lines.readOlder([&](std::string_view line, LinePlace) {
    if (!filter.matches(line)) return true;
    const ChangeEntry e = parseChangeLine(line);
    // Appended cell by cell rather than through a row of strings: a long log has a million rows.
    for (const std::string* cell : {&e.when, &e.user, &e.action, &e.record, &e.details}) {
      if (cell != &e.when) csv += ',';
      csv += format::delimitedCell(*cell, ',');
    }
    csv += "\r\n";
    ++rows;
    return true;
  });
  writeWholeFile(fs, csvPath, csv);
  return rows;
}

}  // namespace vm::store
