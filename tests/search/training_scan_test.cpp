// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "courses/course_files.h"
#include "format/automation_date.h"
#include "format/date_parse.h"
#include "format/date_text.h"
#include "format/number_text.h"
#include "format/text_case.h"
#include "scan/folder_blocks.h"
#include "search/annual_summary.h"
#include "search/criteria_entry.h"
#include "search/match_search.h"
#include "store/link_rule.h"
#include "store/records.h"
#include "support/store_test.h"

using namespace vm::search;
using vm::format::automationDateOf;
using vm::format::toAutomationDate;
using vm::test::TrainingBytes;

namespace {

// The listed persons' scans done the slow way, as the one pass must match them: for each listed
// row in turn, every record of the file, linked by the rule of the record files, compared as
// decoded UTF-8 text in lower case and as "yyyymmdd" day keys.
struct Reference {
  std::vector<vm::store::TrainingRecord> records;

  explicit Reference(vm::store::FileTable& table) {
    const vm::store::OpenFile file(table, vm::store::DataFile::Training);
    for (int k = 1; k <= file.count(); ++k)
      records.push_back(table.read<vm::store::TrainingRecord>(k));
  }

  static std::string key(const std::string& box) {
    const auto t = vm::format::parseDate(box);
    return vm::format::formatYyyymmdd(automationDateOf(t->year, t->month, t->day));
  }
  static bool contains(const std::string& field, const std::string& box) {
    return vm::format::lowerCase(field).find(vm::format::lowerCase(box)) != std::string::npos;
  }

  std::vector<int> search(const std::vector<double>& rows, const CriteriaBoxes& boxes,
                          MatchMode mode) const {
    std::vector<int> found;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      bool stopped = false;
      for (const auto& t : records) {
        if (!vm::store::sameLink(t.PersonID, rows[r])) continue;
        const std::string day = vm::format::formatYyyymmdd(t.TrainingDate);
        const bool date = boxes[kFromDate].empty() ||
                          (key(boxes[kFromDate]) <= day && day <= key(boxes[kToDate]));
        if (date && contains(t.CourseCode, boxes[kCourseCode]) &&
            contains(t.Comments, boxes[kComments])) {
          stopped = true;
          break;
        }
      }
      if (stopped == (mode == MatchMode::Match)) found.push_back(static_cast<int>(r));
    }
    return found;
  }

  AnnualSummary summary(const std::vector<double>& rows, int year) const {
    AnnualSummary out;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      bool listed = false;
      double hours = 0;
      for (const auto& t : records) {
        if (!vm::store::sameLink(t.PersonID, rows[r])) continue;
        if (vm::format::formatYyyymmdd(t.TrainingDate).substr(0, 4) != std::to_string(year))
          continue;
        listed = true;
        hours += std::stod(vm::format::shortestSingle(t.Hours));
      }
      if (!listed) continue;
      out.persons.push_back({static_cast<int>(r), hours});
      out.total += hours;
    }
    return out;
  }
};

double stamp(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
  return toAutomationDate({y, m, d, h, mi, s});
}

// An organisation as files written elsewhere hold it: 60 persons created a second apart (two of
// them in the same second), listed stamps that are what their records' text reads back as,
// persons without records, records of persons not listed, and texts that test the case folding.
struct ScanTest : vm::test::StoreTest {
  std::vector<double> rows;  // the listed persons' DateCreated
  std::vector<double> ids;

  void SetUp() override {
    for (int p = 0; p < 60; ++p) {
      double id = stamp(2001, 5, 4, 9, 0, p);
      if (p % 5 == 1) id = std::nextafter(id, 1e9);  // the same text, other bits
      ids.push_back(id);
    }
    ids[7] = ids[6];  // created in the same second
    for (std::size_t p = 0; p < 50; ++p) {
      const std::string text = vm::format::generalNumber(ids[p]);  // other bits, the same text
      rows.push_back(p % 5 == 1 ? std::strtod(text.c_str(), nullptr) : ids[p]);
    }
    // Persons 50 to 59 are on file but not listed; 40 to 49 have no records.

    const char* codes[] = {"FA-101", "SAFA", "fa", "CPR-2", "\xC9T\xC9-1", "A*?", "LAB-0101"};
    const char* comments[] = {"",
                              "Adult CPR refresher",
                              "caf\xE9 au lait",
                              "CAF\xC9 AU LAIT",
                              "What?",
                              "5* rating",
                              "\x8A\x8Ckoda and the long tail of a comment that runs on and on "
                              "until almost the end of its field, where it says cpr",
                              "passed"};
    const float hours[] = {2.2f, 2.5f, 1.5f, 3.0f, 0.1f, 12.5f, 0.0f, 7.25f};
    std::mt19937 random(17);
    std::string file;
    for (int k = 0; k < 420; ++k) {
      const std::size_t p = random() % 60;
      if (p >= 40 && p < 50) continue;
      TrainingBytes t;
      t.date = stamp(2003 + static_cast<int>(random() % 3), 1 + static_cast<int>(random() % 12),
                     1 + static_cast<int>(random() % 28), static_cast<int>(random() % 24),
                     static_cast<int>(random() % 60), 59);
      if (k % 97 == 0) t.date = stamp(2004, 1, 1);
      if (k % 89 == 0) t.date = stamp(2004, 12, 31, 23, 59, 59);
      if (k % 83 == 0) t.date = stamp(2004, 3, 15, 23, 59, 59);
      t.person = ids[p];
      t.course = 44000;
      t.code = codes[random() % std::size(codes)];
      t.hours = hours[random() % std::size(hours)];
      t.comments = comments[random() % std::size(comments)];
      file += vm::test::trainingRecord(t);
    }
    folder.write("Training.Records", file);
  }
};

}  // namespace

TEST_F(ScanTest, SearchFindsWhatAScanPerPersonFindsInBothModes) {
  const Reference reference(table);
  const CriteriaBoxes table_[] = {
      {"", "", "fa", ""},
      {"", "", "", "cpr"},
      {"03/15/2004", "", "", ""},
      {"01/01/2004", "12/31/2004", "", ""},
      {"01/01/2004", "12/31/2004", "fa", "caf\xC3\xA9"},  // café
      {"", "", "", "CAF\xC3\x89"},                        // CAFÉ
      {"", "", "\xC3\xA9t\xC3\xA9", ""},                  // été
      {"", "", "", "\xC5\xA1\xC5\x93"},                   // šœ
      {"", "", "*", ""},
      {"", "", "", "?"},
      {"", "", "", "5*"},
      {"", "", "LAB", "passed"},
      {"", "", "", "no such words"},
      {"06/01/2005", "06/30/2005", "", ""},
      {"01/01/1990", "12/31/1990", "", ""},
  };
  for (const CriteriaBoxes& typed : table_) {
    for (MatchMode mode : {MatchMode::Match, MatchMode::DoNotMatch}) {
      const CriteriaEntry entry = checkCriteria(typed, mode);
      ASSERT_FALSE(entry.error);
      for (const int ranges : {1, 2, 5}) {  // read in ranges, merged in file order
        const std::vector<int> found =
            matchSearch(*vm::scan::folderBlocks(this->table), rows, entry.criteria,
                        {vm::scan::ScanProgress(), ranges});
        EXPECT_EQ(found, reference.search(rows, entry.boxes, mode))
            << typed[0] << "|" << typed[1] << "|" << typed[2] << "|" << typed[3] << " mode "
            << static_cast<int>(mode) << " in " << ranges << " ranges";
      }
    }
  }
  // Persons without records are listed by every do-NOT-match search, and by no match.
  const CriteriaEntry none = checkCriteria({"", "", "", "no such words"}, MatchMode::DoNotMatch);
  EXPECT_EQ(matchSearch(*vm::scan::folderBlocks(table), rows, none.criteria).size(), rows.size());
  const CriteriaEntry any = checkCriteria({"", "", "", ""}, MatchMode::Match);
  EXPECT_EQ(matchSearch(*vm::scan::folderBlocks(table), rows, any.criteria).size(), 40u);
}

TEST_F(ScanTest, SummaryEqualsAScanPerPersonForEveryYear) {
  const Reference reference(table);
  for (int year : {2003, 2004, 2005, 2006}) {
    for (const int ranges : {1, 2, 3, 7}) {  // the sums added in file order whatever the ranges
      const AnnualSummary fast = annualSummary(*vm::scan::folderBlocks(table), rows, year,
                                               {vm::scan::ScanProgress(), ranges});
      const AnnualSummary slow = reference.summary(rows, year);
      ASSERT_EQ(fast.persons.size(), slow.persons.size()) << year;
      for (std::size_t i = 0; i < fast.persons.size(); ++i) {
        EXPECT_EQ(fast.persons[i].row, slow.persons[i].row) << year;
        EXPECT_EQ(fast.persons[i].hours, slow.persons[i].hours) << year << " " << ranges;
      }
      EXPECT_EQ(fast.total, slow.total) << year << " in " << ranges << " ranges";
    }
  }
  // The two persons created in the same second share their records.
  const AnnualSummary s = annualSummary(*vm::scan::folderBlocks(table), rows, 2004);
  ASSERT_GE(s.persons.size(), 2u);
  const auto at = [&](int row) {
    for (const PersonHours& p : s.persons)
      if (p.row == row) return p.hours;
    return -1.0;
  };
  EXPECT_GT(at(6), 0);
  EXPECT_EQ(at(6), at(7));
}

TEST_F(ScanTest, ProgressRunsFromNothingToTheWholeFile) {
  std::vector<std::pair<std::int64_t, std::int64_t>> told;
  const auto tell = [&](std::int64_t done, std::int64_t total) { told.emplace_back(done, total); };
  annualSummary(*vm::scan::folderBlocks(table), rows, 2004, tell);
  ASSERT_GE(told.size(), 2u);
  const std::int64_t records = told.front().second;
  EXPECT_GT(records, 300);
  EXPECT_EQ(told.front().first, 0);
  EXPECT_EQ(told.back(), std::make_pair(records, records));
  for (std::size_t i = 1; i < told.size(); ++i) EXPECT_GE(told[i].first, told[i - 1].first);
}

TEST(AnnualHours, SumsShowAsTheRecordsAddUp) {
  vm::test::TempFolder folder;
  vm::store::PosixFileSystem fs;
  vm::store::FileTable table(fs, folder.str());
  const double ann = stamp(2001, 1, 1, 8), bob = stamp(2001, 1, 1, 9), cid = stamp(2001, 1, 1, 10),
               dot = stamp(2001, 1, 1, 11);
  std::string file;
  const auto add = [&](double person, double date, float hours) {
    file += vm::test::trainingRecord({date, person, 1, "C", "Course", "", hours, ""});
  };
  add(ann, stamp(2004, 1, 1), 2.5f);
  add(ann, stamp(2004, 12, 31, 23, 59, 59), 1.5f);
  add(ann, stamp(2003, 12, 31, 23, 59, 59), 3.0f);
  for (int i = 0; i < 3; ++i) add(bob, stamp(2004, 6, 1), 2.2f);
  for (int i = 0; i < 10; ++i) add(cid, stamp(2004, 6, 1), 2.2f);
  add(dot, stamp(2003, 6, 1), 12.5f);
  folder.write("Training.Records", file);

  const std::vector<double> rows = {ann, bob, cid, dot};
  const AnnualSummary y2004 = annualSummary(*vm::scan::folderBlocks(table), rows, 2004);
  ASSERT_EQ(y2004.persons.size(), 3u);
  EXPECT_EQ(hoursText(y2004.persons[0].hours), "4");
  EXPECT_EQ(hoursText(y2004.persons[1].hours), "6.6");
  EXPECT_EQ(hoursText(y2004.persons[2].hours), "22");
  EXPECT_EQ(hoursText(y2004.total), "32.6");
  const AnnualSummary y2003 = annualSummary(*vm::scan::folderBlocks(table), rows, 2003);
  ASSERT_EQ(y2003.persons.size(), 2u);
  EXPECT_EQ(hoursText(y2003.persons[1].hours), "12.5");
  EXPECT_EQ(hoursText(y2003.total), "15.5");
  EXPECT_TRUE(annualSummary(*vm::scan::folderBlocks(table), rows, 2005).persons.empty());
  EXPECT_EQ(hoursAddend(2.2f), 2.2);
}
