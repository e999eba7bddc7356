#include "search/person_index.h"

#include <cstring>

#include "format/number_text.h"
#include "store/field_codec.h"
#include "store/record_layouts.h"

namespace vm::search {
namespace {

constexpr int kFirstBits = 12;

std::size_t place(std::uint64_t key, int shift) {
  return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> shift);
}

}  // namespace

PersonIndex::PersonIndex(std::span<const std::string> dateCreatedOfRows) {
  rowSlot_.reserve(dateCreatedOfRows.size());
  for (const std::string& text : dateCreatedOfRows) {
    const auto [at, added] = byText_.emplace(text, persons());
    rowSlot_.push_back(at->second);
  }
  keys_.assign(std::size_t{1} << kFirstBits, 0);
  slots_.assign(keys_.size(), kFree);
  shift_ = 64 - kFirstBits;
}

int PersonIndex::find(std::span<const char> record) {
  // The stored bytes as the host reads them serve as the key; only a new one is decoded.
  std::uint64_t key;
  std::memcpy(&key, record.data() + store::layout::training::PersonID.offset, sizeof key);
  const std::size_t mask = keys_.size() - 1;
  for (std::size_t i = place(key, shift_);; i = (i + 1) & mask) {
    if (slots_[i] == kFree) return lookUp(key, record);
    if (keys_[i] == key) return slots_[i];
  }
}

int PersonIndex::lookUp(std::uint64_t key, std::span<const char> record) {
  const double personId = store::codec::getDouble(record, store::layout::training::PersonID);
  const auto it = byText_.find(format::generalNumber(personId));
  const int slot = it == byText_.end() ? -1 : it->second;
  if (2 * (used_ + 1) > keys_.size()) grow();
  const std::size_t mask = keys_.size() - 1;
  std::size_t i = place(key, shift_);
  while (slots_[i] != kFree) i = (i + 1) & mask;
  keys_[i] = key;
  slots_[i] = slot;
  ++used_;
  return slot;
}

void PersonIndex::grow() {
  std::vector<std::uint64_t> keys(keys_.size() * 2, 0);
  std::vector<int> slots(keys.size(), kFree);
  --shift_;
  const std::size_t mask = keys.size() - 1;
  for (std::size_t j = 0; j < keys_.size(); ++j) {
    if (slots_[j] == kFree) continue;
    std::size_t i = place(keys_[j], shift_);
    while (slots[i] != kFree) i = (i + 1) & mask;
    keys[i] = keys_[j];
    slots[i] = slots_[j];
  }
  keys_ = std::move(keys);
  slots_ = std::move(slots);
}

}  // namespace vm::search
