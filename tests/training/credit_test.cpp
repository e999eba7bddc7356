// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/credit.h"

#include <gtest/gtest.h>

#include "courses/course_files.h"
#include "names/name_bytes.h"
#include "support/fault_sweep.h"
#include "support/store_test.h"
#include "support/temp_folder.h"

using namespace vm;
using test::getDouble;
using test::getSingle;
using test::NameBytes;

namespace {

NameBytes person(double created, const std::string& first, const std::string& last) {
  NameBytes n;
  n.dateCreated = created;
  n.first = first;
  n.last = last;
  return n;
}

constexpr double kCourseId = 45000.25;
const std::string kOld = test::trainingRecord({40000, 1, 2, "OLD", "Old course", "", 2, ""});

void writeFiles(const test::TempFolder& folder) {
  folder.write("Course.Index",
               test::courseFile({{44000.5, "HEAD", "Heading", "", 0, ""},
                                 {kCourseId, "FA-01", "First Aid", "Red Cross", 2.5f, "not"}}));
  folder.write("Name.List",
               test::nameList({person(41000.125, "Ann", "Smith"), person(41000.5, "Bob", "Jones"),
                               person(41001.75, "Cy", "Brown")}));
  folder.write("Training.Records", kOld);
}

training::Credit threePersons() { return {2, {3, 1, 2}, 45123.0, "Passed\r\nwith merit"}; }

struct CreditTest : test::StoreTest {};

}  // namespace

TEST_F(CreditTest, CreditingThreePersonsAppendsThreeRecordsInTheOrderChosen) {
  writeFiles(folder);
  EXPECT_EQ(training::creditTraining(table, vm::test::kAuthor, threePersons()).DateCreated,
            kCourseId);

  const std::string file = folder.read("Training.Records");
  ASSERT_EQ(file.size(), 4u * 300);
  EXPECT_EQ(test::recordOf(file, 1), kOld);
  const double persons[] = {41001.75, 41000.125, 41000.5};
  for (int i = 0; i < 3; ++i) {
    const std::string rec = test::recordOf(file, i + 2);
    EXPECT_EQ(getDouble(rec, 0), 45123.0);
    EXPECT_EQ(getDouble(rec, 8), persons[i]);
    EXPECT_EQ(getDouble(rec, 16), kCourseId);
    EXPECT_EQ(rec.substr(24, 8), "FA-01   ");
    EXPECT_EQ(rec.substr(32, 50), std::string("First Aid") + std::string(41, ' '));
    EXPECT_EQ(rec.substr(82, 30), std::string("Red Cross") + std::string(21, ' '));
    EXPECT_EQ(getSingle(rec, 112), 2.5f);
    EXPECT_EQ(rec.substr(116, 184), std::string("Passed\r\nwith merit") + std::string(166, ' '));
  }
  EXPECT_FALSE(table.isOpen(store::DataFile::Training));
}

// Whichever call of the file system fails, Training.Records holds every new record or none.
TEST(CreditFailures, EveryFaultLeavesAllOrNoneOfTheRecords) {
  test::sweepFaults({writeFiles, [](store::FileTable& table) {
                       training::creditTraining(table, vm::test::kAuthor, threePersons());
                     }});
}
