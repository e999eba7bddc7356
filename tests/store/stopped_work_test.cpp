// SPDX-License-Identifier: GPL-3.0-or-later
// Long journalled work that the user stops (Esc) changes nothing: not a byte of any file, no
// journal, no temporary file, no line; and once the first step is done it can no longer be stopped.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "store/record_codec.h"
#include "store/record_layouts.h"
#include "store/work_journal.h"
#include "store/work_stopped.h"
#include "support/store_test.h"

using namespace vm::store;

namespace {

namespace T = layout::training;

// Every file of the folder, by name.
std::map<std::string, std::string> filesOf(const vm::test::TempFolder& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    files[entry.path().filename().string()] = folder.read(entry.path().filename().string());
  return files;
}

struct StoppedWork : vm::test::StoreTest {
  // 1500 training records, enough for several runs of written neighbours: course 7's records
  // hold two different old copies, and some already hold the new one.
  void SetUp() override {
    std::vector<TrainingRecord> records;
    for (int i = 0; i < 1500; ++i) {
      TrainingRecord t;
      t.PersonID = i % 3 == 0 ? 20.0 : 10.0;
      t.CourseID = i % 5 == 4 ? 1.0 : 7.0;
      t.CourseCode = i % 7 == 0 ? "NEW" : (i < 700 ? "OLD1" : "OLD2");
      records.push_back(t);
    }
    NameRecord person;
    person.DateCreated = 20.0;
    table.open(DataFile::Training);
    writer.append(records);
    table.open(DataFile::Names);
    writer.append(std::vector<NameRecord>{person});
    table.closeAll();
    folder.write("Change.Log", "a line\r\n");
  }
};

struct Case {
  const char* name;
  std::vector<WorkStep> steps;
};

const std::string kNew = std::string("NEW") + std::string(T::CourseCode.width - 3, ' ');

const std::vector<Case> kCases = {
    {"a course carried into its records",
     {PatchLinked{DataFile::Training, T::CourseID.offset, 7.0, T::CourseCode.offset, kNew}}},
    {"a training record removed", {RemoveRecord{DataFile::Training, 600}}},
    {"a person removed with their records",
     {DropLinked{DataFile::Training, T::PersonID.offset, 20.0}, RemoveRecord{DataFile::Names, 1}}},
};

// Stopped at the pass's first record, or at its very end, when everything is written but the
// journal is still there.
enum class StopAt { First, End };

}  // namespace

TEST_F(StoppedWork, ChangesNothingWhereverItIsStopped) {
  const std::map<std::string, std::string> before = filesOf(folder);
  for (const Case& c : kCases) {
    for (StopAt at : {StopAt::First, StopAt::End}) {
      SCOPED_TRACE(std::string(c.name) + (at == StopAt::First ? ", at first" : ", at the end"));
      const PassProgress stop = [at](std::int32_t done, std::int32_t total, std::int32_t) {
        if (at == StopAt::First || done == total) throw WorkStopped();
      };
      const Change change{"changed", "x"};
      EXPECT_THROW(doWork(table, vm::test::kAuthor, c.steps, {&change, 1}, stop), WorkStopped);
      table.closeAll();
      EXPECT_EQ(filesOf(folder), before);
    }
  }
}

TEST_F(StoppedWork, GoesToItsEndWhenNotStoppedAndOnlyItsFirstStepIsTold) {
  std::vector<std::int32_t> totals;
  const PassProgress watch = [&](std::int32_t, std::int32_t total, std::int32_t) {
    totals.push_back(total);
  };
  const Change change{"person deleted", "x", {}, Tally::TrainingRemoved, 0};
  const std::vector<StepResult> done =
      doWork(table, vm::test::kAuthor, kCases[2].steps, {&change, 1}, watch);
  EXPECT_EQ(done[0].matched, 500);
  EXPECT_EQ(done[1].after, 0);
  EXPECT_EQ(totals, (std::vector<std::int32_t>{1500, 1500}));  // the training file's first and end
  EXPECT_FALSE(folder.has("Journal.$$$"));
  EXPECT_NE(folder.read("Change.Log"), "a line\r\n");

  // Carried with a progress (which keeps what it overwrote), every record of the course ends new.
  doWork(table, vm::test::kAuthor, kCases[0].steps, {&change, 1}, watch);
  const std::int32_t n = table.open(DataFile::Training);
  for (std::int32_t i = 1; i <= n; ++i) {
    const TrainingRecord t = table.read<TrainingRecord>(i);
    if (t.CourseID == 7.0) {
      ASSERT_EQ(t.CourseCode, kNew) << i;
    }
  }
  table.close(DataFile::Training);
}
