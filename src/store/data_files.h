// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vm::store {

// The record files. Their names are fixed; they sit side by side in the data folder. The renewal
// periods are the one file the others never depend on: a folder without it has no periods.
enum class DataFile { Users, Names, Courses, Training, Renewals };

inline constexpr std::array<DataFile, 5> kRecordFiles = {
    DataFile::Users, DataFile::Names, DataFile::Courses, DataFile::Training, DataFile::Renewals};

constexpr std::string_view fileName(DataFile f) {
  switch (f) {
    case DataFile::Users:
      return "User.List";
    case DataFile::Names:
      return "Name.List";
    case DataFile::Courses:
      return "Course.Index";
    case DataFile::Training:
      return "Training.Records";
    case DataFile::Renewals:
      return "Course.Renewal";
  }
  return {};
}

constexpr std::size_t recordLength(DataFile f) {
  switch (f) {
    case DataFile::Users:
      return 500;
    case DataFile::Names:
      return 1000;
    case DataFile::Courses:
      return 300;
    case DataFile::Training:
      return 300;
    case DataFile::Renewals:
      return 32;
  }
  return 0;
}

// Users, persons and courses (and so the courses' periods) are counted in 16 bits; training
// records in 32 bits.
constexpr std::int32_t maxRecords(DataFile f) {
  return f == DataFile::Training ? 2147483647 : 32767;
}

inline constexpr std::string_view kUserLogName = "User.Log";
inline constexpr std::string_view kTempFileName = "TempFile.$$$";

// The data files of every installation, in the order of DataFileNames: the clean-up at
// exit removes each that is empty, and backup and restore always carry them (carried_files.h).
inline constexpr std::array<std::string_view, 5> kDataFileNames = {
    "User.List", "User.Log", "Name.List", "Course.Index", "Training.Records"};

}  // namespace vm::store
