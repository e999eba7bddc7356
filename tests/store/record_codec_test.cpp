// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/record_codec.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <string>

using namespace vm::store;

namespace {

// Expected bytes are built from offsets written out here, independently of the layout
// constants, so a wrong constant cannot agree with itself.
std::string blank(std::size_t n) { return std::string(n, '\0'); }

void place(std::string& rec, std::size_t offset, const std::string& text, std::size_t width) {
  std::string field = text.substr(0, width);
  field.resize(width, ' ');
  rec.replace(offset, width, field);
}

void placeDouble(std::string& rec, std::size_t offset, double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  for (int i = 0; i < 8; ++i) rec[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

void placeSingle(std::string& rec, std::size_t offset, float v) {
  const auto bits = std::bit_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) rec[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

void placeInt16(std::string& rec, std::size_t offset, std::int16_t v) {
  rec[offset] = static_cast<char>(v & 0xFF);
  rec[offset + 1] = static_cast<char>((static_cast<std::uint16_t>(v) >> 8) & 0xFF);
}

template <typename R>
std::string encoded(const R& r, std::size_t length) {
  std::string bytes(length, '\x55');
  RecordTraits<R>::encode(r, std::span<char>(bytes.data(), bytes.size()));
  return bytes;
}

template <typename R>
R decoded(const std::string& bytes) {
  return RecordTraits<R>::decode(std::span<const char>(bytes.data(), bytes.size()));
}

}  // namespace

TEST(RecordCodec, UserRecordMatchesTheLayoutByteForByte) {
  const UserRecord u{38426.5, "Ann", "O'Neil", "x1a2b3c4", 3, "Supervisor"};
  std::string want = blank(500);
  placeDouble(want, 0, 38426.5);
  place(want, 8, "Ann", 15);
  place(want, 23, "O'Neil", 20);
  place(want, 43, "x1a2b3c4", 16);
  placeInt16(want, 59, 3);
  place(want, 61, "Supervisor", 439);
  EXPECT_EQ(encoded(u, 500), want);

  const UserRecord back = decoded<UserRecord>(want);
  EXPECT_EQ(back.FirstName, "Ann" + std::string(12, ' '));  // full width, padding kept
  EXPECT_EQ(back.AccessLevel, 3);
  EXPECT_EQ(back.DateCreated, 38426.5);
}

TEST(RecordCodec, NameRecordMatchesTheLayoutByteForByte) {
  const NameRecord n{40000.25, "Zoë", "Q", "Müller", "Fire Dept", "E-17", "note", kActive};
  std::string want = blank(1000);
  placeDouble(want, 0, 40000.25);
  place(want, 8, "Zo\xEB", 15);
  place(want, 23, "Q", 15);
  place(want, 38, "M\xFCller", 20);
  place(want, 58, "Fire Dept", 30);
  place(want, 88, "E-17", 20);
  place(want, 108, "note", 890);
  placeInt16(want, 998, -1);
  EXPECT_EQ(encoded(n, 1000), want);
  EXPECT_EQ(static_cast<unsigned char>(want[998]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(want[999]), 0xFF);

  const NameRecord back = decoded<NameRecord>(want);
  EXPECT_EQ(back.FirstName.substr(0, 5), "Zoë ");
  EXPECT_EQ(back.Active, -1);
}

TEST(RecordCodec, CourseAndTrainingRecordsMatchTheLayoutByteForByte) {
  const CourseRecord c{39000.0, "FIR-0001", "Fire Safety", "State Academy", 2.5f, "yearly"};
  std::string want = blank(300);
  placeDouble(want, 0, 39000.0);
  place(want, 8, "FIR-0001", 8);
  place(want, 16, "Fire Safety", 50);
  place(want, 66, "State Academy", 30);
  placeSingle(want, 96, 2.5f);
  place(want, 100, "yearly", 200);
  EXPECT_EQ(encoded(c, 300), want);
  EXPECT_EQ(decoded<CourseRecord>(want).Hours, 2.5f);

  const TrainingRecord t{39100.0,       40000.25,        39000.0, "FIR-0001",
                         "Fire Safety", "State Academy", 2.5f,    "passed"};
  std::string wantT = blank(300);
  placeDouble(wantT, 0, 39100.0);
  placeDouble(wantT, 8, 40000.25);
  placeDouble(wantT, 16, 39000.0);
  place(wantT, 24, "FIR-0001", 8);
  place(wantT, 32, "Fire Safety", 50);
  place(wantT, 82, "State Academy", 30);
  placeSingle(wantT, 112, 2.5f);
  place(wantT, 116, "passed", 184);
  EXPECT_EQ(encoded(t, 300), wantT);
  const TrainingRecord back = decoded<TrainingRecord>(wantT);
  EXPECT_EQ(back.PersonID, 40000.25);
  EXPECT_EQ(back.CourseID, 39000.0);
}

TEST(RecordCodec, LongTextIsCutToItsFieldAndUnmappableCharactersBecomeQuestionMarks) {
  CourseRecord c;
  c.CourseCode = "ABCDEFGHIJ";
  c.CourseName = "Łódź safety";
  const std::string bytes = encoded(c, 300);
  EXPECT_EQ(bytes.substr(8, 8), "ABCDEFGH");
  EXPECT_EQ(bytes.substr(16, 11),
            "?\xF3"
            "d? safety");
  EXPECT_EQ(bytes[27], ' ');
  EXPECT_EQ(bytes.substr(16 + 50, 1), " ");  // the name did not spill into ProvidedBy
}
