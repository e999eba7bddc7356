#include "store/journal_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vm::store;

TEST(JournalText, StepsReadBackExactly) {
  const std::string patch(
      "\x00\xFF"
      "FA-02   First Aid \x7F\n",
      22);
  const std::vector<WorkStep> steps = {
      RemoveRecord{DataFile::Names, 5, 120}, DropLinked{DataFile::Training, 8, 45123.512345678901},
      PatchLinked{DataFile::Training, 16, std::nextafter(45100.5, 1e9), 24, patch}};
  const std::string text = journalText(steps);
  EXPECT_EQ(text.substr(0, 49), "Verdimark unfinished work\nremove Name.List 5 120\n");
  EXPECT_TRUE(text.ends_with("\nend\n"));

  const auto read = parseJournal(text);
  ASSERT_TRUE(read.has_value());
  ASSERT_EQ(read->size(), 3u);
  const auto& remove = std::get<RemoveRecord>((*read)[0]);
  EXPECT_EQ(remove.file, DataFile::Names);
  EXPECT_EQ(remove.record, 5);
  EXPECT_EQ(remove.countBefore, 120);
  EXPECT_EQ(std::get<DropLinked>((*read)[1]).key, 45123.512345678901);
  const auto& p = std::get<PatchLinked>((*read)[2]);
  EXPECT_EQ(p.key, std::nextafter(45100.5, 1e9));
  EXPECT_EQ(p.offset, 24u);
  EXPECT_EQ(p.patch, patch);
  EXPECT_TRUE(parseJournal(journalText({}))->empty());
}

TEST(JournalText, AnythingButAWholeJournalOfKnownStepsIsRefused) {
  const std::string head = "Verdimark unfinished work\n";
  for (const std::string& text : std::vector<std::string>{
           std::string(),
           head,                                         // cut short: no end
           head + "remove Name.List 5 120\n",            // likewise
           head + "remove Name.List 5 120\nend",         // last line unfinished
           "Someone else's file\nend\n",                 // not a journal
           head + "shred Name.List 5 120\nend\n",        // unknown step
           head + "remove Names.txt 5 120\nend\n",       // unknown file
           head + "remove Name.List 0 120\nend\n",       // no record 0
           head + "remove Name.List 5\nend\n",           // a number missing
           head + "remove Name.List 5x 120\nend\n",      // not a number
           head + "drop Training.Records 296 7\nend\n",  // link beyond the record
           head + "patch Training.Records 16 7 290 0011223344556677889900\nend\n",  // too long
           head + "patch Training.Records 16 7 24 ABC\nend\n",  // odd hexadecimal
           head + "patch Training.Records 16 7 24 zz\nend\n",   // not hexadecimal
           head + "end\nremove Name.List 5 120\nend\n",         // an end in the middle
       }) {
    EXPECT_FALSE(parseJournal(text).has_value()) << text;
  }
}
