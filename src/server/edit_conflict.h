// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "records/change_refused.h"

namespace vm::server {

// A save or a removal refused because another user changed or removed the record since the
// caller read it: nothing was written. The message says who changed it, and when (the time of the
// change as that user's computer gave it); the caller reads the record again (readRow) to show it
// as it now is.
class EditConflict : public records::ChangeRefused {
 public:
  // `what`: "person", "course", "user", "training record".
  static EditConflict changed(std::string_view what, std::string user, double when);
  static EditConflict removed(std::string_view what);

  const std::string& user() const { return user_; }
  double when() const { return when_; }

 private:
  EditConflict(const std::string& message, std::string user, double when, bool removed)
      : ChangeRefused(message, removed), user_(std::move(user)), when_(when) {}

  std::string user_;
  double when_ = 0;
};

}  // namespace vm::server
