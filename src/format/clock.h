// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "format/date_time.h"

namespace vm::format {

// The local date and time, to the second, of a moment counted in seconds since
// 1970-01-01 00:00 UTC (as file times are).
DateTime localDateTime(std::int64_t seconds);

// The source of "now" for creation stamps and log lines, so tests can fix the time.
struct Clock {
  virtual ~Clock() = default;
  virtual DateTime now() const = 0;
};

// The local date and time, to the second.
class SystemClock : public Clock {
 public:
  DateTime now() const override;
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(const DateTime& time) : time_(time) {}
  DateTime now() const override { return time_; }
  void set(const DateTime& time) { time_ = time; }

 private:
  DateTime time_;
};

}  // namespace vm::format
