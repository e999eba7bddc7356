// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/annual_summary.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>

#include "format/automation_date.h"
#include "format/date_time.h"
#include "format/number_text.h"
#include "scan/link_index.h"
#include "search/day_range.h"
#include "store/field_codec.h"

namespace vm::search {
namespace {

// The addends of the few different hours a file holds, worked out once each.
class AddendCache {
 public:
  double operator()(float stored) {
    const auto bits = std::bit_cast<std::uint32_t>(stored);
    Entry& e = entries_[(bits ^ (bits >> 13)) % entries_.size()];
    if (!e.filled || e.bits != bits) e = {bits, hoursAddend(stored), true};
    return e.addend;
  }

 private:
  struct Entry {
    std::uint32_t bits = 0;
    double addend = 0;
    bool filled = false;
  };
  std::array<Entry, 64> entries_{};
};

}  // namespace

double hoursAddend(float stored) {
  const std::string text = format::shortestSingle(stored);
  double value = stored;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::string hoursText(double hours) { return format::shortestSingle(format::toSingle(hours)); }

AnnualSummary annualSummary(store::FileTable& files, std::span<const double> personRows, int year,
                            const scan::ScanProgress& progress) {
  namespace L = store::layout::training;
  AnnualSummary out;
  if (year < format::kMinYear || year > format::kMaxYear) return out;
  const DayRange days{format::automationDay(format::automationDateOf(year, 1, 1)),
                      format::automationDay(format::automationDateOf(year, 12, 31))};
  scan::LinkIndex persons(personRows);
  const auto slots = static_cast<std::size_t>(persons.persons());
  std::vector<double> hours(slots, 0.0);
  std::vector<char> listed(slots, 0);
  AddendCache addend;

  // The date lies beside PersonID at the start of the record and rules out most records of a
  // file that spans many years, so it is asked first and only records of the year are looked up.
  const auto inYear = [&](std::span<const char> r) {
    return days.holds(store::codec::getDouble(r, L::TrainingDate));
  };
  if (slots > 0) {
    scan::passOverTraining(
        files, progress,
        [&](std::span<const char> r) {
          if (inYear(r)) persons.prefetch(r);
        },
        [&](std::span<const char> r) {
          if (!inYear(r)) return true;
          const int slot = persons.find(r);
          if (slot < 0) return true;
          listed[static_cast<std::size_t>(slot)] = 1;
          hours[static_cast<std::size_t>(slot)] += addend(store::codec::getSingle(r, L::Hours));
          return true;
        });
  }

  for (std::size_t row = 0; row < personRows.size(); ++row) {
    const auto slot = static_cast<std::size_t>(persons.slotOfRow(row));
    if (!listed[slot]) continue;
    out.persons.push_back({static_cast<int>(row), hours[slot]});
    out.total += hours[slot];
  }
  return out;
}

}  // namespace vm::search
