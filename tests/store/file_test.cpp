// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/file.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>
#include <string>

#include "store/forwarding_file_system.h"
#include "store/posix_file_system.h"
#include "store/store_error.h"
#include "support/temp_folder.h"

using namespace vm::store;

namespace {

// Knows which handles are open, and makes every close fail when told to (after releasing the
// handle, as the system does).
class HandleCount final : public ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;
  std::set<Handle> open_;
  int closes = 0;
  bool failCloses = false;

  Handle open(const std::string& path, Mode mode) override {
    const Handle h = ForwardingFileSystem::open(path, mode);
    open_.insert(h);
    return h;
  }
  void close(Handle h) override {
    ++closes;
    open_.erase(h);
    ForwardingFileSystem::close(h);
    if (failCloses) throw StoreError("Cannot close", "a file", "Input/output error");
  }
};

}  // namespace

// Every way out of a scope closes each file exactly once, and the failure that leaves the scope is
// the first one, never a close that failed on the way out.
TEST(File, EveryWayOutClosesOnceAndKeepsTheFirstFailure) {
  using Body = std::function<void(File&, FileSystem&, const std::string& other)>;
  struct Case {
    const char* name;
    bool failCloses;
    Body body;
    const char* escapes;  // the text of what leaves the scope, or nothing
    int closes = 1;
  };
  const auto diskFull = [](File&, FileSystem&, const std::string&) {
    throw StoreError("Cannot write", "x", "disk full");
  };
  const Case cases[] = {
      {"the end of the scope", false, [](File&, FileSystem&, const std::string&) {}, ""},
      {"a failure", false, diskFull, "Cannot write \"x\": disk full"},
      {"a failure, the close failing too", true, diskFull, "Cannot write \"x\": disk full"},
      {"another exception, the close failing", true,
       [](File&, FileSystem&, const std::string&) { throw std::logic_error("stop"); }, "stop"},
      {"a close that reports, then the end", true,
       [](File& f, FileSystem&, const std::string&) { EXPECT_THROW(f.close(), StoreError); }, ""},
      {"a move to a new owner", false,
       [](File& f, FileSystem&, const std::string&) { const File owner = std::move(f); }, ""},
      {"a move onto an open file", false,
       [](File& f, FileSystem& fs, const std::string& other) {
         File owner(fs, other, FileSystem::Mode::ReadWrite);
         owner = std::move(f);
       },
       "", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    vm::test::TempFolder folder;
    PosixFileSystem posix;
    HandleCount fs(posix);
    fs.failCloses = c.failCloses;
    std::string escaped;
    try {
      File file(fs, (folder / "a").string(), FileSystem::Mode::ReadWrite);
      c.body(file, fs, (folder / "b").string());
    } catch (const std::exception& e) {
      escaped = e.what();
    }
    EXPECT_EQ(escaped, c.escapes);
    EXPECT_TRUE(fs.open_.empty());
    EXPECT_EQ(fs.closes, c.closes);
  }
}
