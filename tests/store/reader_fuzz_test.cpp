// SPDX-License-Identifier: GPL-3.0-or-later
// Random and damaged bytes fed to everything that reads what another program may have written:
// the record readers and the lists built from them, the renewal periods, the logs, the date and
// number readers and texts, the Windows-1252 conversion, the journal and its checksum. Each
// input is read or refused with the error its reader names, and nothing else: no other
// exception, no crash, no hang, and (in the sanitizer build) no memory it should not touch. The
// cases are fixed by the seed, so a failure repeats.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "app/folder_records.h"
#include "courses/course_entry.h"
#include "courses/course_rows.h"
#include "format/automation_date.h"
#include "format/cp1252.h"
#include "format/date_parse.h"
#include "format/date_text.h"
#include "format/number_parse.h"
#include "format/number_text.h"
#include "names/name_list_rows.h"
#include "renewals/renewal_periods.h"
#include "store/change_log/change_entry.h"
#include "store/change_log/change_log_reader.h"
#include "store/journal_text.h"
#include "store/marker_file.h"
#include "store/record_codec.h"
#include "store/store_error.h"
#include "store/user_log/user_log.h"
#include "support/store_test.h"

using namespace vm;
using store::DataFile;

namespace {

constexpr int kCases = 3000;

// For readers that refuse nothing: any bytes are read.
struct NothingRefused {};

enum class Outcome { Read, Refused };

// Runs a reader on damaged input. It returns, or refuses with the error its contract names;
// anything else it throws fails the test.
template <typename Refusal, typename Read>
Outcome readOrRefuse(Read&& read) {
  try {
    read();
    return Outcome::Read;
  } catch (const Refusal&) {
    return Outcome::Refused;
  } catch (const std::exception& e) {
    ADD_FAILURE() << "an error the reader does not name: " << e.what();
  } catch (...) {
    ADD_FAILURE() << "something that is not an error was thrown";
  }
  return Outcome::Refused;
}

class Bytes {
 public:
  explicit Bytes(std::uint32_t seed) : random_(seed) {}

  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  // Bytes that a damaged or foreign file may hold: noise, runs of 0x00 and 0xFF, blanks.
  std::string noise(std::size_t length) {
    std::string s(length, ' ');
    const int style = below(4);
    for (char& c : s)
      c = style == 0   ? static_cast<char>(below(256))
          : style == 1 ? (below(2) ? '\0' : '\xFF')
          : style == 2 ? static_cast<char>(below(2) ? ' ' : below(256))
                       : static_cast<char>(32 + below(95));
    return s;
  }

  // A double that readers find hard: NaN, infinities, extremes, negative zero, denormals.
  double awkwardDouble() {
    constexpr double kAwkward[] = {std::numeric_limits<double>::quiet_NaN(),
                                   std::numeric_limits<double>::infinity(),
                                   -std::numeric_limits<double>::infinity(),
                                   std::numeric_limits<double>::max(),
                                   std::numeric_limits<double>::lowest(),
                                   std::numeric_limits<double>::denorm_min(),
                                   -0.0,
                                   1e300,
                                   -657435.5,
                                   2958466.0,
                                   45123.99999999};
    return below(3) == 0 ? std::bit_cast<double>(bits()) : kAwkward[below(std::size(kAwkward))];
  }

  // A sound record with some of its bytes, fields or flags damaged.
  std::string mutated(std::string record) {
    for (int n = 1 + below(4); n > 0; --n) {
      const std::size_t at = static_cast<std::size_t>(below(static_cast<int>(record.size())));
      switch (below(3)) {
        case 0:
          record[at] = static_cast<char>(below(256));
          break;
        case 1: {
          const double d = awkwardDouble();
          const std::size_t where = std::min(at, record.size() - 8);
          for (int i = 0; i < 8; ++i)
            record[where + i] = static_cast<char>(std::bit_cast<std::uint64_t>(d) >> (8 * i));
          break;
        }
        case 2: {
          const std::size_t n = std::min<std::size_t>(record.size() - at, 1 + below(40));
          record.replace(at, n, noise(n));
          break;
        }
      }
    }
    return record;
  }

  // Text as a user or another program might give it, often close to a sound date or number.
  std::string text() {
    static const std::vector<std::string> kSound = {
        "03/15/2004", "2004-03-15", "March 15, 2004", "15-mar-04", "2:30 pm",  "14:30:15",
        "1e308",      "-.5e-400",   "  12.5 hours",   "999",       "1E+999",   "0x1p3",
        "02/30/2005", "13/45/2004", "Feb. 29 2000",   ".",         "-",        "1e",
        "12:60",      "99999/1/1",  "00/00/0000",     "\xE9t\xE9", "\xC3\xA9", "\xF0\x9F\x98"};
    std::string s = kSound[static_cast<std::size_t>(below(static_cast<int>(kSound.size())))];
    if (below(2)) {
      const std::size_t at = static_cast<std::size_t>(below(static_cast<int>(s.size()) + 1));
      s.insert(at, noise(static_cast<std::size_t>(below(6))));
    }
    if (below(4) == 0) s = noise(static_cast<std::size_t>(below(60)));
    return s;
  }

 private:
  std::uint64_t bits() { return (std::uint64_t{random_()} << 32) | random_(); }
  std::mt19937 random_;
};

// Every text a list or report makes of a date or hours value.
void showNumbers(double date, float hours) {
  format::formatDate(date);
  format::formatTime(date);
  format::formatDateTimeAmPm(date);
  format::formatYyyymmdd(date);
  format::formatGeneralDateTime(date);
  format::generalNumber(date);
  format::formatOneDecimal(hours);
  format::formatPercent(date);
  format::shortestSingle(hours);
  format::toSingle(date);
  courses::hoursCell(hours);
  courses::courseIdValue(courses::courseIdText(date));
}

struct ReaderFuzz : test::StoreTest {};

}  // namespace

TEST_F(ReaderFuzz, RecordsOfAnyBytesAreReadAndListed) {
  Bytes bytes(20261208);
  store::CourseRecord course;
  course.CourseCode = "FA-01";
  course.Hours = 8.0f;
  store::NameRecord name;
  name.FirstName = "Ann";
  name.Active = store::kActive;
  const std::string soundCourse = store::encoded(course);
  const std::string soundName = store::encoded(name);
  const std::string soundUser = store::encoded(store::UserRecord{});
  const std::string soundTraining = store::encoded(store::TrainingRecord{});

  for (int i = 0; i < kCases; ++i) {
    SCOPED_TRACE("case " + std::to_string(i));
    const bool noise = bytes.below(3) == 0;
    const std::string u = noise ? bytes.noise(500) : bytes.mutated(soundUser);
    const std::string n = noise ? bytes.noise(1000) : bytes.mutated(soundName);
    const std::string c = noise ? bytes.noise(300) : bytes.mutated(soundCourse);
    const std::string t = noise ? bytes.noise(300) : bytes.mutated(soundTraining);
    const std::string r = noise ? bytes.noise(32) : bytes.mutated(std::string(32, '\0'));
    EXPECT_EQ(readOrRefuse<NothingRefused>([&] {
                const auto user = store::RecordTraits<store::UserRecord>::decode(u);
                const auto person = store::RecordTraits<store::NameRecord>::decode(n);
                const auto training = store::RecordTraits<store::TrainingRecord>::decode(t);
                const auto read = store::RecordTraits<store::CourseRecord>::decode(c);
                const auto period = store::RecordTraits<store::RenewalRecord>::decode(r);
                showNumbers(user.DateCreated, static_cast<float>(user.AccessLevel));
                showNumbers(person.DateCreated, static_cast<float>(person.Active));
                showNumbers(training.TrainingDate, training.Hours);
                showNumbers(training.PersonID, read.Hours);
                showNumbers(period.CourseID, static_cast<float>(period.Months));
                names::displayName(person.FirstName, person.MiddleName, person.LastName);
                courses::readHoursEntry(read.CourseName);
                // What was read is written back to the same width, whatever it held, and reads
                // back as it was read: a record passed through the program keeps its form.
                EXPECT_EQ(store::encoded(person).size(), 1000u);
                EXPECT_EQ(store::encoded(training).size(), 300u);
                EXPECT_EQ(store::encoded(store::asStored(user)), store::encoded(user));
                EXPECT_EQ(store::encoded(store::asStored(read)), store::encoded(read));
              }),
              Outcome::Read);
  }
}

// Files of any length and content are read whole; a file system that fails midway is refused
// with its StoreError, and nothing else.
TEST_F(ReaderFuzz, FilesOfAnyLengthAndContentAreListed) {
  Bytes bytes(4242);
  for (int i = 0; i < 200; ++i) {
    SCOPED_TRACE("case " + std::to_string(i));
    folder.write("Name.List", bytes.noise(static_cast<std::size_t>(bytes.below(5000))));
    folder.write("Course.Index", bytes.noise(static_cast<std::size_t>(bytes.below(2000))));
    folder.write("Course.Renewal", bytes.noise(static_cast<std::size_t>(bytes.below(400))));
    folder.write("Change.Log", bytes.noise(static_cast<std::size_t>(bytes.below(3000))));
    folder.write("User.Log", bytes.noise(static_cast<std::size_t>(bytes.below(3000))));
    const bool failing = i % 4 == 3;
    if (failing) fs.failCall(1 + bytes.below(12));
    const Outcome outcome = readOrRefuse<store::StoreError>([&] {
      app::FolderRecords records(table);
      EXPECT_EQ(names::nameEntries(records.persons()).size(),
                static_cast<std::size_t>(table.storedCount(DataFile::Names)));
      courses::courseRows(records.courses());
      renewals::periodsOf(records.renewalPeriods());
      // The user log reads back to its very bytes; the change log, line by line, into columns.
      const std::string log = store::readUserLogText(table);
      EXPECT_EQ(format::utf8ToCp1252(log), folder.read("User.Log"));
      store::ChangeLogReader reader(fs, (folder / "Change.Log").string(), 512);
      reader.readOlder([](std::string_view line, store::LinePlace) {
        store::parseChangeLine(line);
        return true;
      });
      EXPECT_TRUE(reader.atStart());
    });
    // Only a failing disk refuses (a failed close after reading is not reported at all).
    EXPECT_TRUE(outcome == Outcome::Read || (failing && fs.faultReached()));
    fs.clearFaults();
    table.closeAll();
  }
}

TEST(TextFuzz, DatesNumbersAndCodePagesReadAnyText) {
  Bytes bytes(1899);
  for (int i = 0; i < kCases * 4; ++i) {
    const std::string s = bytes.text();
    SCOPED_TRACE(s);
    if (const auto date = format::parseDate(s)) {
      EXPECT_TRUE(format::parseDate(format::formatGeneralDateTime(format::toAutomationDate(*date))))
          << "a date read does not read back";
    }
    format::isNumeric(s);
    showNumbers(format::leadingNumber(s), static_cast<float>(format::leadingNumber(s)));
    const std::string utf8 = format::cp1252ToUtf8(s);
    EXPECT_EQ(format::utf8ToCp1252(utf8).size(), s.size());  // one byte per character, always
    format::utf8ToCp1252(s);
  }
}

// A damaged journal is refused or read as a journal that writes and reads back the same; behind its
// checksum, no damage is obeyed at all.
TEST(TextFuzz, DamagedJournalsAreRefusedOrReadWhole) {
  Bytes bytes(1);
  const std::string sound = store::journalText(
      {{store::PutRecord{DataFile::Courses, 2, std::string(300, 'c')},
        store::AppendRecords{DataFile::Names, {}, 4, 5},
        store::RemoveRecord{DataFile::Names, 5, 120},
        store::DropLinked{DataFile::Training, 8, 45123.5, 9},
        store::PatchLinked{DataFile::Training, 16, 45100.5, 24, std::string(92, 'x')}},
       77,
       {{store::Tally::TrainingUpdated, 4, "12/08/2026 10:30:00\tDana Demo\tcourse change"}}});
  const std::string checked = store::checkedText(sound);
  for (int i = 0; i < kCases; ++i) {
    const bool behindChecksum = i % 2 == 1;
    std::string text = behindChecksum ? checked : sound;
    if (bytes.below(2)) {
      text.resize(static_cast<std::size_t>(bytes.below(static_cast<int>(text.size()))));
    } else {
      text[static_cast<std::size_t>(bytes.below(static_cast<int>(text.size())))] =
          static_cast<char>(bytes.below(256));
    }
    SCOPED_TRACE(text);
    EXPECT_EQ(readOrRefuse<NothingRefused>([&] {
                if (const auto journal = store::parseJournal(text)) {
                  const std::string again = store::journalText(*journal);
                  const auto reread = store::parseJournal(again);
                  ASSERT_TRUE(reread.has_value());
                  EXPECT_EQ(store::journalText(*reread), again);
                }
                const store::FoundMarker found =
                    store::judgeMarkerBytes(text, store::kJournalHeader);
                if (behindChecksum && text != checked) {
                  EXPECT_NE(found.found, store::Found::Checked);
                }
              }),
              Outcome::Read);
  }
}
