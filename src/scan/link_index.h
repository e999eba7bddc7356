// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "store/record_layouts.h"

namespace vm::scan {

// Listed persons, found from a training record's PersonID (or, given the CourseID field, listed
// courses found from its CourseID). A record belongs to a listed row when its link and the row's
// DateCreated link under the rule of the record files (store/link_rule.h); rows whose stamps link
// to each other share every record. The key of each different link met is worked out once, so a
// pass over the training file looks every record up by its 8 stored bytes alone.
class LinkIndex {
 public:
  // The DateCreated of the listed rows, in list order, and the field of a training record that
  // links to them.
  explicit LinkIndex(std::span<const double> dateCreatedOfRows,
                     store::layout::Field link = store::layout::training::PersonID);

  // The rows, as different links; a slot is one of them (0 to persons() - 1).
  int persons() const { return persons_; }
  int slotOfRow(std::size_t row) const { return rowSlot_[row]; }

  // The slot of the row a training record's link names, or -1 when that row is not listed.
  int find(std::span<const char> record) {
    // The stored bytes as the host reads them are the key; only a new one is decoded.
    std::uint64_t bytes;
    std::memcpy(&bytes, record.data() + link_, sizeof bytes);
    const int slot = byBytes_.find(bytes);
    return slot != Table::kAbsent ? slot : learn(bytes, record);
  }

  // Starts bringing into the cache what find() will read for this record.
  void prefetch(std::span<const char> record) const {
    std::uint64_t bytes;
    std::memcpy(&bytes, record.data() + link_, sizeof bytes);
    byBytes_.prefetch(bytes);
  }

 private:
  // Keys and slots side by side in one table of open addressing, so a look-up touches one place.
  class Table {
   public:
    static constexpr int kAbsent = -2;
    explicit Table(std::size_t expected);
    int find(std::uint64_t key) const {
      for (std::size_t i = placeOf(key);; i = (i + 1) & mask_) {
        if (entries_[i].slot == kAbsent) return kAbsent;
        if (entries_[i].key == key) return entries_[i].slot;
      }
    }
    void add(std::uint64_t key, int slot);
    void prefetch([[maybe_unused]] std::uint64_t key) const {
#if defined(__GNUC__) || defined(__clang__)
      __builtin_prefetch(&entries_[placeOf(key)]);
#endif
    }

   private:
    struct Entry {
      std::uint64_t key = 0;
      int slot = kAbsent;
    };
    std::size_t placeOf(std::uint64_t key) const {
      return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> shift_);
    }
    void grow();
    std::vector<Entry> entries_;
    std::size_t mask_ = 0;
    int shift_ = 64;
    std::size_t used_ = 0;
  };

  int learn(std::uint64_t bytes, std::span<const char> record);

  std::size_t link_;
  int persons_ = 0;
  std::vector<int> rowSlot_;
  Table byKey_;    // the persons by the link key of their DateCreated
  Table byBytes_;  // every link met so far, by its stored bytes
};

}  // namespace vm::scan
