// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/person_deletion.h"

#include <gtest/gtest.h>

#include "courses/course_files.h"
#include "names/name_bytes.h"
#include "support/fault_sweep.h"
#include "support/store_test.h"

using namespace vm;
using test::NameBytes;

namespace {

NameBytes person(double created, const std::string& first, const std::string& last) {
  NameBytes n;
  n.dateCreated = created;
  n.first = first;
  n.last = last;
  return n;
}

constexpr double kAnn = 41000.125, kBob = 41000.5;

const std::string kNames =
    test::nameList({person(kAnn, "Ann", "Smith"), person(kBob, "Bob", "Jones")});

std::string training(double person, const std::string& code) {
  return test::trainingRecord({40000, person, 1, code, "Course", "", 1, ""});
}

const std::string kTraining =
    training(kBob, "B1") + training(kAnn, "A1") + training(kBob, "B2") + training(kAnn, "A2");

struct PersonDeletionTest : test::StoreTest {};

}  // namespace

TEST_F(PersonDeletionTest, RemovingAPersonTakesTheirTrainingRecordsAndNoOneElses) {
  folder.write("Name.List", kNames);
  folder.write("Training.Records", kTraining);
  EXPECT_EQ(names::removePerson(table, vm::test::kAuthor, 1), 2);
  EXPECT_EQ(folder.read("Name.List"), kNames.substr(1000));
  EXPECT_EQ(folder.read("Training.Records"), training(kBob, "B1") + training(kBob, "B2"));

  // Bob has training records, and no file of them is left once he is gone.
  EXPECT_EQ(names::removePerson(table, vm::test::kAuthor, 1), 2);
  EXPECT_FALSE(folder.has("Name.List"));
  EXPECT_FALSE(folder.has("Training.Records"));
  EXPECT_FALSE(folder.has("TempFile.$$$"));
}

TEST_F(PersonDeletionTest, APersonWithoutTrainingRecordsLeavesThemAsTheyWere) {
  folder.write("Name.List", kNames);
  EXPECT_EQ(names::removePerson(table, vm::test::kAuthor, 2), 0);
  EXPECT_FALSE(folder.has("Training.Records"));
  folder.write("Training.Records", training(kBob, "B1"));
  folder.write("Name.List", kNames);
  EXPECT_EQ(names::removePerson(table, vm::test::kAuthor, 1), 0);
  EXPECT_EQ(folder.read("Training.Records"), training(kBob, "B1"));
}

// Whichever call fails, the next start finds both files as they were or both rewritten: never
// the person gone with training records of theirs left behind.
TEST(PersonDeletionFailures, EveryFaultLeavesBothFilesOldOrBothNew) {
  const auto count =
      test::sweepFaults({[](const test::TempFolder& folder) {
                           folder.write("Name.List", kNames);
                           folder.write("Training.Records", kTraining);
                         },
                         [](store::FileTable& table) {
                           EXPECT_EQ(names::removePerson(table, vm::test::kAuthor, 1), 2);
                         },
                         true});
  EXPECT_GT(count.powerCuts, 0);
}
