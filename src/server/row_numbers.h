// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "server/server_rows.h"

namespace vm::server {

// A list's records as the caller last listed them, numbered 1 to their count in list order as the
// windows number their rows: n stays the record listed n, at the version last read, until the
// list is listed again, whatever other desks do meanwhile. The caller's own changes renumber it as
// a data folder's list renumbers: an addition comes last, a removal moves the later records up.
class RowNumbers {
 public:
  template <typename Record>
  void listed(const std::vector<Row<Record>>& rows) {
    refs_.clear();
    for (const Row<Record>& row : rows) refs_.push_back(refOf(row));
    listed_ = true;
  }
  bool holds(std::int32_t n) const {
    return listed_ && n >= 1 && n <= static_cast<std::int32_t>(refs_.size());
  }
  RowRef& at(std::int32_t n) { return refs_.at(static_cast<std::size_t>(n - 1)); }
  // Before the first listing an addition has no number the caller could know.
  void added(RowRef ref) {
    if (listed_) refs_.push_back(ref);
  }
  void removed(std::int32_t n) { refs_.erase(refs_.begin() + (n - 1)); }

 private:
  std::vector<RowRef> refs_;
  bool listed_ = false;
};

}  // namespace vm::server
