// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/change_notes.h"

#include <chrono>

#include "server/schema.h"
#include "server/server_records.h"
#include "server/server_test.h"

namespace vm::test {
namespace {

using records::ChangedLists;

TEST(ChangeNotes, EachTableNamesItsListAndTheLogsAndOtherChannelsNone) {
  const std::string channel = server::kChangeChannel;
  struct Case {
    std::vector<server::Notification> notes;
    ChangedLists lists;
  };
  const Case cases[] = {
      {{}, {}},
      {{{channel, "persons"}}, {.persons = true}},
      {{{channel, "courses"}, {channel, "courses"}}, {.courses = true}},
      {{{channel, "users"}, {channel, "training"}}, {.users = true, .training = true}},
      {{{channel, "renewals"}}, {.renewalPeriods = true}},
      {{{channel, "change_log"}, {channel, "user_log"}}, {}},
      {{{"elsewhere", "persons"}}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(server::changedLists(c.notes), c.lists);
}

// What one desk changes, the other learns of once, by list, without waiting; a window that asks
// for one list leaves the others' changes for the windows that show them.
TEST_F(ServerTest, AnotherDesksChangeIsToldOnceByItsList) {
  server::Connection c1 = connect(), c2 = connect();
  server::ServerRecords a{c1}, b{c2};
  EXPECT_FALSE(a.changedElsewhere(records::kEveryList).any());
  b.addPerson(kDesk2, {1, "Ann", "", "Lee", "", "", "", store::kActive});
  b.addCourse(kDesk2, {2, "FA", "", "", 1, ""});
  // The two changes may come in one read or two: each is waited for, not slept on.
  ChangedLists told;
  for (int reads = 0;
       reads < 4 && !told.courses && c1.waitForNotifications(std::chrono::seconds(5)); ++reads) {
    told.add(a.changedElsewhere({.persons = true}));
    told.add(a.changedElsewhere({.courses = true}));
  }
  EXPECT_EQ(told, (ChangedLists{.persons = true, .courses = true}));
  EXPECT_FALSE(a.changedElsewhere(records::kEveryList).any());
}

}  // namespace
}  // namespace vm::test
