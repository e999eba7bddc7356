// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/change_log/change_log_reader.h"

#include <gtest/gtest.h>

#include <vector>

#include "store/change_log/change_entry.h"
#include "store/change_log/change_log_export.h"
#include "store/store_error.h"
#include "support/fault_sweep.h"
#include "support/store_test.h"

using namespace vm::store;

namespace {

struct ChangeLogReaderTest : vm::test::StoreTest {
  std::string path() const { return folder.str() + "/Change.Log"; }

  std::int64_t exportTo(const ChangeFilter& filter, const std::string& csv) {
    ChangeLogReader reader(fs, path());
    return exportChangeLog(reader, filter, fs, csv);
  }

  // Every line the reader finds, newest first, each checked against what lineAt reads back.
  std::vector<std::string> linesOf(std::size_t blockSize) {
    ChangeLogReader reader(fs, path(), blockSize);
    std::vector<std::string> lines;
    reader.readOlder([&](std::string_view line, LinePlace place) {
      EXPECT_EQ(reader.lineAt(place), line);
      lines.emplace_back(line);
      return true;
    });
    EXPECT_TRUE(reader.atStart());
    return lines;
  }
};

}  // namespace

// Blocks smaller than a line, a line end split between blocks, LF alone, empty lines and a last
// line cut short by a crash: the lines come out whole, newest first, whatever the block size.
TEST_F(ChangeLogReaderTest, FindsEveryLineFromTheEndWhateverTheBlocks) {
  folder.write("Change.Log",
               "first line\r\nsecond, a longer line than a block\r\n\r\nthird\n"
               "\r\nfourth\r\nfifth, cut sh");
  const std::vector<std::string> expected = {"fifth, cut sh", "fourth", "third",
                                             "second, a longer line than a block", "first line"};
  for (const std::size_t block : {1u, 2u, 7u, 12u, 13u, 4096u}) {
    SCOPED_TRACE(block);
    EXPECT_EQ(linesOf(block), expected);
  }
  folder.write("Change.Log", "only\r\n");
  EXPECT_EQ(linesOf(3), std::vector<std::string>{"only"});
  folder.write("Change.Log", "");
  EXPECT_TRUE(linesOf(3).empty());
  std::remove(path().c_str());
  EXPECT_TRUE(linesOf(3).empty());
}

TEST_F(ChangeLogReaderTest, ReadsNoMoreThanItIsAskedForAndGoesOnFromThere) {
  std::string log;
  for (int i = 1; i <= 1000; ++i) log += "line " + std::to_string(i) + "\r\n";
  folder.write("Change.Log", log);
  ChangeLogReader reader(fs, path(), 64);
  std::vector<std::string> seen;
  const auto takeThree = [&](std::string_view line, LinePlace) {
    seen.emplace_back(line);
    return seen.size() % 3 != 0;
  };
  const int callsBefore = fs.calls();
  reader.readOlder(takeThree);
  EXPECT_LE(fs.calls() - callsBefore, 3);  // one block: one open, read and close
  reader.readOlder(takeThree);
  EXPECT_EQ(seen, (std::vector<std::string>{"line 1000", "line 999", "line 998", "line 997",
                                            "line 996", "line 995"}));
  EXPECT_FALSE(reader.atStart());
}

TEST(ChangeEntry, ALineSplitsIntoItsColumns) {
  const ChangeEntry e = parseChangeLine(
      "12/08/2026 10:30:00\tZo\xEB M\xFCller\tperson edited\tAnn Lee\tLast Name: \"a\" -> \"b\"");
  EXPECT_EQ(e.when, "12/08/2026 10:30:00");
  EXPECT_EQ(e.user, "Zo\xC3\xAB M\xC3\xBCller");
  EXPECT_EQ(e.action, "person edited");
  EXPECT_EQ(e.record, "Ann Lee");
  EXPECT_EQ(e.details, "Last Name: \"a\" -> \"b\"");
  const ChangeEntry foreign = parseChangeLine("written by hand\tsomewhere");
  EXPECT_EQ(foreign.when, "");
  EXPECT_EQ(foreign.details, "written by hand\tsomewhere");
}

// The viewer shows each value as it was typed, its doubled quotes single again; lines written
// before quotes were doubled show as they always did.
TEST(ChangeEntry, TheDetailsShowTheValuesAsTyped) {
  const struct {
    const char* details;
    const char* shown;
  } cases[] = {
      {"Comments: \"credit, \"\"test\"\"\"", "Comments: \"credit, \"test\"\""},
      {"Comments: \"x\"\"; Hours: \"\"99\" -> \"\"", "Comments: \"x\"; Hours: \"99\" -> \"\""},
      {"Comments: \"\"\"\"\"\" -> \"\"", "Comments: \"\"\"\" -> \"\""},
      {"Comments: \"credit, \"test\"\"", "Comments: \"credit, \"test\"\""},  // an older line
      {"password changed", "password changed"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.details);
    EXPECT_EQ(parseChangeLine("12/08/2026 10:30:00\tAnn Lee\tperson edited\tBo\t" +
                              std::string(c.details))
                  .details,
              c.shown);
  }
  EXPECT_EQ(parseChangeLine("by hand \"\"").details, "by hand \"\"");  // not the log's form
}

TEST(ChangeEntry, TheFilterMatchesTextInAnyCaseWithinWholeDays) {
  const std::string march3 = "03/03/2026 23:59:59\tAnn Lee\tperson added\t\xC9lise Roy\t";
  const std::string march4 = "03/04/2026 00:00:00\tAnn Lee\tcourse deleted\tFA-02, First Aid\t";
  const std::string undated = "a line of another program";
  const std::optional<vm::format::DateTime> none;
  const vm::format::DateTime d3{2026, 3, 3}, d4{2026, 3, 4};
  struct Case {
    ChangeFilter filter;
    bool m3, m4, undated;
  };
  const Case cases[] = {
      {ChangeFilter(), true, true, true},
      {ChangeFilter("\xC3\xA9LISE", none, none), true, false, false},  // É and é alike
      {ChangeFilter("first aid", none, none), false, true, false},
      {ChangeFilter("", d4, none), false, true, false},
      {ChangeFilter("", none, d3), true, false, false},
      {ChangeFilter("", d3, d3), true, false, false},
      {ChangeFilter("ann", d3, d4), true, true, false},
      {ChangeFilter("another", none, none), false, false, true},
      {ChangeFilter("\xE2\x86\x92", none, none), false, false, false},  // not in the code page
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.filter.matches(march3), c.m3);
    EXPECT_EQ(c.filter.matches(march4), c.m4);
    EXPECT_EQ(c.filter.matches(undated), c.undated);
  }
  // A double quote typed is found as the log writes it inside a value, and as it stands
  // elsewhere.
  const ChangeFilter quote("a \"BIG\" lab", none, none);
  EXPECT_TRUE(
      quote.matches("03/03/2026 09:00:00\tAnn\tperson added\tBo\tComments: \"a \"\"big\"\" lab\""));
  EXPECT_TRUE(quote.matches("03/03/2026 09:00:00\tAnn\tperson added\ta \"big\" lab\t"));
  EXPECT_FALSE(quote.matches("03/03/2026 09:00:00\tAnn\tperson added\ta big lab\t"));
  EXPECT_TRUE(ChangeFilter().passesEverything());
  EXPECT_FALSE(ChangeFilter("x", none, none).passesEverything());
}

TEST_F(ChangeLogReaderTest, ExportsTheFilteredLinesNewestFirstAsCsv) {
  folder.write(
      "Change.Log",
      "03/03/2026 09:00:00\tAnn Lee\tperson added\tZo\xEB, \"Z\" Roy\t\r\n"
      "03/04/2026 09:00:00\tAnn Lee\tcourse deleted\tFA-02, First Aid\t\r\n"
      "03/05/2026 09:00:00\tKim Ng\tperson edited\tZo\xEB Roy\tOrganization: \"\" -> \" x\"\r\n");
  const std::string csv = folder.str() + "/out.csv";
  EXPECT_EQ(exportTo(ChangeFilter("zo\xC3\xAB", std::nullopt, std::nullopt), csv), 2);
  EXPECT_EQ(folder.read("out.csv"),
            "\xEF\xBB\xBF"
            "Date and Time,User,Action,Record,Details\r\n"
            "03/05/2026 09:00:00,Kim Ng,person edited,Zo\xC3\xAB Roy,"
            "\"Organization: \"\"\"\" -> \"\" x\"\"\"\r\n"
            "03/03/2026 09:00:00,Ann Lee,person added,\"Zo\xC3\xAB, \"\"Z\"\" Roy\",\r\n");
}

// Whatever a person typed into a record or a user's name, no cell of the export opens as a
// formula; the date and time stay as they are.
TEST_F(ChangeLogReaderTest, ExportedValuesNeverOpenAsFormulas) {
  const struct {
    const char* line;
    const char* row;
  } cases[] = {
      {"03/05/2026 09:00:00\t@Kim\tperson added\t=HYPERLINK(\"x.example\")\t",
       "03/05/2026 09:00:00,'@Kim,person added,\"'=HYPERLINK(\"\"x.example\"\")\",\r\n"},
      {"03/05/2026 09:00:00\tKim Ng\tperson edited\t-1+1\tComments: \"=cmd\" -> \"+1\"",
       "03/05/2026 09:00:00,Kim Ng,person edited,'-1+1,\"Comments: \"\"=cmd\"\" -> "
       "\"\"+1\"\"\"\r\n"},
      {"=cmd|' /C calc'!A0", ",,,,'=cmd|' /C calc'!A0\r\n"},  // not a line of the log's form
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    folder.write("Change.Log", std::string(c.line) + "\r\n");
    const std::string csv = folder.str() + "/out.csv";
    EXPECT_EQ(exportTo(ChangeFilter(), csv), 1);
    EXPECT_EQ(folder.read("out.csv"),
              "\xEF\xBB\xBF"
              "Date and Time,User,Action,Record,Details\r\n" +
                  std::string(c.row));
  }
}

// Wherever the disk fails, the name holds its old file or the whole export, and nothing else is
// left beside it.
TEST_F(ChangeLogReaderTest, AFailedExportLeavesTheOldFileAndNothingElse) {
  std::string log;
  for (int i = 0; i < 25000; ++i) log += "03/05/2026 09:00:00\tKim Ng\tperson edited\tZo Roy\t\r\n";
  folder.write("Change.Log", log);
  const std::string csv = folder.str() + "/out.csv";
  exportTo(ChangeFilter(), csv);
  const std::string whole = folder.read("out.csv");
  for (int k = 1;; ++k) {
    SCOPED_TRACE(k);
    folder.write("out.csv", "an older export");
    fs.failCall(k);
    try {
      exportTo(ChangeFilter(), csv);
    } catch (const StoreError&) {
    }
    const bool struck = fs.faultReached();
    fs.clearFaults();
    const std::string now = folder.read("out.csv");
    EXPECT_TRUE(now == "an older export" || now == whole);
    EXPECT_EQ(vm::test::filesIn(folder).size(), 2u);  // the log and the export
    if (!struck) break;
    ASSERT_LT(k, 100);
  }
}
