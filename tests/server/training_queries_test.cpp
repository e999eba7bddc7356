// SPDX-License-Identifier: GPL-3.0-or-later
// The server picks out the training records a search or a summary may need; the program's own
// matching, run on those alone, must give what it gives on the whole file.
#include "server/training_queries.h"

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "format/automation_date.h"
#include "scan/folder_blocks.h"
#include "search/annual_summary.h"
#include "search/match_search.h"
#include "server/folder_transfer.h"
#include "server/person_links.h"
#include "server/server_test.h"
#include "server/training_blocks.h"
#include "store/field_codec.h"
#include "store/posix_file_system.h"
#include "store/record_codec.h"
#include "support/temp_folder.h"

namespace vm::test {
namespace {

namespace L = store::layout::training;

// Training records of every kind a part of a field or a day can catch: codes and comments in
// both letter cases, with accents, LIKE's own signs, NUL, blanks at the end; dates a moment
// either side of midnight.
std::string trainingFile(const std::vector<double>& persons) {
  const std::vector<std::string> codes = {"FA-02",
                                          "fa-01",
                                          "\xC9"
                                          "CO",
                                          "\xE9"
                                          "co-2",
                                          "50%_A",
                                          "A\\B",
                                          "FIRE"};
  const std::vector<std::string> comments = {"Passed",
                                             "PASSED well",
                                             "p\xC4ssed",
                                             "50%_done",
                                             "back\\slash",
                                             "",
                                             std::string("nu\0ll", 5),
                                             "ends in d   "};
  std::mt19937 random(11);
  std::string file;
  for (int i = 0; i < 3000; ++i) {
    std::string record(L::kLength, ' ');
    const double day = format::automationDateOf(2021 + static_cast<int>(random() % 5),
                                                1 + static_cast<int>(random() % 12), 1);
    const double offsets[] = {0, 0.5, -0.4 / 86400, 0.6 / 86400, 31 - 0.3 / 86400};
    store::codec::putDouble(record, L::TrainingDate, day + offsets[random() % 5]);
    store::codec::putDouble(record, L::PersonID, persons[random() % persons.size()]);
    store::codec::putDouble(record, L::CourseID, 1);
    const std::string& code = codes[random() % codes.size()];
    std::memcpy(record.data() + L::CourseCode.offset, code.data(), code.size());
    store::codec::putSingle(record, L::Hours, static_cast<float>(random() % 9) * 0.7f);
    const std::string& comment = comments[random() % comments.size()];
    std::memcpy(record.data() + L::Comments.offset, comment.data(), comment.size());
    file += record;
  }
  return file;
}

struct ServerQueries : ServerTest {
  TempFolder whole;
  TempFolder picked;
  store::PosixFileSystem fs;
  store::FileTable wholeFiles{fs, whole.str()};
  store::FileTable pickedFiles{fs, picked.str()};
  std::vector<double> personRows;  // the persons listed: 30 of the 40
  std::vector<double> listed;
  server::Connection c = connect();

  ServerQueries() {
    std::vector<double> persons;
    for (int i = 0; i < 40; ++i) persons.push_back(format::automationDateOf(2020, 1, 1) + i / 7.0);
    listed.assign(persons.begin(), persons.begin() + 30);
    personRows.assign(listed.begin(), listed.end());
    whole.write("Training.Records", trainingFile(persons));
    server::copyFolderToServer(c, wholeFiles);
    // As the server's upkeep soon does: it learns how many different texts each field holds.
    connect(ServerCluster::kOwner).run("ANALYZE training");
  }

  // The records the server picks for the filter, as a file of their own; how many.
  std::size_t pick(const server::TrainingFilter& filter) {
    std::string records;
    server::scanCandidates(c, filter, [&](std::span<const char> block) {
      records.append(block.data(), block.size());
      return true;
    });
    picked.write("Training.Records", records);
    return records.size() / L::kLength;
  }
};

std::int64_t dayOf(int year, int month, int day) {
  return format::automationDay(format::automationDateOf(year, month, day));
}

TEST_F(ServerQueries, TheRecordsPickedForASearchGiveTheSamePersonsAsTheWholeFile) {
  // `narrows`: the server leaves records of the listed persons out; `some`: a search hands over
  // only some of each person's records, found through the field's few different texts.
  struct Case {
    std::optional<std::pair<std::int64_t, std::int64_t>> days;
    std::string code, comments;
    bool narrows = true;
    bool some = true;
  };
  const Case cases[] = {
      {{}, "", "", false, false},
      {std::pair{dayOf(2023, 3, 1), dayOf(2023, 3, 1)}, "", "", true, false},
      {std::pair{dayOf(2022, 1, 1), dayOf(2024, 6, 30)}, "", "", true, false},
      {std::pair{dayOf(2022, 1, 1), dayOf(2022, 1, 1)}, "fa", ""},  // a moment past midnight
      {{}, "fa-0", ""},
      {{},
       "\xC3\xA9"
       "c",
       ""},  // é finds É too
      {{}, "%", ""},
      {{}, "_a", ""},
      {{}, "\\", ""},
      {{}, "", "PASS"},
      {{}, "", "p\xC3\xA4ss"},  // ä finds Ä too
      {{}, "", "d "},           // the blank after it may be padding
      {{}, "", "   ", false, false},
      {{}, "", "u l"},           // a blank in the columns is NUL in the record
      {{}, "", "\xE2\x86\x92"},  // →, which no record can hold
      {std::pair{dayOf(2021, 1, 1), dayOf(2025, 12, 31)}, "FA", "pass", true, false},
  };
  server::TrainingFilter listedOnly;
  listedOnly.persons = listed;
  const std::size_t ofListed = pick(listedOnly);
  EXPECT_LT(ofListed, 3000u);
  for (const Case& k : cases) {
    search::MatchCriteria criteria;
    server::TrainingFilter filter;
    if (k.days) {
      criteria.days.emplace(k.days->first, k.days->second);
      filter.firstDay = k.days->first;
      filter.lastDay = k.days->second;
    }
    criteria.courseCode = filter.courseCode = k.code;
    criteria.comments = filter.comments = k.comments;
    filter.persons = listed;
    const std::size_t picked = pick(filter);
    for (const auto mode : {search::MatchMode::Match, search::MatchMode::DoNotMatch}) {
      criteria.mode = mode;
      EXPECT_EQ(search::matchSearch(*scan::folderBlocks(pickedFiles), personRows, criteria),
                search::matchSearch(*scan::folderBlocks(wholeFiles), personRows, criteria))
          << k.code << "|" << k.comments;
    }
    EXPECT_EQ(picked < ofListed, k.narrows) << k.code << "|" << k.comments;

    // Searched as the program searches the server: where it hands over some records of each
    // person, those turned down are asked for again.
    const scan::TrainingHint hint = search::matchHint(personRows, criteria);
    EXPECT_EQ(server::trainingBlocks(c, hint)->someOfEachPerson(), k.some)
        << k.code << "|" << k.comments;
    for (const auto mode : {search::MatchMode::Match, search::MatchMode::DoNotMatch}) {
      criteria.mode = mode;
      EXPECT_EQ(search::matchSearch(*server::trainingBlocks(c, hint), personRows, criteria),
                search::matchSearch(*scan::folderBlocks(wholeFiles), personRows, criteria))
          << k.code << "|" << k.comments;
    }
  }
}

// A pass on a server that takes its statement and then answers nothing (here its process is
// stopped) hears the window's stop while it waits, and ends within the connect time-out.
TEST_F(ServerQueries, APassOnAServerThatStopsAnsweringIsStoppedWithinTheConnectTimeOut) {
  server::Connection hung(cluster.conninfo(database), std::chrono::seconds(2));
  const pid_t backend = hung.exec("SELECT pg_backend_pid()").getInt32(0, 0);
  if (::kill(backend, 0) != 0) GTEST_SKIP() << "the server's process cannot be stopped";
  bool held = false;
  scan::PassOptions pass;
  pass.progress = [&](std::int64_t done, std::int64_t total) {
    if (!held) {
      held = ::kill(backend, SIGSTOP) == 0;  // once the pass has counted its records
    } else if (done < total) {
      throw scan::PassStopped();
    }
  };
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(
      search::annualSummary(*server::trainingBlocks(hung, search::summaryHint(personRows, 2023)),
                            personRows, 2023, pass),
      scan::PassStopped);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  ::kill(backend, SIGCONT);
}

TEST_F(ServerQueries, TheRecordsPickedForAYearGiveTheSameSummaryAsTheWholeFile) {
  for (const int year : {2020, 2021, 2023, 2025}) {
    server::TrainingFilter filter;
    filter.firstDay = dayOf(year, 1, 1);
    filter.lastDay = dayOf(year, 12, 31);
    pick(filter);
    const search::AnnualSummary fromPicked =
        search::annualSummary(*scan::folderBlocks(pickedFiles), personRows, year);
    const search::AnnualSummary fromWhole =
        search::annualSummary(*scan::folderBlocks(wholeFiles), personRows, year);
    ASSERT_EQ(fromPicked.persons.size(), fromWhole.persons.size()) << year;
    for (std::size_t i = 0; i < fromWhole.persons.size(); ++i) {
      EXPECT_EQ(fromPicked.persons[i].row, fromWhole.persons[i].row);
      EXPECT_EQ(fromPicked.persons[i].hours, fromWhole.persons[i].hours);
    }
    EXPECT_EQ(fromPicked.total, fromWhole.total) << year;
  }
}

TEST_F(ServerQueries, APassGetsTheFieldsItNamesAsTheFileHoldsThemAndTheOthersZero) {
  const std::string file = whole.read("Training.Records");
  // The fields named, and whether the records come whole (a text field brings the bytes kept
  // beside the columns, whole, for the record whose comment holds NUL).
  const std::pair<std::vector<store::layout::Field>, bool> cases[] = {
      {{L::PersonID, L::Hours}, false}, {{L::Comments}, true}, {{}, true}};
  for (const auto& [fields, whole] : cases) {
    server::TrainingFilter filter;
    filter.fields = fields;
    ASSERT_EQ(pick(filter), 3000u);
    const std::string records = picked.read("Training.Records");
    for (std::size_t at = 0; at < file.size(); at += L::kLength) {
      const std::string_view got(records.data() + at, L::kLength),
          was(file.data() + at, L::kLength);
      for (const store::layout::Field f : fields)
        ASSERT_EQ(got.substr(f.offset, f.width), was.substr(f.offset, f.width)) << at;
      if (whole &&
          was.substr(L::Comments.offset, L::Comments.width).find('\0') != std::string_view::npos) {
        ASSERT_EQ(got, was) << at;
      }
      if (!whole) {
        ASSERT_EQ(got.substr(L::CourseCode.offset, L::CourseCode.width),
                  std::string(L::CourseCode.width, '\0'))
            << at;
      }
    }
  }
}

TEST_F(ServerQueries, ThePersonsAreAskedForOnlyWhileTheyAreFewerThanHalfThoseHeld) {
  server::TrainingFilter listedOnly;
  listedOnly.persons = listed;  // 30
  server::Connection owner = connect(ServerCluster::kOwner);
  // The persons the server holds as last counted (not yet counted: -1); whether the records of
  // others are left out.
  const std::pair<int, bool> cases[] = {{-1, true}, {0, false}, {60, false}, {61, true}};
  for (const auto& [held, narrows] : cases) {
    if (held >= 0)
      owner.run(
          "DELETE FROM persons; INSERT INTO persons (date_created, first_name, middle_name, "
          "last_name, organization, employee_id, comments, active) SELECT g, '', '', '', '', '', "
          "'', 1 FROM generate_series(1, " +
          std::to_string(held) + ") g; ANALYZE persons");
    EXPECT_EQ(pick(listedOnly) < 3000u, narrows) << held;
  }
}

}  // namespace
}  // namespace vm::test

namespace vm::test {
namespace {

// A search among every person of a large organisation (32,767 listed) over many records: the
// server goes through the listed persons once, not once for every record, whatever plan it takes
// for a code that most records hold.
TEST_F(ServerTest, ASearchAmongManyListedPersonsTakesMomentsWhateverThePlan) {
  std::vector<double> persons;
  for (int i = 0; i < 32767; ++i) persons.push_back(36000.25 + i);
  std::string file;
  std::string record(L::kLength, ' ');
  for (int i = 0; i < 60000; ++i) {
    store::codec::putDouble(record, L::TrainingDate, 45000 + i % 3650);
    store::codec::putDouble(record, L::PersonID, persons[static_cast<std::size_t>(i * 7 % 32767)]);
    std::memcpy(record.data() + L::CourseCode.offset, i % 3 ? "LAB-0101" : "FA-101  ", 8);
    file += record;
  }
  TempFolder folder;
  folder.write("Training.Records", file);
  store::PosixFileSystem fs;
  store::FileTable files(fs, folder.str());
  server::Connection c = connect();
  server::copyFolderToServer(c, files);
  {
    server::Connection owner = connect(ServerCluster::kOwner);
    owner.run("ANALYZE training");
  }
  server::TrainingFilter filter;
  filter.courseCode = "lab-01";
  filter.persons = persons;
  c.run("SET statement_timeout = '20s'");  // a slow plan fails here rather than holding the run
  const auto start = std::chrono::steady_clock::now();
  std::size_t picked = 0;
  server::scanCandidates(c, filter, [&](std::span<const char> block) {
    picked += block.size() / L::kLength;
    return true;
  });
  EXPECT_EQ(picked, 40000u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// The links the program sends for the persons asked for are those the server keeps beside each
// record, stamp for stamp, each once.
TEST_F(ServerTest, TheProgramMakesThePersonsLinksAsTheServerDoes) {
  const double seventh = 44000 + 1.0 / 7;
  const std::vector<double> stamps = {44000.5,
                                      seventh,
                                      std::nextafter(seventh, 1e9),
                                      0.1 + 0.2,
                                      0.0,
                                      -0.0,
                                      -36000.25,
                                      1e300,
                                      5e-324,
                                      123456789012345.67,
                                      std::numeric_limits<double>::infinity(),
                                      -std::numeric_limits<double>::infinity(),
                                      std::nan(""),
                                      44000.5};
  server::Connection c = connect();
  std::vector<double> onServer;
  for (const double stamp : stamps) {
    const server::Result link = c.exec("SELECT verdimark_link($1)", server::Params().add(stamp));
    const std::vector<double> mine = server::personLinks(std::span(&stamp, 1));
    if (link.isNull(0, 0)) {
      EXPECT_TRUE(mine.empty()) << stamp;
      continue;
    }
    ASSERT_EQ(mine.size(), 1u) << stamp;
    EXPECT_EQ(mine[0], link.getDouble(0, 0)) << stamp;
    onServer.push_back(link.getDouble(0, 0));
  }
  std::sort(onServer.begin(), onServer.end());
  onServer.erase(std::unique(onServer.begin(), onServer.end()), onServer.end());
  EXPECT_EQ(server::personLinks(stamps), onServer);
}

}  // namespace
}  // namespace vm::test
