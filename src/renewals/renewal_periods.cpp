// SPDX-License-Identifier: GPL-3.0-or-later
#include "renewals/renewal_periods.h"

#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "format/number_key.h"
#include "store/field_codec.h"
#include "store/record_codec.h"
#include "store/work_journal.h"

namespace vm::renewals {
namespace {

namespace L = store::layout::renewal;
constexpr auto kRenewals = store::DataFile::Renewals;

std::uint64_t keyOf(double courseId) { return format::numberKey(courseId); }

// Every record of the file as it is stored; nothing when there is no file.
std::vector<char> storedRecords(store::FileTable& table) {
  std::vector<char> bytes;
  if (!table.exists(kRenewals)) return bytes;
  const store::OpenFile file(table, kRenewals);
  bytes.reserve(L::kLength * static_cast<std::size_t>(file.count()));
  table.scanBlocks(kRenewals, 1, file.count(), [&](std::int32_t, std::span<const char> block) {
    bytes.insert(bytes.end(), block.begin(), block.end());
    return true;
  });
  return bytes;
}

// The records the bytes hold.
std::vector<store::RenewalRecord> recordsIn(const std::vector<char>& bytes) {
  std::vector<store::RenewalRecord> out;
  out.reserve(bytes.size() / L::kLength);
  for (std::size_t at = 0; at + L::kLength <= bytes.size(); at += L::kLength)
    out.push_back(store::RecordTraits<store::RenewalRecord>::decode(
        std::span<const char>(bytes).subspan(at, L::kLength)));
  return out;
}

// The file's records with the changes made: a course's record gets its new months (every other
// byte kept) or goes, a course without a record gets one at the end, in the order given.
std::string rewritten(const std::vector<char>& before, std::span<const PeriodChange> changes) {
  struct Wanted {
    double courseId;
    int months;
    bool placed = false;
  };
  std::unordered_map<std::uint64_t, Wanted> wanted;
  for (const PeriodChange& c : changes) wanted[keyOf(c.courseId)] = {c.courseId, c.months};

  std::string after;
  after.reserve(before.size() + L::kLength * changes.size());
  for (std::size_t at = 0; at + L::kLength <= before.size(); at += L::kLength) {
    const std::span<const char> record = std::span<const char>(before).subspan(at, L::kLength);
    const auto it = wanted.find(keyOf(store::codec::getDouble(record, L::CourseID)));
    if (it == wanted.end()) {
      after.insert(after.end(), record.begin(), record.end());
      continue;
    }
    it->second.placed = true;
    if (it->second.months <= 0) continue;
    after.insert(after.end(), record.begin(), record.end());
    store::codec::putInt16(std::span<char>(after).last(L::kLength), L::Months,
                           static_cast<std::int16_t>(it->second.months));
  }
  for (const PeriodChange& c : changes) {
    Wanted& w = wanted.at(keyOf(c.courseId));
    if (w.placed || w.months <= 0) continue;
    w.placed = true;
    after.resize(after.size() + L::kLength);
    store::RecordTraits<store::RenewalRecord>::encode(
        {w.courseId, static_cast<std::int16_t>(w.months)}, std::span<char>(after).last(L::kLength));
  }
  return after;
}

// What the change log tells of the changes: each course whose period changes, once.
std::vector<store::Change> changesTold(const RenewalPeriods& was,
                                       std::span<const PeriodChange> changes) {
  const auto text = [](int months) { return months > 0 ? std::to_string(months) : std::string(); };
  std::vector<store::Change> told;
  std::unordered_set<std::uint64_t> named;
  for (const PeriodChange& c : changes) {
    const int old = was.monthsOf(c.courseId);
    if (old == std::max(c.months, 0) || !named.insert(keyOf(c.courseId)).second) continue;
    std::string course = store::logValue(c.code);
    if (!c.name.empty()) course += (course.empty() ? "" : ", ") + store::logValue(c.name);
    told.push_back(
        {"renewal period changed",
         course,
         {"Months: " + store::quoted(text(old)) + " -> " + store::quoted(text(c.months))}});
  }
  return told;
}

}  // namespace

int RenewalPeriods::monthsOf(double courseId) const {
  const auto it = months_.find(keyOf(courseId));
  return it == months_.end() ? 0 : it->second;
}

void RenewalPeriods::set(double courseId, int months) {
  if (months > 0)
    months_[keyOf(courseId)] = months;
  else
    months_.erase(keyOf(courseId));
}

// A course listed twice keeps the first.
RenewalPeriods periodsOf(std::span<const store::RenewalRecord> records) {
  RenewalPeriods periods;
  std::unordered_set<std::uint64_t> seen;
  for (const store::RenewalRecord& r : records)
    if (seen.insert(keyOf(r.CourseID)).second) periods.set(r.CourseID, r.Months);
  return periods;
}

std::vector<store::RenewalRecord> renewalRecords(store::FileTable& table) {
  return recordsIn(storedRecords(table));
}

std::vector<store::Change> savePeriodChanges(store::FileTable& table,
                                             const store::ChangeAuthor& author,
                                             std::span<const PeriodChange> changes) {
  const std::vector<char> before = storedRecords(table);
  std::string after = rewritten(before, changes);
  if (std::string_view(after) == std::string_view(before.data(), before.size())) return {};
  std::vector<store::Change> told = changesTold(periodsOf(recordsIn(before)), changes);
  store::doWork(table, author, {store::ReplaceFile{kRenewals, std::move(after)}}, told);
  return told;
}

}  // namespace vm::renewals
