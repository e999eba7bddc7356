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
#include "scan/range_pass.h"
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

bool summable(int year) { return year >= format::kMinYear && year <= format::kMaxYear; }

DayRange daysOf(int year) {
  return {format::automationDay(format::automationDateOf(year, 1, 1)),
          format::automationDay(format::automationDateOf(year, 12, 31))};
}

}  // namespace

double hoursAddend(float stored) {
  const std::string text = format::shortestSingle(stored);
  double value = stored;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::string hoursText(double hours) { return format::shortestSingle(format::toSingle(hours)); }

AnnualSummary annualSummary(scan::TrainingBlocks& blocks, std::span<const double> personRows,
                            int year, const scan::PassOptions& pass) {
  namespace L = store::layout::training;
  AnnualSummary out;
  if (!summable(year)) return out;
  const DayRange days = daysOf(year);
  const scan::LinkIndex listed(personRows);
  const auto slots = static_cast<std::size_t>(listed.persons());
  std::vector<double> hours(slots, 0.0);
  std::vector<char> found(slots, 0);
  AddendCache addend;

  // The first range adds its hours up as it goes. A sum depends on the order of its addends, so
  // the later ranges keep theirs, in file order, to be added after the first range's: the totals
  // come out as one pass over the file adds them up.
  struct Logged {
    std::int32_t slot;
    float hours;
  };
  struct Part {
    const DayRange& days;
    scan::LinkIndex persons;
    std::vector<double>* sums;  // the first range's; the others log
    AddendCache* addend;
    std::vector<char> found;  // each range its own: ranges never share a byte
    std::vector<Logged> log{};

    // The date lies beside PersonID at the start of the record and rules out most records of
    // a file that spans many years, so it is asked first and only records of the year are
    // looked up.
    bool inYear(std::span<const char> r) const {
      return days.holds(store::codec::getDouble(r, L::TrainingDate));
    }
    void ahead(std::span<const char> r) const {
      if (inYear(r)) persons.prefetch(r);
    }
    bool visit(std::span<const char> r) {
      if (!inYear(r)) return true;
      const int slot = persons.find(r);
      if (slot < 0) return true;
      found[static_cast<std::size_t>(slot)] = 1;
      const float stored = store::codec::getSingle(r, L::Hours);
      if (sums)
        (*sums)[static_cast<std::size_t>(slot)] += (*addend)(stored);
      else
        log.push_back({slot, stored});
      return true;
    }
  };
  if (slots > 0) {
    bool first = true;
    const std::vector<Part> parts = scan::passInRanges<Part>(blocks, pass, [&] {
      Part part{days, listed, first ? &hours : nullptr, first ? &addend : nullptr,
                std::vector<char>(slots, 0)};
      first = false;
      return part;
    });
    for (const Part& part : parts) {
      for (const Logged& l : part.log) hours[static_cast<std::size_t>(l.slot)] += addend(l.hours);
      for (std::size_t slot = 0; slot < slots; ++slot) found[slot] |= part.found[slot];
    }
  }

  for (std::size_t row = 0; row < personRows.size(); ++row) {
    const auto slot = static_cast<std::size_t>(listed.slotOfRow(row));
    if (!found[slot]) continue;
    out.persons.push_back({static_cast<int>(row), hours[slot]});
    out.total += hours[slot];
  }
  return out;
}

scan::TrainingHint summaryHint(std::span<const double> persons, int year) {
  scan::TrainingHint hint = scan::personsHint(persons);
  if (summable(year)) {
    const DayRange days = daysOf(year);
    hint.firstDay = days.first();
    hint.lastDay = days.last();
  }
  namespace L = store::layout::training;
  hint.fields = {L::PersonID, L::TrainingDate, L::Hours};
  return hint;
}

}  // namespace vm::search
