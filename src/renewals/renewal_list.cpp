// SPDX-License-Identifier: GPL-3.0-or-later
#include "renewals/renewal_list.h"

#include <algorithm>
#include <bit>
#include <limits>

#include "format/automation_date.h"
#include "renewals/lapse_date.h"
#include "scan/large_table.h"
#include "scan/link_index.h"
#include "scan/range_pass.h"
#include "store/field_codec.h"

namespace vm::renewals {
namespace {

namespace L = store::layout::training;

// The latest training day of each person and course met, by the pair of their slots. Open
// addressing in one array, so that a record's update touches one place; it grows with the pairs
// met, never with persons times courses.
class LatestDays {
 public:
  static std::uint64_t keyOf(int person, int course) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(person)) << 32 |
           static_cast<std::uint32_t>(course);
  }

  LatestDays() : entries_(1024), mask_(1023), shift_(54) {}

  void keep(std::uint64_t key, std::int32_t day) {
    Entry& e = entries_[place(key)];
    if (e.key == key) {
      e.day = std::max(e.day, day);
      return;
    }
    if (2 * (used_ + 1) > entries_.size()) grow();
    Entry& fresh = entries_[place(key)];
    fresh = {key, day};
    ++used_;
  }

  // Keeps the later day of each pair the other holds too. The other's entries come in the order
  // of their places; in a smaller table they would crowd into its first runs, so this one grows
  // to the other's size first.
  void keepAll(const LatestDays& other) {
    while (entries_.size() < other.entries_.size()) grow();
    for (const Entry& e : other.entries_)
      if (e.key != kEmpty) keep(e.key, e.day);
  }

  std::optional<std::int32_t> find(std::uint64_t key) const {
    const Entry& e = entries_[place(key)];
    if (e.key != key) return std::nullopt;
    return e.day;
  }

  void prefetch([[maybe_unused]] std::uint64_t key) const {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(&entries_[hash(key)]);
#endif
  }

 private:
  static constexpr std::uint64_t kEmpty = std::numeric_limits<std::uint64_t>::max();
  struct Entry {
    std::uint64_t key = kEmpty;
    std::int32_t day = 0;
  };

  // The top bits of the product: they depend on every bit of the key, where lower ones would
  // leave the person out and crowd each course into one run of the table.
  std::size_t hash(std::uint64_t key) const {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> shift_);
  }
  // The entry that holds the key, or the empty one where it would go.
  std::size_t place(std::uint64_t key) const {
    std::size_t i = hash(key);
    while (entries_[i].key != key && entries_[i].key != kEmpty) i = (i + 1) & mask_;
    return i;
  }
  void grow() {
    scan::LargeTable<Entry> old(entries_.size() * 2);
    old.swap(entries_);
    mask_ = entries_.size() - 1;
    --shift_;
    for (const Entry& e : old)
      if (e.key != kEmpty) entries_[place(e.key)] = e;
  }

  scan::LargeTable<Entry> entries_;
  std::size_t mask_;
  int shift_;
  std::size_t used_ = 0;
};

// Sorts as RenewalList says: by status, lapse day (never last), person's row, course.
bool listedBefore(const RenewalEntry& a, const RenewalEntry& b) {
  const auto lapse = [](const RenewalEntry& e) {
    return e.lapses.value_or(std::numeric_limits<std::int64_t>::max());
  };
  if (a.status != b.status) return a.status < b.status;
  if (lapse(a) != lapse(b)) return lapse(a) < lapse(b);
  if (a.row != b.row) return a.row < b.row;
  return a.course < b.course;
}

void count(RenewalCounts& counts, RenewalStatus status) {
  switch (status) {
    case RenewalStatus::Expired:
      ++counts.expired;
      break;
    case RenewalStatus::Due:
      ++counts.due;
      break;
    case RenewalStatus::Current:
      ++counts.current;
      break;
    case RenewalStatus::NeverTaken:
      ++counts.neverTaken;
      break;
  }
}

}  // namespace

RenewalList renewalList(scan::TrainingBlocks& blocks, std::span<const double> personRows,
                        std::span<const RenewalCourse> courses, const RenewalQuery& query,
                        const scan::PassOptions& pass) {
  RenewalList out;
  if (personRows.empty() || courses.empty()) return out;
  const scan::LinkIndex persons(personRows);
  std::vector<double> courseIds;
  courseIds.reserve(courses.size());
  for (const RenewalCourse& c : courses) courseIds.push_back(c.id);
  const scan::LinkIndex courseIndex(courseIds, L::CourseID);

  // Each range keeps the latest days of its own records; the latest of a pair is the latest of
  // its ranges' latest.
  struct Part {
    scan::LinkIndex persons;
    scan::LinkIndex courses;
    LatestDays latest{};

    // Most records of a file belong to courses without a period, so the course is asked first
    // and only the rest look their person up.
    void ahead(std::span<const char> r) {
      if (courses.find(r) >= 0) persons.prefetch(r);
    }
    bool visit(std::span<const char> r) {
      const int course = courses.find(r);
      if (course < 0) return true;
      const int person = persons.find(r);
      if (person < 0) return true;
      const auto day = static_cast<std::int32_t>(
          format::automationDay(store::codec::getDouble(r, L::TrainingDate)));
      latest.keep(LatestDays::keyOf(person, course), day);
      return true;
    }
  };
  LatestDays latest;
  for (const Part& part : scan::passInRanges<Part>(blocks, pass, [&] {
         return Part{persons, courseIndex};
       }))
    latest.keepAll(part.latest);

  // The pairs are spread over the table: those of a few rows ahead are fetched while this row's
  // are read.
  constexpr std::size_t kRowsAhead = 4;
  for (std::size_t row = 0; row < personRows.size(); ++row) {
    const int person = persons.slotOfRow(row);
    if (row + kRowsAhead < personRows.size())
      for (std::size_t c = 0; c < courses.size(); ++c)
        latest.prefetch(
            LatestDays::keyOf(persons.slotOfRow(row + kRowsAhead), courseIndex.slotOfRow(c)));
    for (std::size_t c = 0; c < courses.size(); ++c) {
      RenewalEntry e;
      e.row = static_cast<int>(row);
      e.course = static_cast<int>(c);
      if (const auto day = latest.find(LatestDays::keyOf(person, courseIndex.slotOfRow(c)))) {
        e.trained = *day;
        e.lapses = lapseDay(*day, courses[c].months);
        e.status = statusOf(e.lapses, query.today, query.dueWithin);
      }
      count(out.counts, e.status);
      if (e.status != RenewalStatus::NeverTaken || query.neverTaken) out.entries.push_back(e);
    }
  }
  std::sort(out.entries.begin(), out.entries.end(), listedBefore);
  return out;
}

}  // namespace vm::renewals
