// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/name_list_rows.h"

#include <gtest/gtest.h>

#include "app/folder_records.h"
#include "names/name_bytes.h"
#include "store/posix_file_system.h"
#include "support/temp_folder.h"

using namespace vm::names;
using vm::test::NameBytes;

namespace {

std::vector<NameEntry> entriesOf(const std::string& file) {
  vm::test::TempFolder folder;
  folder.write("Name.List", file);
  vm::store::PosixFileSystem fs;
  vm::store::FileTable files(fs, folder.str());
  return nameEntries(vm::app::FolderRecords(files).persons());
}

}  // namespace

TEST(NameListRows, ReadsForeignRecordsIntoTrimmedNamesKeysAndStamps) {
  const auto entries = entriesOf(vm::test::nameList({
      {38000.5, "Carl", "Dean", "Lee", "  Operations", "E1", "note", -1},
      {38001.25, "  ann ", "", "lee", "", "", "", 0},
      // Windows-1252 é and ñ
      {45000, "Jos\xE9", "",
       "Ib\xE1\xF1"
       "ez",
       "Almac\xE9n", "", "", 7},
  }));
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].recNum, 1);
  EXPECT_EQ(entries[0].name, "Carl Dean Lee");
  EXPECT_EQ(entries[0].sortKey, "Lee Dean Carl");
  EXPECT_EQ(entries[0].organization, "Operations");
  EXPECT_EQ(entries[0].dateCreated, 38000.5);
  EXPECT_EQ(entries[0].active, -1);
  EXPECT_EQ(entries[1].name, "ann lee");
  EXPECT_EQ(entries[1].sortKey, "lee ann");
  EXPECT_EQ(entries[1].dateCreated, 38001.25);
  EXPECT_EQ(entries[2].name, "José Ibáñez");
  EXPECT_EQ(entries[2].organization, "Almacén");
  EXPECT_EQ(entries[2].active, 7);
  EXPECT_EQ(entries[2].recNum, 3);
}

TEST(NameListRows, OddActiveValuesCountAsInactiveButAreListedOnlyUnderAll) {
  const std::vector<NameEntry> oddOnly = {{1, 1, "", "", 0, ""}};
  const auto c = availableChoices(oddOnly);
  EXPECT_FALSE(c.active);
  EXPECT_TRUE(c.inactive);
  EXPECT_FALSE(c.all());
  EXPECT_FALSE(isListedUnder(NameDisplay::Active, 1));
  EXPECT_FALSE(isListedUnder(NameDisplay::Inactive, 1));
  EXPECT_TRUE(isListedUnder(NameDisplay::All, 1));
  EXPECT_TRUE(isListedUnder(NameDisplay::Active, -1));
  EXPECT_TRUE(isListedUnder(NameDisplay::Inactive, 0));

  const std::vector<NameEntry> both = {{1, -1, "", "", 0, ""}, {2, 0, "", "", 0, ""}};
  EXPECT_TRUE(availableChoices(both).all());
}

TEST(NameListRows, TheFirstRefreshPrefersActiveAndLaterOnesKeepTheChoiceWhileItHasPeople) {
  const DisplayChoices both{true, true}, activeOnly{true, false}, inactiveOnly{false, true};
  EXPECT_EQ(chooseDisplay(both, NameDisplay::All, true), NameDisplay::Active);
  EXPECT_EQ(chooseDisplay(inactiveOnly, NameDisplay::Active, true), NameDisplay::Inactive);

  EXPECT_EQ(chooseDisplay(both, NameDisplay::All, false), NameDisplay::All);
  EXPECT_EQ(chooseDisplay(both, NameDisplay::Inactive, false), NameDisplay::Inactive);
  // The last inactive person made active: back to the active ones.
  EXPECT_EQ(chooseDisplay(activeOnly, NameDisplay::Inactive, false), NameDisplay::Active);
  EXPECT_EQ(chooseDisplay(activeOnly, NameDisplay::All, false), NameDisplay::Active);
  // The last active person made inactive.
  EXPECT_EQ(chooseDisplay(inactiveOnly, NameDisplay::Active, false), NameDisplay::Inactive);
}
