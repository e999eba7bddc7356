// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/field_edit.h"

#include <gtest/gtest.h>

#include "courses/course_files.h"
#include "support/fault_sweep.h"
#include "support/store_test.h"
#include "support/temp_folder.h"

using namespace vm;
using training::EditField;
using training::refuseAnswer;

namespace {

struct Case {
  EditField field;
  std::string answer;
  std::optional<std::string> complaint;  // nothing: accepted
};

const std::string kTooMany = "is too many characters\n(limited to ";

struct FieldEditTest : test::StoreTest {};

}  // namespace

TEST(FieldEdit, AnswersAreAcceptedOrRefusedWithTheItemsComplaint) {
  const Case cases[] = {
      {EditField::Date, "02/03/2004", std::nullopt},
      {EditField::Date, "March 5, 2004", std::nullopt},
      {EditField::Date, "13/45/2004", "is an unreadable date entry."},
      {EditField::Date, "02/30/2005", "is an unreadable date entry."},
      {EditField::Code, "ABCDEFGH", std::nullopt},
      {EditField::Code, "ABCDEFGHI", kTooMany + "8 characters)"},
      {EditField::Code, "$Killed$", "marks removed records\n(it cannot be a Course Code)"},
      {EditField::Code, "\xC3\xA9t\xC3\xA9-2024", std::nullopt},  // 8 characters, 10 bytes
      {EditField::Name, std::string(50, 'n'), std::nullopt},
      {EditField::Name, std::string(51, 'n'), kTooMany + "50 characters)"},
      {EditField::Provider, std::string(30, 'p'), std::nullopt},
      {EditField::Provider, std::string(31, 'p'), kTooMany + "30 characters)"},
      {EditField::Hours, "1", std::nullopt},
      {EditField::Hours, "999", std::nullopt},
      {EditField::Hours, "40", std::nullopt},
      {EditField::Hours, "2.5e1", std::nullopt},
      {EditField::Hours, "0.5", "is an improbable 'Hours' entry"},
      {EditField::Hours, "1000", "is an improbable 'Hours' entry"},
      {EditField::Hours, "999.5", "is an improbable 'Hours' entry"},
      {EditField::Hours, "12 hours", "is an improbable 'Hours' entry"},
      {EditField::Hours, "abc", "is an improbable 'Hours' entry"},
  };
  for (const Case& c : cases) {
    const auto refused = refuseAnswer(c.field, c.answer);
    if (c.complaint) {
      EXPECT_EQ(refused, c.answer + "\n\n" + *c.complaint) << c.answer;
    } else {
      EXPECT_FALSE(refused) << c.answer;
    }
  }
}

TEST(FieldEdit, PromptsNameTheItemWithoutItsLeadingDots) {
  EXPECT_EQ(training::editPrompt(EditField::Code),
            "Below, enter your changes for\nthe Course Code of this training record.\n\n"
            "or press the <Cancel> key at right\nto cancel this edit operation.");
  EXPECT_EQ(training::editPrompt(EditField::Date),
            "Below, enter your changes for\nthe date the training was received....\n\n"
            "or press the <Cancel> key at right\nto cancel this edit operation.");
}

TEST_F(FieldEditTest, FieldEditsRewriteOnlyTheirFieldOfTheirRecord) {
  const std::string a = test::trainingRecord({40000, 1, 2, "A", "Name A", "Prov", 2, "c\x81"});
  const std::string b = test::trainingRecord({40001, 1, 2, "B", "Name B", "Prov", 2, "d"});
  folder.write("Training.Records", a + b);
  training::editTraining(table, vm::test::kAuthor, 2, "Ann Lee",
                         training::fieldEdit(EditField::Date, "02/03/2004"));
  training::editTraining(table, vm::test::kAuthor, 2, "Ann Lee",
                         training::fieldEdit(EditField::Code, "NEW"));
  training::editTraining(table, vm::test::kAuthor, 2, "Ann Lee",
                         training::fieldEdit(EditField::Name, "Renamed"));
  training::editTraining(table, vm::test::kAuthor, 2, "Ann Lee",
                         training::fieldEdit(EditField::Provider, "Someone"));
  training::editTraining(table, vm::test::kAuthor, 2, "Ann Lee",
                         training::fieldEdit(EditField::Hours, "40"));
  training::editTraining(table, vm::test::kAuthor, 2, "Ann Lee",
                         training::commentsEdit("Line one\r\nline two"));

  const std::string file = folder.read("Training.Records");
  EXPECT_EQ(test::recordOf(file, 1), a);
  const std::string expected =
      test::trainingRecord({38020, 1, 2, "NEW", "Renamed", "Someone", 40, "Line one\r\nline two"});
  EXPECT_EQ(test::recordOf(file, 2), expected);
}

// Whichever call fails, a field edit or a comment save leaves the record as it was or changed.
TEST(FieldEditFailures, EveryFaultLeavesTheRecordWholeOrChanged) {
  const auto setUp = [](const test::TempFolder& folder) {
    folder.write("Training.Records", test::trainingRecord({40000, 1, 2, "A", "N", "P", 2, "c"}));
  };
  test::sweepFaults({setUp, [](store::FileTable& table) {
                       training::editTraining(table, vm::test::kAuthor, 1, "Ann Lee",
                                              training::fieldEdit(EditField::Hours, "40"));
                     }});
  test::sweepFaults({setUp, [](store::FileTable& table) {
                       training::editTraining(table, vm::test::kAuthor, 1, "Ann Lee",
                                              training::commentsEdit("new"));
                     }});
}
