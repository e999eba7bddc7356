#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace vm::search {

// The persons listed on the Name List, found from a training record's PersonID. A record belongs
// to a listed person when the general number text of its PersonID equals the DateCreated text of
// the person's row; persons who share a DateCreated share every record. The text is worked out
// once for each different PersonID met, so a pass over the training file looks every record up
// by its 8 stored bytes alone.
class PersonIndex {
 public:
  // The DateCreated texts of the listed rows, in list order.
  explicit PersonIndex(std::span<const std::string> dateCreatedOfRows);

  // The persons, as different DateCreated texts; a slot is one of them (0 to persons() - 1).
  int persons() const { return static_cast<int>(byText_.size()); }
  int slotOfRow(std::size_t row) const { return rowSlot_[row]; }

  // The slot of the person a training record's PersonID names, or -1 when that person is not
  // listed.
  int find(std::span<const char> record);

 private:
  int lookUp(std::uint64_t key, std::span<const char> record);
  void grow();

  std::unordered_map<std::string, int> byText_;
  std::vector<int> rowSlot_;
  // The PersonIDs met so far and their slots, in a table of open addressing.
  static constexpr int kFree = -2;
  std::vector<std::uint64_t> keys_;
  std::vector<int> slots_;
  std::size_t used_ = 0;
  int shift_ = 0;  // 64 - log2(table size)
};

}  // namespace vm::search
