// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/creation_stamp.h"

#include <set>

#include "format/automation_date.h"
#include "store/field_codec.h"
#include "store/record_layouts.h"

namespace vm::store {

double uniqueCreationStamp(FileTable& table, DataFile f, const format::DateTime& now) {
  // DateCreated opens the user, person and course records alike.
  static_assert(layout::user::DateCreated.offset == 0 && layout::name::DateCreated.offset == 0 &&
                layout::course::DateCreated.offset == 0);
  const bool wasOpen = table.isOpen(f);
  const std::int32_t count = table.open(f);
  std::set<double> taken;
  table.scan(f, 1, count, [&](std::int32_t, std::span<const char> record) {
    taken.insert(codec::getDouble(record, layout::user::DateCreated));
    return true;
  });
  if (!wasOpen) table.close(f);

  constexpr double kSecond = 1.0 / 86400.0;
  double stamp = format::toAutomationDate(now);
  for (int step = 1; taken.count(stamp) != 0; ++step) {
    // Each candidate is computed from whole seconds, so it is exactly the stamp that
    // the same time of day typed as a date would give.
    stamp = format::toAutomationDate(
        format::fromAutomationDate(format::toAutomationDate(now) + step * kSecond));
  }
  return stamp;
}

}  // namespace vm::store
