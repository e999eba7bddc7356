// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/range_pass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "scan/folder_blocks.h"
#include "store/posix_file_system.h"
#include "store/record_layouts.h"
#include "support/temp_folder.h"

namespace {

constexpr std::size_t kLength = vm::store::layout::training::kLength;

// What a part saw: the number each of its records holds in its bytes, its record number.
struct Seen {
  std::vector<std::int32_t> held;
  std::int32_t stopAt = 0;  // a record of the file whose visit ends its range

  void ahead(std::span<const char>) const {}
  bool visit(std::span<const char> record) {
    const std::int32_t n = std::stoi(std::string(record.data(), 8));
    held.push_back(n);
    if (n == stopAt) throw std::runtime_error("fault in record " + std::to_string(n));
    return true;
  }
};

// The folder's blocks, offered to threads however small the file: the folder reads a small file
// on one thread, so this is how the ranges' threads are tried on a few records.
struct OnThreads final : vm::scan::TrainingBlocks {
  explicit OnThreads(vm::store::FileTable& files) : folder(files) {}
  std::int64_t count() const override { return folder.count(); }
  int ranges() const override { return 4; }
  void scan(int range, int ranges, const vm::scan::TrainingBlockVisit& visit) override {
    folder.scan(range, ranges, visit);
  }
  vm::scan::FolderBlocks folder;
};

vm::scan::PassOptions inRanges(int ranges) { return {vm::scan::ScanProgress(), ranges}; }

struct RangePassTest : ::testing::Test {
  vm::test::TempFolder folder;
  vm::store::PosixFileSystem fs;  // reads from many threads
  vm::store::FileTable table{fs, folder.str()};

  // A file of `count` records, each holding its own number in its first bytes.
  void makeFile(int count) {
    std::string bytes;
    for (int n = 1; n <= count; ++n) {
      std::string record = std::to_string(100000000 + n).substr(1);
      record.resize(kLength, static_cast<char>('a' + n % 26));
      bytes += record;
    }
    folder.write("Training.Records", bytes);
  }

  // The folder's blocks, on the calling thread or on threads of their own.
  std::unique_ptr<vm::scan::TrainingBlocks> blocks(bool threads) {
    if (threads) return std::make_unique<OnThreads>(table);
    return vm::scan::folderBlocks(table);
  }
};

TEST_F(RangePassTest, RangesMergedInFileOrderSeeEveryRecordOnceWhereverTheirEdgesFall) {
  // Every count of ranges up to the file's records, and more: every record boundary is a range
  // edge for one of them, the first and the last records included.
  for (const int records : {1, 2, 7, 13}) {
    makeFile(records);
    for (int ranges = 1; ranges <= records + 2; ++ranges) {
      for (const bool threads : {false, true}) {
        const auto from = blocks(threads);
        const std::vector<Seen> parts =
            vm::scan::passInRanges<Seen>(*from, inRanges(ranges), [] { return Seen{}; });
        const int used = std::min(ranges, records);
        ASSERT_EQ(static_cast<int>(parts.size()), used);
        std::vector<std::int32_t> numbers;
        for (int p = 0; p < used; ++p) {
          const Seen& part = parts[static_cast<std::size_t>(p)];
          ASSERT_FALSE(part.held.empty()) << records << " records in " << ranges;
          EXPECT_EQ(part.held.front(), vm::scan::rangeStart(records, p, used));
          numbers.insert(numbers.end(), part.held.begin(), part.held.end());
        }
        std::vector<std::int32_t> all(static_cast<std::size_t>(records));
        for (int n = 0; n < records; ++n) all[static_cast<std::size_t>(n)] = n + 1;
        EXPECT_EQ(numbers, all) << records << " records in " << ranges << " ranges";
      }
    }
  }
}

TEST_F(RangePassTest, ProgressRunsOnTheCallingThreadFromNothingToTheWholeFile) {
  makeFile(9);
  const std::thread::id caller = std::this_thread::get_id();
  for (const bool threads : {false, true}) {
    std::vector<std::int64_t> told;
    vm::scan::passInRanges<Seen>(*blocks(threads),
                                 {[&](std::int64_t done, std::int64_t total) {
                                    EXPECT_EQ(std::this_thread::get_id(), caller);
                                    EXPECT_EQ(total, 9);
                                    told.push_back(done);
                                  },
                                  3},
                                 [] { return Seen{}; });
    ASSERT_GE(told.size(), 2U);
    EXPECT_EQ(told.front(), 0);
    EXPECT_EQ(told.back(), 9);
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
  }
}

// Blocks whose count is an estimate that fell short of the records, as a server's may.
struct ShortCount final : vm::scan::TrainingBlocks {
  explicit ShortCount(std::unique_ptr<vm::scan::TrainingBlocks> all) : all(std::move(all)) {}
  std::int64_t count() const override { return all->count() / 3; }
  int ranges() const override { return all->ranges(); }
  void scan(int range, int ranges, const vm::scan::TrainingBlockVisit& visit) override {
    all->scan(range, ranges, visit);
  }
  std::unique_ptr<vm::scan::TrainingBlocks> all;
};

TEST_F(RangePassTest, ProgressNeverPassesACountThatFellShort) {
  makeFile(9);
  for (const bool threads : {false, true}) {
    ShortCount blocks(this->blocks(threads));
    std::vector<std::int64_t> told;
    const std::vector<Seen> parts = vm::scan::passInRanges<Seen>(
        blocks,
        {[&](std::int64_t done, std::int64_t total) {
           EXPECT_EQ(total, 3);
           told.push_back(done);
         },
         3},
        [] { return Seen{}; }, std::chrono::milliseconds(0));
    std::size_t read = 0;
    for (const Seen& part : parts) read += part.held.size();
    EXPECT_EQ(read, 9u);
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back(), 3);
    EXPECT_LE(*std::max_element(told.begin(), told.end()), 3);
  }
}

TEST_F(RangePassTest, AStoppingProgressOrAFaultInAnyRangeReachesTheCaller) {
  makeFile(12);
  for (const bool threads : {false, true}) {
    for (int ranges = 1; ranges <= 4; ++ranges) {
      for (const int call : {1, 2}) {  // at the start, and at the end once the ranges ran
        int calls = 0;
        EXPECT_THROW(vm::scan::passInRanges<Seen>(*blocks(threads),
                                                  {[&](std::int64_t, std::int64_t) {
                                                     if (++calls == call)
                                                       throw vm::scan::PassStopped();
                                                   },
                                                   ranges},
                                                  [] { return Seen{}; }),
                     vm::scan::PassStopped);
      }
      for (const std::int32_t bad : {1, 6, 7, 12}) {
        EXPECT_THROW(vm::scan::passInRanges<Seen>(*blocks(threads), inRanges(ranges),
                                                  [&] {
                                                    return Seen{{}, bad};
                                                  }),
                     std::runtime_error)
            << "record " << bad << " in " << ranges << " ranges";
      }
    }
  }
  EXPECT_FALSE(table.isOpen(vm::store::DataFile::Training));
}

TEST_F(RangePassTest, AMissingFileHoldsNoRecordsAndStaysMissing) {
  for (const bool threads : {false, true}) {
    const auto from = blocks(threads);
    EXPECT_EQ(from->count(), 0);
    const std::vector<Seen> parts =
        vm::scan::passInRanges<Seen>(*from, inRanges(3), [] { return Seen{}; });
    ASSERT_EQ(parts.size(), 1U);
    EXPECT_TRUE(parts.front().held.empty());
  }
  EXPECT_FALSE(folder.has("Training.Records"));
}

}  // namespace
