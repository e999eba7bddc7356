// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/change_log/change_line.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "format/automation_date.h"
#include "store/change_log/record_changes.h"
#include "store/record_codec.h"

using namespace vm::store;

namespace {

const ChangeAuthor kAnn{"Ann Lee", {2026, 3, 4, 9, 5, 7}};
const std::string kAt = "03/04/2026 09:05:07\tAnn Lee\t";

std::string lineOf(const Change& c, std::int32_t counted = 0, std::int32_t reviewed = 0) {
  return finishedLine(pendingLine(kAnn, c), c.tally, counted, reviewed);
}

NameRecord person(std::string first, std::string middle, std::string last) {
  NameRecord n;
  n.DateCreated = 45000.5;
  n.FirstName = std::move(first);
  n.MiddleName = std::move(middle);
  n.LastName = std::move(last);
  n.Active = kActive;
  return n;
}

CourseRecord course() {
  CourseRecord c;
  c.CourseCode = "FA-02";
  c.CourseName = "First Aid";
  c.ProvidedBy = "Red Cross";
  c.Hours = 2.5f;
  return c;
}

TrainingRecord training() {
  TrainingRecord t;
  t.TrainingDate = vm::format::automationDateOf(2004, 3, 15);
  t.CourseCode = "FA-02";
  t.CourseName = "First Aid";
  t.Hours = 8;
  t.Comments = "Passed";
  return t;
}

UserRecord user(std::string password, std::int16_t level) {
  UserRecord u;
  u.FirstName = "Kim";
  u.LastName = "Ng";
  u.Password = std::move(password);
  u.AccessLevel = level;
  return u;
}

}  // namespace

// Every kind of change, byte for byte as the log holds it.
TEST(ChangeLine, EveryKindOfChangeHasItsLine) {
  NameRecord renamed = person("Ann", "", "Li");
  renamed.Active = kInactive;
  renamed.Organization = "Plant 2";
  CourseRecord recoded = course();
  recoded.CourseCode = "FA-03";
  recoded.Hours = 3;
  TrainingRecord redated = training();
  redated.TrainingDate = vm::format::automationDateOf(2004, 3, 16) + 0.5;
  const std::array<std::string, 2> files = {"User.List", "Change.Log"};
  const std::array<std::string, 2> removed = {"Course.Renewal", "Extra.List"};
  struct Case {
    Change change;
    std::string rest;  // the line after the date, time and user
  };
  const Case cases[] = {
      {personAdded(person("Ann", "Marie", "Lee")),
       "person added\tAnn Marie Lee\tStatus: \"Active Person\""},
      {personEdited(person("Ann", "", "Lee"), renamed),
       "person edited\tAnn Lee\tLast Name: \"Lee\" -> \"Li\"; Organization: \"\" -> \"Plant 2\"; "
       "Status: \"Active Person\" -> \"Inactive Person\""},
      {courseAdded(course()),
       "course added\tFA-02, First Aid\tProvided by: \"Red Cross\"; Hours: \"2.5\""},
      {courseEdited(course(), recoded),
       "course edited\tFA-02, First Aid\tCourse Code: \"FA-02\" -> \"FA-03\"; Hours: \"2.5\" -> "
       "\"3\""},
      {courseDeleted(course()), "course deleted\tFA-02, First Aid\t"},
      {trainingCredited("Ann Lee", training()),
       "training credited\tAnn Lee, 03/15/2004, FA-02, First Aid\tHours: \"8\"; Comments: "
       "\"Passed\""},
      {trainingEdited("Ann Lee", training(), redated),
       "training edited\tAnn Lee, 03/15/2004, FA-02, First Aid\tCourse Date: \"03/15/2004\" -> "
       "\"03/16/2004 12:00:00\""},
      {trainingDeleted("Ann Lee", training()),
       "training deleted\tAnn Lee, 03/15/2004, FA-02, First Aid\t"},
      {userAdded(user("x1y2", 4)), "user added\tKim Ng\tAccess Level: \"Read/Edit/Add/Delete\""},
      {userEdited(user("x1y2", 1), user("a1b2", 2), true),
       "user edited\tKim Ng\tAccess Level: \"Read Only\" -> \"Read/Edit\"; password changed"},
      {userDeleted(user("x1y2", 1)), "user deleted\tKim Ng\t"},
      {dataBackedUp("/media/usb/Backup", files),
       "data backed up\t/media/usb/Backup\tUser.List, Change.Log; its Change.Log ends with this "
       "line"},
      {dataRestored("/media/usb/Backup", files),
       "data restored\t/media/usb/Backup\tUser.List, Change.Log"},
      {dataRestored("/media/usb/Backup", files, "12/01/2026 09:15:00", removed),
       "data restored\t/media/usb/Backup\tUser.List, Change.Log; Backed up: \"12/01/2026 "
       "09:15:00\"; Removed: \"Course.Renewal, Extra.List\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rest);
    EXPECT_EQ(lineOf(c.change), kAt + c.rest + "\r\n");
  }
}

TEST(ChangeLine, ATallyCompletesItsLineOnceTheWorkIsDone) {
  EXPECT_EQ(lineOf(personDeleted(person("Ann", "", "Lee"), 0), 23),
            kAt + "person deleted\tAnn Lee\t23 training records removed\r\n");
  EXPECT_EQ(lineOf(personDeleted(person("Ann", "", "Lee"), 0), 1),
            kAt + "person deleted\tAnn Lee\t1 training record removed\r\n");
  EXPECT_EQ(
      lineOf(courseCarried(course(), 0), 12, 250),
      kAt + "course change carried\tFA-02, First Aid\t12 of 250 training records updated\r\n");
  Change both = personDeleted(person("Ann", "", "Lee"), 0);
  both.details = {"note"};
  EXPECT_EQ(lineOf(both, 0), kAt + "person deleted\tAnn Lee\tnote; 0 training records removed\r\n");
}

// The password is never told, whatever happens to it; a save that changes nothing has nothing to
// tell.
TEST(ChangeLine, NeitherPasswordNorUnchangedFieldsAppear) {
  const Change added = userAdded(user("q7Secret", 1));
  const Change edited = userEdited(user("q7Secret", 1), user("z9Hidden", 1), true);
  for (const Change& c : {added, edited}) {
    const std::string line = lineOf(c);
    EXPECT_EQ(line.find("Secret"), std::string::npos) << line;
    EXPECT_EQ(line.find("Hidden"), std::string::npos) << line;
  }
  EXPECT_TRUE(userEdited(user("q7Secret", 1), user("q7Secret", 1), false).details.empty());
  EXPECT_TRUE(personEdited(person("Ann", "", "Lee"), person("Ann", "", "Lee")).details.empty());
}

// Accents become their Windows-1252 bytes, control characters blanks (so a line break in a value
// can never forge a line or a column), characters the code page lacks "?", and a long value keeps
// 99 characters and an ellipsis.
TEST(ChangeLine, ValuesAreWrittenInTheLogsOwnTextForm) {
  NameRecord before = person("Zo\xC3\xAB", "", "M\xC3\xBCller");
  NameRecord after = before;
  after.Comments = "line one\r\nline\ttwo \xE2\x86\x92 \xE2\x82\xAC" + std::string(200, 'x');
  const std::string line = lineOf(personEdited(before, after));
  const std::string comments = "line one  line two ? \x80" + std::string(99 - 22, 'x') + "\x85";
  EXPECT_EQ(line,
            "03/04/2026 09:05:07\tAnn Lee\tperson edited\tZo\xEB M\xFCller\tComments: \"\" -> \"" +
                comments + "\"\r\n");

  const ChangeAuthor odd{"Eve\r\nForged line", {2026, 3, 4, 9, 5, 7}};
  EXPECT_EQ(finishedLine(pendingLine(odd, personDeleted(before, 0)), Tally::None, 0, 0),
            "03/04/2026 09:05:07\tEve  Forged line\tperson deleted\tZo\xEB M\xFCller\t\r\n");
  EXPECT_EQ(logValue(std::string(100, 'y')), std::string(100, 'y'));  // at the limit: whole
  EXPECT_EQ(logValue("\xC2\x85 \xFF"), "  \xFF");  // a C1 control, and a stray byte kept for "?"
}

// The line tells what the file holds: text cut to its field's width.
TEST(ChangeLine, AnAdditionTellsTheRecordAsStored) {
  CourseRecord c = course();
  c.CourseName = std::string(60, 'N');
  const Change added = courseAdded(asStored(c));
  EXPECT_EQ(added.record, "FA-02, " + std::string(50, 'N'));
}
