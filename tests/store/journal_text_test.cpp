// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/journal_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vm::store;

TEST(JournalText, StepsAndOwedLinesReadBackExactly) {
  const std::string patch(
      "\x00\xFF"
      "FA-02   First Aid \x7F\n",
      22);
  std::string record(1000, ' ');
  record[0] = '\0';
  record[999] = '\xFF';
  Journal journal;
  journal.steps = {PutRecord{DataFile::Names, 3, record},
                   AppendRecords{DataFile::Training, {}, 120, 123},
                   RemoveRecord{DataFile::Names, 5, 120},
                   DropLinked{DataFile::Training, 8, 45123.512345678901, 450},
                   PatchLinked{DataFile::Training, 16, std::nextafter(45100.5, 1e9), 24, patch}};
  journal.logAt = 18312;
  journal.lines = {{Tally::None, 0, "12/08/2026 10:30:00\tDana Demo\tperson added\tAnn \xC9lise\t"},
                   {Tally::TrainingRemoved, 3, "a line  with  blanks\tand tabs"}};
  const std::string text = journalText(journal);
  EXPECT_TRUE(text.starts_with("Verdimark unfinished work\nput Name.List 3 00202020"));
  EXPECT_NE(text.find("\nappend Training.Records 120 123\nremove Name.List 5 120\n"),
            std::string::npos);
  EXPECT_NE(text.find("\nlog 18312\nline none 0 12/08/2026 10:30:00\tDana Demo"),
            std::string::npos);
  EXPECT_TRUE(text.ends_with("\nline removed 3 a line  with  blanks\tand tabs\nend\n"));

  const auto read = parseJournal(text);
  ASSERT_TRUE(read.has_value());
  ASSERT_EQ(read->steps.size(), 5u);
  const auto& put = std::get<PutRecord>(read->steps[0]);
  EXPECT_EQ(put.record, 3);
  EXPECT_EQ(put.bytes, record);
  const auto& append = std::get<AppendRecords>(read->steps[1]);
  EXPECT_EQ(append.countBefore, 120);
  EXPECT_EQ(append.countAfter, 123);
  EXPECT_TRUE(append.bytes.empty());  // an addition is found whole or cut back, never redone
  const auto& remove = std::get<RemoveRecord>(read->steps[2]);
  EXPECT_EQ(remove.file, DataFile::Names);
  EXPECT_EQ(remove.record, 5);
  EXPECT_EQ(remove.countBefore, 120);
  EXPECT_EQ(std::get<DropLinked>(read->steps[3]).key, 45123.512345678901);
  EXPECT_EQ(std::get<DropLinked>(read->steps[3]).countBefore, 450);
  const auto& p = std::get<PatchLinked>(read->steps[4]);
  EXPECT_EQ(p.key, std::nextafter(45100.5, 1e9));
  EXPECT_EQ(p.offset, 24u);
  EXPECT_EQ(p.patch, patch);
  EXPECT_EQ(read->logAt, 18312u);
  ASSERT_EQ(read->lines.size(), 2u);
  EXPECT_EQ(read->lines[0].text, journal.lines[0].text);
  EXPECT_EQ(read->lines[1].tally, Tally::TrainingRemoved);
  EXPECT_EQ(read->lines[1].step, 3u);
  EXPECT_EQ(read->lines[1].text, journal.lines[1].text);
  EXPECT_TRUE(parseJournal(journalText({}))->steps.empty());
}

TEST(JournalText, AWholeFileReadsBackAndNoRecordsMeanNoFile) {
  const std::string records = std::string(31, '\x01') + '\xFE' + std::string(32, 'r');
  const Journal journal{{ReplaceFile{DataFile::Renewals, records}, ReplaceFile{DataFile::Names}}};
  const std::string text = journalText(journal);
  EXPECT_NE(text.find("\nreplace Course.Renewal 010101"), std::string::npos);
  EXPECT_NE(text.find("\nreplace Name.List\nend\n"), std::string::npos);
  const auto read = parseJournal(text);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(std::get<ReplaceFile>(read->steps[0]).bytes, records);
  EXPECT_EQ(std::get<ReplaceFile>(read->steps[1]).file, DataFile::Names);
  EXPECT_TRUE(std::get<ReplaceFile>(read->steps[1]).bytes.empty());
}

// A journal an older build left, before the count of a person's training records was written
// down and before work owed lines, is still finished.
TEST(JournalText, AnOlderJournalIsReadWithoutCountsOrLines) {
  const auto read = parseJournal(
      "Verdimark unfinished work\ndrop Training.Records 8 45123.5\nremove Name.List 2 3\nend\n");
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(std::get<DropLinked>(read->steps[0]).countBefore, -1);
  EXPECT_TRUE(read->lines.empty());
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
           head + "put Course.Index 2 0011\nend\n",             // not a whole record
           head + "replace Course.Renewal 0011\nend\n",         // not whole records
           head + "replace Course.Renewal 00 11\nend\n",        // a word too many
           head + "append Name.List 5 5\nend\n",                // adds nothing
           head + "line none 0 owed before the log\nend\n",     // where would it go?
           head + "log 10\nline removed 0 counts a step that is not there\nend\n",
           head + "log 10\nline guessed 0 unknown tally\nend\n",
           head + "log 10\nline none 0 a\rb\nend\n",        // a line break
           head + "log 10\nremove Name.List 5 120\nend\n",  // a step after the log
           head + "log 10\nlog 11\nline none 0 x\nend\n",   // two logs
           head + "log 1x\nline none 0 x\nend\n",           // not a length
       }) {
    EXPECT_FALSE(parseJournal(text).has_value()) << text;
  }
}
