// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/server_records.h"

#include "format/trim.h"
#include "server/edit_conflict.h"
#include "server/server_test.h"
#include "store/field_codec.h"
#include "store/work_stopped.h"

namespace vm::test {
namespace {

using records::Records;
using server::EditConflict;
using store::DataFile;

store::NameRecord named(const std::string& last) {
  return {0, "", "", last, "", "", "", store::kActive};
}
std::string lastName(Records& r, int n) { return format::trim(r.person(n).LastName); }
std::vector<std::string> lastNames(Records& r) {
  std::vector<std::string> names;
  for (const auto& p : r.persons()) names.push_back(format::trim(p.LastName));
  return names;
}

struct Desks : ServerTest {
  server::Connection c1 = connect(), c2 = connect();
  server::ServerRecords a{c1}, b{c2};

  void addPersons(std::initializer_list<std::string> names) {
    for (const std::string& last : names) a.addPerson(kDesk1, named(last));
  }
};

// The store's own changes renumber a list as a data folder's list renumbers, without listing it
// again, and leave the other lists' numbers alone.
TEST_F(Desks, NumbersFollowTheStoresOwnAdditionsAndRemovals) {
  EXPECT_FALSE(a.exists(DataFile::Users));
  for (const std::string code : {"FA", "FW"}) a.addCourse(kDesk1, {0, code, "", "", 1, ""});
  a.courses();
  a.persons();
  struct Step {
    char op;  // + add, = save, - remove
    int n;
    std::string name;
    std::vector<std::string> after;
  };
  const Step steps[] = {
      {'+', 0, "Ann", {"Ann"}},
      {'+', 0, "Bob", {"Ann", "Bob"}},
      {'+', 0, "Cy", {"Ann", "Bob", "Cy"}},
      {'-', 1, "", {"Bob", "Cy"}},
      {'=', 2, "Cyd", {"Bob", "Cyd"}},
      {'+', 0, "Dee", {"Bob", "Cyd", "Dee"}},
      {'-', 2, "", {"Bob", "Dee"}},
      {'=', 2, "Deb", {"Bob", "Deb"}},
  };
  for (const Step& s : steps) {
    if (s.op == '+') a.addPerson(kDesk1, named(s.name));
    if (s.op == '=') a.savePerson(kDesk1, s.n, named(s.name));
    if (s.op == '-') a.removePerson(kDesk1, s.n, {});
    std::vector<std::string> read;
    for (int n = 1; n <= static_cast<int>(s.after.size()); ++n) read.push_back(lastName(a, n));
    EXPECT_EQ(read, s.after) << s.op << s.n << s.name;
    EXPECT_EQ(lastNames(b), s.after);
    EXPECT_EQ(a.count(DataFile::Names), static_cast<int>(s.after.size()));
  }
  a.removeCourse(kDesk1, 1, {});
  EXPECT_EQ(format::trim(a.course(1).CourseCode), "FW");
  a.users();
  for (const std::string last : {"Kim", "Lou"}) a.addUser(kDesk1, {0, "U", last, "", 1, ""});
  a.removeUser(kDesk1, 1);
  EXPECT_EQ(format::trim(a.user(1).LastName), "Lou");
  EXPECT_EQ(lastName(a, 2), "Deb");
  EXPECT_TRUE(a.exists(DataFile::Users));
}

// Two desks on one list: a number names what its desk last listed, at the version it last read.
TEST_F(Desks, ANumberNeverNamesAnotherRecordNorOverwritesAnotherDesksChange) {
  addPersons({"Ann", "Bob", "Cy", "Dee"});
  struct Step {
    Records* desk;
    char op;  // l list, r read, = save, - remove, + add
    int n;
    std::string refusedBy;  // "removed" for a record gone
  };
  const Step steps[] = {
      {&a, 'l', 0, ""},          {&a, 'r', 2, ""},
      {&b, 'l', 0, ""},          {&b, '=', 2, ""},  // Bob
      {&a, '=', 2, kDesk2.user}, {&a, '-', 2, kDesk2.user},
      {&b, '-', 1, ""},  // Ann; B's Bob is now 1
      {&a, '=', 3, ""},  // Cy, still 3 to A
      {&a, 'r', 1, "removed"},   {&a, '=', 1, "removed"},
      {&a, 'r', 2, ""},          {&a, '=', 2, ""},  // as read again
      {&b, '=', 1, kDesk1.user}, {&a, '-', 4, ""},  // Dee
      {&a, 'l', 0, ""},          {&b, '+', 0, ""},
      {&a, '+', 0, ""},  // A's 3; the server's 3 is B's
  };
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    const Step& s = steps[i];
    const std::int64_t lines = count(c1, "change_log");
    const auto& by = s.desk == &a ? kDesk1 : kDesk2;
    const std::string name = "s" + std::to_string(i);
    try {
      if (s.op == 'l') s.desk->persons();
      if (s.op == 'r') s.desk->person(s.n);
      if (s.op == '=') s.desk->savePerson(by, s.n, named(name));
      if (s.op == '-') s.desk->removePerson(by, s.n, {});
      if (s.op == '+') s.desk->addPerson(by, named(name));
      EXPECT_EQ(s.refusedBy, "") << "step " << i;
    } catch (const EditConflict& e) {
      EXPECT_EQ(e.wasRemoved() ? "removed" : e.user(), s.refusedBy) << "step " << i;
      EXPECT_EQ(count(c1, "change_log"), lines) << "step " << i;
    }
  }
  EXPECT_EQ(lastName(a, 3), "s16");
  EXPECT_EQ(lastNames(a), (std::vector<std::string>{"s11", "s7", "s15", "s16"}));
  EXPECT_EQ(count(c1, "change_log"), 4 + 7);
}

// A progress stopping a removal at its start or at its end takes all of it back.
TEST_F(Desks, AStoppedRemovalLeavesTheRecordAndItsNumber) {
  addPersons({"Ann", "Bob"});
  for (const int stopAt : {1, 2}) {
    int told = 0;
    const auto progress = [&](auto...) {
      if (++told == stopAt) throw store::WorkStopped();
    };
    EXPECT_THROW(a.removePerson(kDesk1, 1, progress), store::WorkStopped);
    EXPECT_EQ(lastName(a, 1), "Ann");
  }
}

// Training records are credited by list numbers, then edited and removed by the numbers trainingOf
// gave, each change landing on its own record, at the version its desk saw.
TEST_F(Desks, TrainingNumbersEditAndRemoveTheirOwnRecords) {
  addPersons({"Zed", "Ann", "Bob"});
  a.addCourse(kDesk1, {0, "FA", "First Aid", "", 2, ""});
  a.persons();
  a.removePerson(kDesk1, 1, {});
  a.credit(kDesk1, {1, {1, 2, 1}, 46000, "Passed"});  // Ann twice, Bob once
  const double ann = a.person(1).DateCreated, bob = a.person(2).DateCreated;
  const auto anns = a.trainingOf(ann, {});
  const auto bobs = b.trainingOf(bob, {});
  ASSERT_EQ(anns.size(), 2u);
  ASSERT_EQ(bobs.size(), 1u);
  b.trainingOf(ann, {});
  struct Step {
    Records* desk;
    std::int32_t n;
    std::string comments;
    std::string refusedBy;
  };
  const Step steps[] = {
      {&a, anns[1].n, "Renewed", ""},        {&b, anns[1].n, "Late", kDesk1.user},
      {&b, bobs[0].n, "Passed", ""},  // changes nothing
      {&a, bobs[0].n, "Bob's", ""},   // never listed by A: the version there now
      {&b, bobs[0].n, "Again", kDesk1.user},
  };
  for (const Step& s : steps) {
    try {
      s.desk->editTraining(s.desk == &a ? kDesk1 : kDesk2, s.n, "Ann", [&](std::span<char> bytes) {
        store::codec::putText(bytes, store::layout::training::Comments, s.comments);
        store::codec::putDouble(bytes, store::layout::training::PersonID, 1);  // links are kept
      });
      EXPECT_EQ(s.refusedBy, "") << s.comments;
    } catch (const EditConflict& e) {
      EXPECT_EQ(e.user(), s.refusedBy) << s.comments;
    }
  }
  a.removeTraining(kDesk1, anns[0].n, "Ann", {});
  const auto annsNow = b.trainingOf(ann, {});
  ASSERT_EQ(annsNow.size(), 1u);
  EXPECT_EQ(annsNow[0].n, anns[1].n);
  EXPECT_EQ(format::trim(annsNow[0].record.Comments), "Renewed");
  EXPECT_EQ(format::trim(b.trainingOf(bob, {})[0].record.Comments), "Bob's");
  EXPECT_EQ(count(c1, "change_log"), 5 + 3 + 2 + 1);
}

}  // namespace
}  // namespace vm::test
