// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <functional>
#include <mutex>
#include <thread>

#include "format/automation_date.h"
#include "server/edit_conflict.h"
#include "server/record_edits.h"
#include "server/server_rows.h"
#include "server/server_test.h"
#include "server/training_edits.h"

namespace vm::test {
namespace {

using server::EditConflict;
using server::RowRef;
using store::CourseRecord;
using store::NameRecord;
using store::TrainingRecord;
using store::UserRecord;

NameRecord person(const std::string& first, const std::string& last) {
  return {0, first, "", last, "", "", "", store::kActive};
}

struct ServerEdits : ServerTest {
  server::Connection desk1 = connect();
  server::Connection desk2 = connect();

  // A course and persons to credit it to, made at desk 1.
  std::int64_t courseAt(const std::string& code) {
    return server::addCourse(desk1, kDesk1, {0, code, "First Aid", "Red Cross", 2.5f, ""})->pos;
  }
  std::vector<std::int64_t> persons(int n) {
    std::vector<std::int64_t> out;
    for (int i = 0; i < n; ++i)
      out.push_back(server::addPerson(desk1, kDesk1, person("P" + std::to_string(i), "Lee"))->pos);
    return out;
  }
};

// Every kind of record, read at both desks; desk 1 saves first, then desk 2's save or removal of
// what it read is refused, naming desk 1's user and time, and writes nothing.
TEST_F(ServerEdits, TheSecondSaveOfARecordIsRefusedNamingWhoChangedItAndWhen) {
  const std::int64_t course = courseAt("FA-1");
  const std::vector<std::int64_t> staff = persons(1);
  server::creditTraining(desk1, kDesk1, {course, staff, 46000, "Passed"});
  server::addUser(desk1, kDesk1, {0, "Kim", "Ng", "xpxwxd", 2, ""});
  struct Case {
    std::string what;
    std::function<RowRef(server::Connection&)> read;
    std::function<void(server::Connection&, const store::ChangeAuthor&, RowRef)> save, remove;
  };
  const auto first = [](auto rows) { return server::refOf(rows.front()); };
  // A person goes with the training records, so the person comes last.
  const Case cases[] = {
      {"training record", [&](auto& c) { return first(server::listRows<TrainingRecord>(c)); },
       [](auto& c, auto& a, RowRef r) {
         // What the desk read; the record may be gone from the server by now.
         TrainingRecord t = server::readRow<TrainingRecord>(c, r.pos)
                                .value_or(server::Row<TrainingRecord>{})
                                .record;
         t.Comments = a.user;
         server::saveTraining(c, a, r, "Ann", t);
       },
       [](auto& c, auto& a, RowRef r) { server::removeTraining(c, a, r, "Ann"); }},
      {"course", [&](auto& c) { return first(server::listRows<CourseRecord>(c)); },
       [](auto& c, auto& a, RowRef r) {
         server::saveCourse(c, a, r, {0, "FA-1", a.user, "", 1, ""});
       },
       [](auto& c, auto& a, RowRef r) { server::removeCourse(c, a, r); }},
      {"user", [&](auto& c) { return first(server::listRows<UserRecord>(c)); },
       [](auto& c, auto& a, RowRef r) {
         server::saveUser(c, a, r, {0, "Kim", a.user, "xpxwxd", 3, ""}, false);
       },
       [](auto& c, auto& a, RowRef r) { server::removeUser(c, a, r); }},
      {"person", [&](auto& c) { return first(server::listRows<NameRecord>(c)); },
       [](auto& c, auto& a, RowRef r) { server::savePerson(c, a, r, person("Ann", a.user)); },
       [](auto& c, auto& a, RowRef r) { server::removePerson(c, a, r); }},
  };
  for (const Case& k : cases) {
    const RowRef seen1 = k.read(desk1);
    const RowRef seen2 = k.read(desk2);
    k.save(desk1, kDesk1, seen1);
    const std::int64_t lines = count(desk1, "change_log");
    for (const auto& refused : {k.save, k.remove}) {
      try {
        refused(desk2, kDesk2, seen2);
        ADD_FAILURE() << k.what << ": not refused";
      } catch (const EditConflict& e) {
        EXPECT_EQ(e.user(), kDesk1.user) << k.what;
        EXPECT_EQ(std::string(e.what()),
                  "This " + k.what +
                      " was changed by Dana Demo on 12/08/2026 at 10:30:00, after you opened "
                      "it.\nYour changes were not saved; the " +
                      k.what + " is shown as it is now.");
      }
    }
    EXPECT_EQ(count(desk1, "change_log"), lines) << k.what;
    // Once read again, desk 2's save goes through; a record removed meanwhile is told as such.
    const RowRef fresh = k.read(desk2);
    k.remove(desk1, kDesk1, fresh);
    try {
      k.save(desk2, kDesk2, fresh);
      ADD_FAILURE() << k.what << ": a removed record was saved";
    } catch (const EditConflict& e) {
      EXPECT_TRUE(e.wasRemoved()) << k.what;
    }
  }
}

TEST_F(ServerEdits, OfTwoDesksSavingOneRecordAtTheSameMomentExactlyOneSaves) {
  const auto added = server::addPerson(desk1, kDesk1, person("Ann", "Lee"));
  const RowRef seen = server::refOf(*added);
  int saved = 0, refused = 0;
  std::mutex tally;
  const auto save = [&](server::Connection& c, const store::ChangeAuthor& a) {
    try {
      server::savePerson(c, a, seen, person("Ann", a.user));
      const std::lock_guard lock(tally);
      ++saved;
    } catch (const EditConflict&) {
      const std::lock_guard lock(tally);
      ++refused;
    }
  };
  std::thread one(save, std::ref(desk1), kDesk1);
  std::thread two(save, std::ref(desk2), kDesk2);
  one.join();
  two.join();
  EXPECT_EQ(saved, 1);
  EXPECT_EQ(refused, 1);
  const auto now = server::readRow<NameRecord>(desk1, added->pos);
  EXPECT_EQ(now->version, 2);
  EXPECT_EQ(count(desk1, "change_log"), 2);
}

TEST_F(ServerEdits, TwoDesksCreditingAtTheSameMomentBothLand) {
  const std::int64_t course = courseAt("FA-1");
  const std::vector<std::int64_t> staff = persons(5);
  const auto credit = [&](server::Connection& c, const store::ChangeAuthor& a) {
    for (int i = 0; i < 20; ++i) server::creditTraining(c, a, {course, staff, 46000.0 + i, a.user});
  };
  std::thread one(credit, std::ref(desk1), kDesk1);
  std::thread two(credit, std::ref(desk2), kDesk2);
  one.join();
  two.join();
  EXPECT_EQ(count(desk1, "training"), 200);
  EXPECT_EQ(count(desk1, "change_log"), 1 + 5 + 200);
}

TEST_F(ServerEdits, ACreditForAPersonRemovedMeanwhileIsRefusedWhole) {
  const std::int64_t course = courseAt("FA-1");
  const std::vector<std::int64_t> staff = persons(3);
  server::removePerson(desk2, kDesk2, server::refOf(*server::readRow<NameRecord>(desk2, staff[1])));
  EXPECT_THROW(server::creditTraining(desk1, kDesk1, {course, staff, 46000, ""}), EditConflict);
  EXPECT_EQ(count(desk1, "training"), 0);
}

TEST_F(ServerEdits, ACourseChangeIsCarriedOnlyAsTheCallerSawIt) {
  const std::int64_t course = courseAt("FA-1");
  server::creditTraining(desk1, kDesk1, {course, persons(2), 46000, ""});
  const RowRef seen = server::refOf(*server::readRow<CourseRecord>(desk1, course));
  const auto saved = server::saveCourse(desk2, kDesk2, seen, {0, "FA-2", "First Aid", "", 3, ""});
  EXPECT_THROW(server::carryCourse(desk1, kDesk1, seen), EditConflict);
  const server::CarryCount carried = server::carryCourse(desk2, kDesk2, server::refOf(saved));
  EXPECT_EQ(carried.updated, 2);
  for (const auto& row : server::listRows<TrainingRecord>(desk1)) {
    EXPECT_EQ(row.record.CourseCode, "FA-2    ");
    EXPECT_EQ(row.record.Hours, 3.0f);
  }
}

TEST_F(ServerEdits, AServerStoppedInTheMiddleOfAChangeKeepsNoneOfIt) {
  const std::int64_t course = courseAt("FA-1");
  const std::vector<std::int64_t> staff = persons(4);
  const std::int64_t lines = count(desk1, "change_log");
  try {
    desk1.transaction([&] {
      server::creditTraining(desk1, kDesk1, {course, staff, 46000, "Passed"});
      server::removePerson(desk1, kDesk1,
                           server::refOf(*server::readRow<NameRecord>(desk1, staff[0])));
      cluster.stop();
      desk1.exec("SELECT 1");
    });
    ADD_FAILURE() << "the work went on without its server";
  } catch (const server::ServerError& e) {
    EXPECT_EQ(e.fault(), server::Fault::ConnectionLost) << e.what();
    EXPECT_FALSE(e.commitInDoubt());
    EXPECT_NE(std::string(e.what()).find(cluster.folder()), std::string::npos) << e.what();
  }
  cluster.start();
  server::Connection after = connect();
  EXPECT_EQ(count(after, "training"), 0);
  EXPECT_EQ(count(after, "persons"), 4);
  EXPECT_EQ(count(after, "change_log"), lines);
}

TEST_F(ServerEdits, AListThatADataFileCouldNotCountTakesNoMoreRecords) {
  cluster.superuserSql(database,
                       "INSERT INTO users (date_created, first_name, last_name, password, "
                       "access_level, comments) SELECT n, 'U', 'U', '', 1, '' FROM "
                       "generate_series(1, 32767) n");
  EXPECT_FALSE(server::addUser(desk1, kDesk1, {0, "Kim", "Ng", "", 1, ""}));
  EXPECT_TRUE(server::addPerson(desk1, kDesk1, person("Ann", "Lee")));
}

TEST_F(ServerEdits, APersonsTrainingIsFoundByTheLinkRuleOfTheRecordFiles) {
  const auto ann = server::addPerson(desk1, kDesk1, person("Ann", "Lee"));
  const double stamp = ann->record.DateCreated;
  struct Case {
    double personId;
    bool linked;
  };
  const Case cases[] = {
      {stamp, true},
      {std::nextafter(stamp, 1e9), true},  // the same 15 significant digits
      {stamp + 4e-12, true},
      {stamp + 1e-9, false},
      {stamp + 1.0 / 86400, false},  // a second later
      {std::nan(""), false},
  };
  for (const Case& k : cases)
    desk1.exec(
        "INSERT INTO training (training_date, person_id, course_id, course_code, "
        "course_name, provided_by, hours, comments) VALUES (46000, $1, 1, '', '', '', 1, "
        "'')",
        server::Params().add(k.personId));
  const auto found = server::trainingOf(desk1, stamp);
  std::vector<bool> linked;
  for (const auto& row : server::listRows<TrainingRecord>(desk1)) {
    bool in = false;
    for (const auto& f : found) in = in || f.pos == row.pos;
    linked.push_back(in);
  }
  ASSERT_EQ(linked.size(), std::size(cases));
  for (std::size_t i = 0; i < linked.size(); ++i) EXPECT_EQ(linked[i], cases[i].linked) << i;
}

}  // namespace
}  // namespace vm::test
