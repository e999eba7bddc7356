// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/clock.h"

#include <ctime>

namespace vm::format {

DateTime localDateTime(std::int64_t seconds) {
  const auto moment = static_cast<std::time_t>(seconds);
  std::tm local{};
  localtime_r(&moment, &local);
  // A leap second (tm_sec 60) is held as the last second of its minute.
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec > 59 ? 59 : local.tm_sec};
}

DateTime SystemClock::now() const { return localDateTime(std::time(nullptr)); }

}  // namespace vm::format
