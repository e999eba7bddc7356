// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace vm::records {

// A change refused because another user changed or removed the record after the caller read it:
// nothing was written. The message, in words for the user, says who changed it and when; the
// caller reads the record again to show it as it now is, or lists again when it is gone.
class ChangeRefused : public std::runtime_error {
 public:
  ChangeRefused(const std::string& message, bool removed)
      : std::runtime_error(message), removed_(removed) {}

  bool wasRemoved() const { return removed_; }

 private:
  bool removed_ = false;
};

}  // namespace vm::records
