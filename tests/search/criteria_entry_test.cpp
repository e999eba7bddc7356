// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/criteria_entry.h"

#include <gtest/gtest.h>

#include "format/automation_date.h"

using namespace vm::search;

namespace {

std::int64_t day(int y, int m, int d) {
  return vm::format::automationDay(vm::format::automationDateOf(y, m, d));
}

}  // namespace

TEST(CriteriaEntry, RefusalsStopAtTheFirstFailureAndNameTheBox) {
  const struct {
    CriteriaBoxes boxes;
    std::string text;
    std::size_t box;
  } cases[] = {
      {{"13/45/2004", "nonsense", "", ""}, "Check the first date entry", kFromDate},
      {{"03/15/2004", "02/30/2005", "", ""}, "Check the second date entry", kToDate},
      {{"", "nonsense", "", ""}, "Check the second date entry", kToDate},
      {{"", "12/31/2004", "FA", ""},
       "You can't have a 'to' date\nwithout a 'from' date...",
       kFromDate},
      {{"  ", " 12/31/2004 ", "", ""},
       "You can't have a 'to' date\nwithout a 'from' date...",
       kFromDate},
      {{"12/31/2004", "01/01/2004", "", ""},
       "The 'from' date cannot be\nlater than the 'to' date",
       kFromDate},
      {{"03/16/2004", "03/15/2004 11:00 pm", "", ""},
       "The 'from' date cannot be\nlater than the 'to' date",
       kFromDate},
  };
  for (const auto& c : cases) {
    const CriteriaEntry e = checkCriteria(c.boxes, MatchMode::Match);
    ASSERT_TRUE(e.error) << c.boxes[0] << " / " << c.boxes[1];
    EXPECT_EQ(e.error->text, c.text) << c.boxes[0] << " / " << c.boxes[1];
    EXPECT_EQ(e.error->box, c.box) << c.boxes[0] << " / " << c.boxes[1];
  }
}

TEST(CriteriaEntry, BoxesAreTrimmedAndASingleDateIsThatDay) {
  const CriteriaEntry single =
      checkCriteria({" 03/15/2004 ", "", "  fa ", " Adult CPR "}, MatchMode::DoNotMatch);
  ASSERT_FALSE(single.error);
  EXPECT_EQ(single.boxes, (CriteriaBoxes{"03/15/2004", "03/15/2004", "fa", "Adult CPR"}));
  ASSERT_TRUE(single.criteria.days);
  EXPECT_EQ(single.criteria.days->first(), day(2004, 3, 15));
  EXPECT_EQ(single.criteria.days->last(), day(2004, 3, 15));
  EXPECT_EQ(single.criteria.courseCode, "fa");
  EXPECT_EQ(single.criteria.comments, "Adult CPR");
  EXPECT_EQ(single.criteria.mode, MatchMode::DoNotMatch);

  // Equal dates pass; a time of day is ignored; a refused entry still shows trimmed.
  const CriteriaEntry same = checkCriteria({"3/15/2004 10:00", "03/15/2004", "", ""}, {});
  ASSERT_FALSE(same.error);
  EXPECT_EQ(same.criteria.days->first(), same.criteria.days->last());
  EXPECT_EQ(checkCriteria({" x ", "", " y ", ""}, {}).boxes, (CriteriaBoxes{"x", "", "y", ""}));

  const CriteriaEntry textOnly = checkCriteria({"", "", "", "*"}, {});
  ASSERT_FALSE(textOnly.error);
  EXPECT_FALSE(textOnly.criteria.days);
}

TEST(CriteriaEntry, SearchAndSummaryButtonsAskForRealEntries) {
  EXPECT_FALSE(anyCriterion({"", " ", "   ", ""}));
  EXPECT_TRUE(anyCriterion({"", "", "", " x"}));
  EXPECT_TRUE(anyCriterion({"1", "", "", ""}));

  const struct {
    const char* text;
    bool allowed;
  } years[] = {{"1954", false}, {"1955", true}, {"2026", true},  {"2027", false}, {"", false},
               {"200x", false}, {"2004", true}, {"abcd", false}, {" 2004", true}};
  for (const auto& y : years) EXPECT_EQ(summaryYearAllowed(y.text, 2026), y.allowed) << y.text;
  EXPECT_EQ(summaryYear("200x"), 200);
}
