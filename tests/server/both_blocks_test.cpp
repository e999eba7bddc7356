// SPDX-License-Identifier: GPL-3.0-or-later
// Every pass over the training records gives the same on the server's blocks, which hand over only
// the records its hint may need, as on the data folder's, which hand over all.
#include <random>

#include "format/automation_date.h"
#include "imports/on_file.h"
#include "renewals/renewal_list.h"
#include "scan/folder_blocks.h"
#include "search/annual_summary.h"
#include "search/match_search.h"
#include "search/training_matrix.h"
#include "server/folder_transfer.h"
#include "server/server_test.h"
#include "server/training_blocks.h"
#include "store/posix_file_system.h"
#include "store/record_codec.h"
#include "store/record_layouts.h"
#include "support/temp_folder.h"

namespace vm::test {
namespace {

constexpr int kRecords = 2000;

// What a pass gives, laid out as numbers to compare.
using Result = std::vector<double>;

struct BothBlocks : ServerTest {
  TempFolder folder;
  store::PosixFileSystem fs;
  store::FileTable files{fs, folder.str()};
  server::Connection c = connect();
  std::vector<double> persons;  // 40 on file, the first 30 listed
  std::vector<double> courses{11, 12, 13, 14, 15};
  std::vector<store::TrainingRecord> trainings;

  BothBlocks() {
    for (int i = 0; i < 40; ++i) persons.push_back(format::automationDateOf(2020, 1, 1) + i / 7.0);
    const char* codes[] = {"FA-01", "fa-02", "FIRE", "CPR"};
    const char* comments[] = {"Passed", "PASSED well", "", "retake"};
    std::mt19937 random(7);
    std::string file;
    for (int i = 0; i < kRecords; ++i) {
      store::TrainingRecord& t = trainings.emplace_back();
      t.TrainingDate = format::automationDateOf(2021 + static_cast<int>(random() % 5),
                                                1 + static_cast<int>(random() % 12), 1) +
                       (random() % 2) * 0.5;
      t.PersonID = persons[random() % persons.size()];
      t.CourseID = courses[random() % courses.size()];
      t.CourseCode = codes[random() % 4];
      t.Hours = static_cast<float>(random() % 9) * 0.7f;
      t.Comments = comments[random() % 4];
      file += store::encoded(t);
    }
    folder.write("Training.Records", file);
    server::copyFolderToServer(c, files);
  }

  // How many records the server hands over for the hint.
  std::int64_t handed(const scan::TrainingHint& hint) {
    std::int64_t records = 0;
    server::trainingBlocks(c, hint)->scan(0, 1, [&](std::span<const char> block) {
      records += static_cast<std::int64_t>(block.size() / store::layout::training::kLength);
      return true;
    });
    return records;
  }
};

Result rowsOf(const std::vector<int>& rows) { return {rows.begin(), rows.end()}; }

TEST_F(BothBlocks, EveryPassGivesOnTheServerWhatItGivesOnTheFolder) {
  const std::span<const double> listed(persons.data(), 30);
  const std::span<const double> few(persons.data(), 4);
  const auto dayOf = [](int year, int month, int day) {
    return format::automationDay(format::automationDateOf(year, month, day));
  };
  const search::MatchCriteria byCode{search::DayRange(dayOf(2022, 1, 1), dayOf(2023, 6, 30)),
                                     "fa-0", "", search::MatchMode::Match};
  const search::MatchCriteria byComment{search::DayRange(dayOf(2023, 3, 1), dayOf(2023, 8, 31)), "",
                                        "pass", search::MatchMode::DoNotMatch};
  std::vector<search::MatrixCourse> chosen;
  std::vector<renewals::RenewalCourse> renewed;
  for (const double id : courses) {
    chosen.push_back({"C", "Course", id});
    renewed.push_back({id, 12});
  }
  std::vector<store::TrainingRecord> asked(trainings.begin(), trainings.begin() + 6);
  asked[1].TrainingDate += 1;  // one not on file
  asked[4].PersonID = persons[39];

  struct Case {
    const char* pass;
    scan::TrainingHint hint;
    std::function<Result(scan::TrainingBlocks&)> run;
  };
  const Case cases[] = {
      {"search by code", search::matchHint(listed, byCode),
       [&](scan::TrainingBlocks& b) { return rowsOf(search::matchSearch(b, listed, byCode)); }},
      {"search by comment, not matching", search::matchHint(listed, byComment),
       [&](scan::TrainingBlocks& b) { return rowsOf(search::matchSearch(b, listed, byComment)); }},
      {"summary", search::summaryHint(listed, 2023),
       [&](scan::TrainingBlocks& b) {
         const search::AnnualSummary s = search::annualSummary(b, listed, 2023);
         Result out{s.total};
         for (const search::PersonHours& p : s.persons)
           out.insert(out.end(), {1.0 * p.row, p.hours});
         return out;
       }},
      {"matrix", scan::personsHint(few),
       [&](scan::TrainingBlocks& b) {
         const search::TrainingMatrix m = search::trainingMatrix(b, few, chosen);
         Result out;
         for (std::size_t r = 0; r < m.rows(); ++r)
           for (std::size_t k = 0; k < m.courses(); ++k) out.push_back(m.latest(r, k).value_or(-1));
         return out;
       }},
      {"renewals", scan::personsHint(few),
       [&](scan::TrainingBlocks& b) {
         renewals::RenewalQuery query;
         query.today = dayOf(2024, 6, 1);
         query.neverTaken = true;
         Result out;
         for (const renewals::RenewalEntry& e :
              renewals::renewalList(b, few, renewed, query).entries)
           out.insert(out.end(), {1.0 * e.row, 1.0 * e.course, 1.0 * static_cast<int>(e.status),
                                  1.0 * e.trained.value_or(-1), 1.0 * e.lapses.value_or(-1)});
         return out;
       }},
      {"on file", imports::onFileHint(asked),
       [&](scan::TrainingBlocks& b) {
         const std::vector<bool> found = imports::trainingOnFile(b, asked);
         return Result(found.begin(), found.end());
       }},
  };
  for (const Case& k : cases) {
    const Result onFolder = k.run(*scan::folderBlocks(files));
    EXPECT_FALSE(onFolder.empty()) << k.pass;
    EXPECT_EQ(k.run(*server::trainingBlocks(c, k.hint)), onFolder) << k.pass;
    EXPECT_LT(handed(k.hint), kRecords / 2) << k.pass;
  }
}

// What a pass's progress counts towards: the records counted while the server has no statistics
// of them, its estimate once it has.
TEST_F(BothBlocks, TheServerCountsItsRecordsForProgressFromItsStatisticsOnceItHasThem) {
  EXPECT_EQ(server::trainingBlocks(c, {})->count(), kRecords);
  connect(ServerCluster::kOwner).run("ANALYZE training");
  EXPECT_EQ(server::trainingBlocks(c, {})->count(), kRecords);
  c.run("DELETE FROM training WHERE pos % 2 = 0");
  EXPECT_EQ(server::trainingBlocks(c, {})->count(), kRecords);  // the statistics are as they were
}

}  // namespace
}  // namespace vm::test
