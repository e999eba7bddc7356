// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

// Course.Index, Training.Records and Course.Renewal files as another program writes them: records
// built from offsets written out here, independently of the program's layout constants.
namespace vm::test {

inline void putText(std::string& rec, std::size_t offset, const std::string& text,
                    std::size_t width) {
  std::string field = text.substr(0, width);
  field.resize(width, ' ');
  rec.replace(offset, width, field);
}

inline void putDouble(std::string& rec, std::size_t offset, double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  for (int i = 0; i < 8; ++i) rec[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

inline void putSingle(std::string& rec, std::size_t offset, float v) {
  const auto bits = std::bit_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) rec[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

inline float getSingle(const std::string& rec, std::size_t offset) {
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i)
    bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(rec[offset + i])) << (8 * i);
  return std::bit_cast<float>(bits);
}

inline double getDouble(const std::string& rec, std::size_t offset) {
  std::uint64_t bits = 0;
  for (int i = 0; i < 8; ++i)
    bits |= static_cast<std::uint64_t>(static_cast<unsigned char>(rec[offset + i])) << (8 * i);
  return std::bit_cast<double>(bits);
}

struct CourseBytes {
  double created = 0;
  std::string code, name, provider;
  float hours = 0;
  std::string comments;
};

// One 300-byte Course.Index record (Windows-1252 text as given).
inline std::string courseRecord(const CourseBytes& c) {
  std::string rec(300, '\0');
  putDouble(rec, 0, c.created);
  putText(rec, 8, c.code, 8);
  putText(rec, 16, c.name, 50);
  putText(rec, 66, c.provider, 30);
  putSingle(rec, 96, c.hours);
  putText(rec, 100, c.comments, 200);
  return rec;
}

inline std::string courseFile(const std::vector<CourseBytes>& courses) {
  std::string bytes;
  for (const CourseBytes& c : courses) bytes += courseRecord(c);
  return bytes;
}

struct TrainingBytes {
  double date = 0, person = 0, course = 0;
  std::string code, name, provider;
  float hours = 0;
  std::string comments;
};

// One 300-byte Training.Records record.
inline std::string trainingRecord(const TrainingBytes& t) {
  std::string rec(300, '\0');
  putDouble(rec, 0, t.date);
  putDouble(rec, 8, t.person);
  putDouble(rec, 16, t.course);
  putText(rec, 24, t.code, 8);
  putText(rec, 32, t.name, 50);
  putText(rec, 82, t.provider, 30);
  putSingle(rec, 112, t.hours);
  putText(rec, 116, t.comments, 184);
  return rec;
}

// One 32-byte Course.Renewal record: the course's DateCreated at 0, the months as a little-endian
// 16-bit integer at 8, and 22 bytes of room filled with `room`.
inline std::string renewalRecord(double course, int months, char room = '\0') {
  std::string rec(32, room);
  putDouble(rec, 0, course);
  rec[8] = static_cast<char>(months & 0xFF);
  rec[9] = static_cast<char>((months >> 8) & 0xFF);
  return rec;
}

// Record n (1-based) of a file's bytes.
inline std::string recordOf(const std::string& file, int n) {
  return file.substr(static_cast<std::size_t>(n - 1) * 300, 300);
}

}  // namespace vm::test
