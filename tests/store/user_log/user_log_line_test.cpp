// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/user_log/user_log_line.h"

#include <gtest/gtest.h>

using vm::store::UserLogKind;
using vm::store::userLogLine;

TEST(UserLogLine, LogInAndLogOutLinesBeginWithTheDateAndUseA24HourClock) {
  EXPECT_EQ(userLogLine(UserLogKind::LogIn, {2026, 3, 4, 0, 0, 0}, {2026, 3, 4, 14, 7, 9},
                        "Ann Lee", "Read/Edit/Add/Delete"),
            "03/04/2026 at 14:07:09 - Ann Lee logged in w/ Read/Edit/Add/Delete privileges.");
  EXPECT_EQ(userLogLine(UserLogKind::LogOut, {2026, 12, 8}, {2026, 12, 8, 9, 5, 0}, "Ann Lee",
                        "Read Only"),
            "12/08/2026 at 09:05:00 - Ann Lee logged out.");
}

TEST(UserLogLine, DateAndTimeAreTheirOwnReadings) {
  // Read around midnight, the two readings may fall on different days; each shows its own.
  EXPECT_EQ(userLogLine(UserLogKind::LogIn, {2026, 12, 31, 23, 59, 59}, {2027, 1, 1, 0, 0, 0},
                        "Bo Ek", "Read Only"),
            "12/31/2026 at 00:00:00 - Bo Ek logged in w/ Read Only privileges.");
}

TEST(UserLogLine, ControlCharactersInNamesCannotForgeALine) {
  // A name written into User.List by another tool, carrying a line break and a forged entry.
  EXPECT_EQ(userLogLine(UserLogKind::LogOut, {2026, 12, 8}, {2026, 12, 8, 9, 5, 0},
                        "Ann\r\n12/08/2026 at 09:00:00 - Eve\tAdmin\x7F", "Read Only"),
            "12/08/2026 at 09:05:00 - Ann  12/08/2026 at 09:00:00 - Eve Admin  logged out.");
  EXPECT_EQ(userLogLine(UserLogKind::LogIn, {2026, 12, 8}, {2026, 12, 8, 9, 5, 0},
                        std::string("Bo\0Ek", 5), "Read\nOnly"),
            "12/08/2026 at 09:05:00 - Bo Ek logged in w/ Read Only privileges.");
}
