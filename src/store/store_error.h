// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace vm::store {

// A failure of the file system under the record store: the open, read, write, rename
// or removal that failed, the file, and the system's own error text. It is not caught
// by the program's logic; the top of the event loop reports it and ends the program.
class StoreError : public std::runtime_error {
 public:
  StoreError(std::string operation, std::string path, std::string systemText)
      : std::runtime_error(operation + " \"" + path + "\": " + systemText),
        operation_(std::move(operation)),
        path_(std::move(path)),
        systemText_(std::move(systemText)) {}

  const std::string& operation() const { return operation_; }
  const std::string& path() const { return path_; }
  const std::string& systemText() const { return systemText_; }

 private:
  std::string operation_;
  std::string path_;
  std::string systemText_;
};

// Unfinished work written down for the next start (a journal, a restore marker) that cannot be
// trusted: the file was changed after it was written, or holds work this build does not know. The
// start refuses it before anything changes; the message names the file and says what to do.
class DamagedWorkError : public StoreError {
 public:
  DamagedWorkError(const std::string& path, const std::string& reason)
      : StoreError("Cannot finish the unfinished work written down in", path,
                   reason +
                       ", so that work cannot be finished safely. Restore the data folder "
                       "from a backup, or move \"" +
                       path.substr(path.find_last_of('/') + 1) +
                       "\" out of the data folder to give that work up; then start Verdimark "
                       "again.") {}
};

// A record appended beyond the 32,767 records that a file with a 16-bit count can hold.
// Callers check `FileTable::canAppend` first and refuse with a message; this is the
// last line of defence so that a full file is never overflowed.
class RecordLimitError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace vm::store
