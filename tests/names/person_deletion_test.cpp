#include "names/person_deletion.h"

#include <gtest/gtest.h>

#include "courses/course_files.h"
#include "names/name_bytes.h"
#include "support/failing_file_system.h"
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
  EXPECT_EQ(names::removePerson(table, 1), 2);
  EXPECT_EQ(folder.read("Name.List"), kNames.substr(1000));
  EXPECT_EQ(folder.read("Training.Records"), training(kBob, "B1") + training(kBob, "B2"));

  // Bob has training records, and no file of them is left once he is gone.
  EXPECT_EQ(names::removePerson(table, 1), 2);
  EXPECT_FALSE(folder.has("Name.List"));
  EXPECT_FALSE(folder.has("Training.Records"));
  EXPECT_FALSE(folder.has("TempFile.$$$"));
}

TEST_F(PersonDeletionTest, APersonWithoutTrainingRecordsLeavesThemAsTheyWere) {
  folder.write("Name.List", kNames);
  EXPECT_EQ(names::removePerson(table, 2), 0);
  EXPECT_FALSE(folder.has("Training.Records"));
  folder.write("Training.Records", training(kBob, "B1"));
  folder.write("Name.List", kNames);
  EXPECT_EQ(names::removePerson(table, 1), 0);
  EXPECT_EQ(folder.read("Training.Records"), training(kBob, "B1"));
}

TEST(PersonLinks, AreMatchedAsTheirGeneralNumberTexts) {
  EXPECT_TRUE(names::samePerson(kAnn, kAnn));
  EXPECT_TRUE(names::samePerson(45123.45678901231, 45123.45678901234));  // alike to 15 digits
  EXPECT_FALSE(names::samePerson(45123.4567890123, 45123.4567890124));
  EXPECT_FALSE(names::samePerson(kAnn, kBob));
}

// Whichever call fails, the person is never gone while training records of theirs remain, and
// removing the person again finishes the work.
TEST(PersonDeletionFailures, NoFailureLeavesTrainingRecordsOfNobody) {
  const std::string annGone = training(kBob, "B1") + training(kBob, "B2");
  for (int k = 1;; ++k) {
    test::TempFolder folder;
    folder.write("Name.List", kNames);
    folder.write("Training.Records", kTraining);
    test::FailingFileSystem fs;
    fs.failAt(k);
    store::FileTable table(fs, folder.str());
    bool failed = false;
    try {
      names::removePerson(table, 1);
    } catch (const store::StoreError&) {
      failed = true;
    }
    const std::string names = folder.read("Name.List");
    const std::string records = folder.read("Training.Records");
    EXPECT_TRUE(records == kTraining || records == annGone) << "failure at call " << k;
    if (names != kNames) {
      EXPECT_EQ(names, kNames.substr(1000)) << "failure at call " << k;
      EXPECT_EQ(records, annGone) << "failure at call " << k;
    }
    if (!failed) break;
    fs.failAt(0);
    names::removePerson(table, 1);
    EXPECT_EQ(folder.read("Name.List"), kNames.substr(1000));
    EXPECT_EQ(folder.read("Training.Records"), annGone);
  }
}
