// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/date_text.h"

#include <cstdio>

#include "format/automation_date.h"

namespace vm::format {
namespace {

int twelveHour(int hour) { return hour % 12 == 0 ? 12 : hour % 12; }

template <typename... Args>
std::string print(const char* pattern, Args... args) {
  char text[48];
  const int length = std::snprintf(text, sizeof text, pattern, args...);
  return std::string(text, static_cast<std::size_t>(length));
}

}  // namespace

std::string formatDate(double date) {
  const DateTime t = fromAutomationDate(date);
  return print("%02d/%02d/%04d", t.month, t.day, t.year);
}

std::string formatDateTimeAmPm(double date) {
  const DateTime t = fromAutomationDate(date);
  return print("%02d/%02d/%04d %02d:%02d%s ", t.month, t.day, t.year, twelveHour(t.hour), t.minute,
               t.hour < 12 ? "am" : "pm");
}

std::string formatTime(double date) {
  const DateTime t = fromAutomationDate(date);
  return print("%02d:%02d:%02d", t.hour, t.minute, t.second);
}

std::string formatYyyymmdd(double date) {
  const DateTime t = fromAutomationDate(date);
  return print("%04d%02d%02d", t.year, t.month, t.day);
}

std::string formatGeneralDateTime(double date) {
  const DateTime t = fromAutomationDate(date);
  if (t.hour == 0 && t.minute == 0 && t.second == 0) {
    return print("%d/%d/%d", t.month, t.day, t.year);
  }
  return print("%d/%d/%d %d:%02d:%02d %s", t.month, t.day, t.year, twelveHour(t.hour), t.minute,
               t.second, t.hour < 12 ? "AM" : "PM");
}

}  // namespace vm::format
