// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/link_index.h"

#include <bit>

#include "store/field_codec.h"
#include "store/link_rule.h"

namespace vm::scan {

LinkIndex::Table::Table(std::size_t expected) {
  std::size_t size = 1024;
  while (size < 2 * expected) size *= 2;
  entries_.resize(size);
  mask_ = size - 1;
  shift_ = 64 - std::countr_zero(size);
}

void LinkIndex::Table::add(std::uint64_t key, int slot) {
  if (2 * (used_ + 1) > entries_.size()) grow();
  std::size_t i = placeOf(key);
  while (entries_[i].slot != kAbsent) i = (i + 1) & mask_;
  entries_[i] = {key, slot};
  ++used_;
}

void LinkIndex::Table::grow() {
  std::vector<Entry> old(entries_.size() * 2);
  old.swap(entries_);
  mask_ = entries_.size() - 1;
  --shift_;
  used_ = 0;
  for (const Entry& e : old)
    if (e.slot != kAbsent) add(e.key, e.slot);
}

LinkIndex::LinkIndex(std::span<const double> dateCreatedOfRows, store::layout::Field link)
    : link_(link.offset), byKey_(dateCreatedOfRows.size()), byBytes_(dateCreatedOfRows.size()) {
  rowSlot_.reserve(dateCreatedOfRows.size());
  for (const double stamp : dateCreatedOfRows) {
    const std::optional<std::uint64_t> key = store::linkKey(stamp);
    if (!key) {  // a stamp that links to nothing: no record is this row's
      rowSlot_.push_back(persons_++);
      continue;
    }
    int slot = byKey_.find(*key);
    if (slot == Table::kAbsent) {
      slot = persons_++;
      byKey_.add(*key, slot);
    }
    rowSlot_.push_back(slot);
  }
}

int LinkIndex::learn(std::uint64_t bytes, std::span<const char> record) {
  const std::optional<std::uint64_t> key =
      store::linkKey(store::codec::getDouble(record, store::layout::Field{link_, 8}));
  int slot = key ? byKey_.find(*key) : Table::kAbsent;
  if (slot == Table::kAbsent) slot = -1;
  byBytes_.add(bytes, slot);
  return slot;
}

}  // namespace vm::scan
