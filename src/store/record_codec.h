// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

#include "store/data_files.h"
#include "store/records.h"

namespace vm::store {

// Conversion between each record type and its exact bytes on disk. `encode` fills the
// whole record (the span must be the record's length); `decode` reads it back.
template <typename Record>
struct RecordTraits;

template <>
struct RecordTraits<UserRecord> {
  static constexpr DataFile file = DataFile::Users;
  static void encode(const UserRecord& r, std::span<char> bytes);
  static UserRecord decode(std::span<const char> bytes);
};

template <>
struct RecordTraits<NameRecord> {
  static constexpr DataFile file = DataFile::Names;
  static void encode(const NameRecord& r, std::span<char> bytes);
  static NameRecord decode(std::span<const char> bytes);
};

template <>
struct RecordTraits<CourseRecord> {
  static constexpr DataFile file = DataFile::Courses;
  static void encode(const CourseRecord& r, std::span<char> bytes);
  static CourseRecord decode(std::span<const char> bytes);
};

template <>
struct RecordTraits<TrainingRecord> {
  static constexpr DataFile file = DataFile::Training;
  static void encode(const TrainingRecord& r, std::span<char> bytes);
  static TrainingRecord decode(std::span<const char> bytes);
};

template <>
struct RecordTraits<RenewalRecord> {
  static constexpr DataFile file = DataFile::Renewals;
  static void encode(const RenewalRecord& r, std::span<char> bytes);
  static RenewalRecord decode(std::span<const char> bytes);
};

// A record's exact bytes, and the record as they hold it (text padded or cut to its widths,
// characters the code page lacks as "?"): what a reader of the file will find.
template <typename Record>
std::string encoded(const Record& r) {
  std::string bytes(recordLength(RecordTraits<Record>::file), '\0');
  RecordTraits<Record>::encode(r, bytes);
  return bytes;
}

template <typename Record>
Record decoded(std::span<const char> bytes) {
  return RecordTraits<Record>::decode(bytes);
}

template <typename Record>
Record asStored(const Record& r) {
  return decoded<Record>(encoded(r));
}

}  // namespace vm::store
