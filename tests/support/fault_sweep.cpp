// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fault_sweep.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <vector>

#include "store/compaction.h"
#include "store/store_error.h"
#include "store/work_journal.h"

namespace vm::test {
namespace {

// A run stops at the first of these; anything else is a fault of the test or the program.
constexpr int kMostSteps = 5000;

enum class Kind { FailCall, CutWrite, PowerCut };

struct Fault {
  Kind kind;
  std::size_t cutBytes = 0;
  std::string name;
};

// An empty file counts as none: opening a list makes one, the exit clean-up removes it.
std::optional<std::string> fileOf(const FolderFiles& files, const std::string& name) {
  const auto it = files.find(name);
  if (it == files.end() || it->second.empty()) return std::nullopt;
  return it->second;
}

// Every record file that changed whole, and none of its records tombstoned.
void expectWholeRecords(const FolderFiles& now, const FolderFiles& before) {
  for (store::DataFile f : store::kRecordFiles) {
    const auto bytes = fileOf(now, std::string(store::fileName(f)));
    if (!bytes || bytes == fileOf(before, std::string(store::fileName(f)))) continue;
    const std::size_t len = store::recordLength(f);
    EXPECT_EQ(bytes->size() % len, 0u) << store::fileName(f) << " holds a torn record";
    for (std::size_t at = 0; at + len <= bytes->size(); at += len)
      EXPECT_FALSE(store::isTombstoned(f, std::span<const char>(bytes->data() + at, len)))
          << store::fileName(f) << " keeps a tombstone at record " << at / len + 1;
  }
}

bool same(const FolderFiles& a, const FolderFiles& b) {
  for (const auto& [name, bytes] : a)
    if (fileOf(a, name) != fileOf(b, name)) return false;
  for (const auto& [name, bytes] : b)
    if (fileOf(a, name) != fileOf(b, name)) return false;
  return true;
}

// Which files are as before and which as after, for the report of a mix.
std::string ages(const FolderFiles& now, const FolderFiles& before, const FolderFiles& after) {
  std::string out;
  for (const auto& [name, bytes] : now) {
    const bool old = fileOf(now, name) == fileOf(before, name);
    const bool made = fileOf(now, name) == fileOf(after, name);
    out += " " + name + (old && made ? " (both)" : old ? " (old)" : made ? " (new)" : " (neither)");
  }
  return out;
}

void expectOldOrNew(const FolderFiles& now, const FolderFiles& before, const FolderFiles& after) {
  for (const auto& [name, bytes] : now)
    EXPECT_TRUE(bytes.empty() || before.count(name) != 0 || after.count(name) != 0)
        << name << " was left behind";
  std::vector<std::string> names;
  for (const auto& [name, bytes] : before) names.push_back(name);
  for (const auto& [name, bytes] : after) names.push_back(name);
  for (const std::string& name : names) {
    const auto is = fileOf(now, name);
    EXPECT_TRUE(is == fileOf(before, name) || is == fileOf(after, name))
        << name << " is neither as before nor as after (" << (is ? is->size() : 0) << " bytes)";
  }
}

// One run with the fault at k; returns whether the fault struck.
bool runWithFault(const FaultSweep& sweep, const Fault& fault, int k, const FolderFiles& before,
                  const FolderFiles& after) {
  TempFolder folder;
  sweep.setUp(folder);
  TestFileSystem fs;
  switch (fault.kind) {
    case Kind::FailCall:
      fs.failCall(k);
      break;
    case Kind::CutWrite:
      fs.cutWrite(k, fault.cutBytes);
      break;
    case Kind::PowerCut:
      fs.powerCutAt(k);
      break;
  }
  try {
    store::FileTable table(fs, folder.str());
    sweep.operation(table);
  } catch (const store::StoreError&) {
    // The program reports it and ends.
  } catch (const PowerCut&) {
    // The program just stops.
  }
  const bool struck = fs.faultReached();
  fs.clearFaults();
  if (!struck) {
    EXPECT_EQ(filesIn(folder), after) << "a run without faults ends otherwise than the first";
    return false;
  }
  {
    store::FileTable table(fs, folder.str());
    EXPECT_NO_THROW(store::finishInterruptedWork(table)) << "the next start fails";
  }
  const FolderFiles now = filesIn(folder);
  expectWholeRecords(now, before);
  expectOldOrNew(now, before, after);
  if (sweep.asOne) {
    EXPECT_TRUE(same(now, before) || same(now, after))
        << "some files are old and some new:" << ages(now, before, after);
  }
  if (sweep.check) sweep.check(now, before, after);
  return true;
}

// A power cut right after the operation has returned must not lose any of it.
void expectDurable(const FaultSweep& sweep, const FolderFiles& after) {
  SCOPED_TRACE("power cut after the operation");
  TempFolder folder;
  sweep.setUp(folder);
  TestFileSystem fs;
  fs.trackFlushes();
  {
    store::FileTable table(fs, folder.str());
    sweep.operation(table);
    table.closeAll();
  }
  fs.powerCut();
  fs.clearFaults();
  {
    store::FileTable table(fs, folder.str());
    store::finishInterruptedWork(table);
  }
  const FolderFiles now = filesIn(folder);
  for (const auto& [name, bytes] : after)
    EXPECT_EQ(fileOf(now, name), fileOf(after, name)) << name << " was not all on the disk";
}

}  // namespace

FolderFiles filesIn(const TempFolder& folder) {
  FolderFiles files;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    if (entry.is_regular_file())
      files[entry.path().filename().string()] = folder.read(entry.path().filename().string());
  return files;
}

SweepCount sweepFaults(const FaultSweep& sweep) {
  FolderFiles before;
  FolderFiles after;
  {
    TempFolder folder;
    sweep.setUp(folder);
    before = filesIn(folder);
    TestFileSystem fs;
    store::FileTable table(fs, folder.str());
    sweep.operation(table);
    table.closeAll();
    after = filesIn(folder);
  }
  EXPECT_EQ(after.count(std::string(store::kJournalName)), 0u);
  EXPECT_EQ(after.count(std::string(store::kTempFileName)), 0u);
  expectDurable(sweep, after);

  SweepCount count;
  const Fault faults[] = {{Kind::FailCall, 0, "failed call"},
                          {Kind::CutWrite, 1, "write cut after 1 byte"},
                          {Kind::CutWrite, 257, "write cut after 257 bytes"},
                          {Kind::PowerCut, 0, "power cut"}};
  for (const Fault& fault : faults) {
    int k = 1;
    for (; k <= kMostSteps; ++k) {
      SCOPED_TRACE(fault.name + " at " + std::to_string(k));
      if (!runWithFault(sweep, fault, k, before, after)) break;
    }
    EXPECT_LE(k, kMostSteps) << fault.name << ": the operation never got through";
    (fault.kind == Kind::FailCall   ? count.failedCalls
     : fault.kind == Kind::CutWrite ? count.cutWrites
                                    : count.powerCuts) += k - 1;
  }
  return count;
}

}  // namespace vm::test
