// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <exception>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "store/file_system.h"
#include "store/posix_file_system.h"

namespace vm::test {

// Thrown into the operation when the simulated power fails. It is no StoreError, so nothing in
// the program catches it: the program simply stops there.
struct PowerCut : std::exception {
  const char* what() const noexcept override { return "the power failed"; }
};

// The real file system with faults on demand, for tests:
// - failCall(k): the k-th call from now fails as a full disk does;
// - cutWrite(k, b): the k-th write from now puts only its first b bytes on the disk, then fails;
// - powerCutAt(k): the power fails just before the k-th call from now: every change that was
//   not flushed is dropped (file bytes by sync, folder entries by syncFolder), and every later
//   call but close throws PowerCut until clearFaults() brings the power back.
// It counts calls, so a test can sweep a fault over every step of an operation. Flushes are
// recorded rather than made, which keeps tests fast; durability is what the power cut checks.
// Handles are its own numbers, never reused, so a handle left from before a power cut can
// never close a file of the next start.
class TestFileSystem final : public store::FileSystem {
 public:
  void failCall(int k);
  void cutWrite(int k, std::size_t bytes);
  void powerCutAt(int k);
  // Disarms any fault and brings the power back.
  void clearFaults();
  // Whether the armed fault has struck.
  bool faultReached() const { return reached_; }
  // Calls and writes made so far.
  int calls() const { return calls_; }
  int writes() const { return writes_; }

  // From now on, knows what is flushed, so that powerCut() can drop the rest. Everything on
  // the disk now counts as flushed; no file may be open. powerCutAt starts this itself.
  void trackFlushes();
  // Drops every change not flushed since trackFlushes(), at once.
  void powerCut();

  Handle open(const std::string& path, Mode mode) override;
  std::size_t read(Handle h, std::uint64_t offset, std::span<char> buffer) override;
  void write(Handle h, std::uint64_t offset, std::span<const char> data) override;
  void truncate(Handle h, std::uint64_t length) override;
  std::uint64_t size(Handle h) override;
  void sync(Handle h) override;
  void close(Handle h) override;
  std::optional<std::uint64_t> fileSize(const std::string& path) override;
  std::optional<std::int64_t> modifiedTime(const std::string& path) override;
  void rename(const std::string& from, const std::string& to) override;
  void remove(const std::string& path) override;
  void syncFolder(const std::string& folder) override;
  std::vector<std::string> list(const std::string& folder) override;

 private:
  enum class Fault { None, Fail, Cut, Power };
  using Inode = int;

  enum class Call { Other, Write, Close };
  // Counts a call and strikes when it is the armed one; true for a write to cut short.
  bool tick(const char* what, const std::string& path, Call call = Call::Other);
  Handle real(Handle h) const;
  std::string pathOf(Handle h) const;

  // Flush tracking: which file each tracked path names now and on the disk's flushed folder,
  // and the flushed bytes of each file (none: its bytes on the disk now are the flushed ones).
  void know(const std::string& path);
  void keepFlushed(Inode inode);

  store::PosixFileSystem posix_;
  int calls_ = 0;
  int writes_ = 0;
  Fault fault_ = Fault::None;
  int faultAt_ = 0;
  std::size_t cutBytes_ = 0;
  bool reached_ = false;
  bool powerOff_ = false;

  struct Open {
    Handle real;
    std::string path;
    Inode inode;
  };
  std::map<Handle, Open> handles_;
  Handle nextHandle_ = 1000;

  bool tracking_ = false;
  std::map<std::string, Inode> names_;
  std::map<std::string, Inode> flushedNames_;
  std::map<Inode, std::optional<std::string>> flushedBytes_;
  std::set<std::string> known_;
  Inode nextInode_ = 1;
};

}  // namespace vm::test
