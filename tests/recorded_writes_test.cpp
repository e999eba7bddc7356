// SPDX-License-Identifier: GPL-3.0-or-later
// Every change of a record file outside the store goes through journalled work that names its
// change (store/work_journal.h), so that no writer can leave a change out of the change log. This
// test reads the sources of src/ and finds the record store's lower-level writes anywhere else.
// The demonstration seed, which fills a new folder before anyone uses it, is the one exception.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kExempt = {"app/demo_seed.cpp"};

// The file table's writes on the names the sources give it, and the store's rewrites.
const std::regex kLowLevelWrite(
    R"(\b(files|table|files_)\s*(\.|->)\s*(write|append|writeBytes|appendBytes|overwriteBytes)\s*[<(]|\b(compact|patchLinked|dropLinked)\s*\()");

std::vector<std::string> writesIn(const std::string& path, std::istream& text) {
  std::vector<std::string> found;
  std::string line;
  for (int n = 1; std::getline(text, line); ++n) {
    const auto comment = line.find("//");
    if (std::regex_search(line.substr(0, comment), kLowLevelWrite))
      found.push_back(path + ":" + std::to_string(n) + ": " + line);
  }
  return found;
}

TEST(RecordedWrites, OnlyTheStoreWritesRecordFilesWithoutALine) {
  const fs::path root = VERDIMARK_SOURCE_ROOT;
  std::vector<std::string> found;
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string ext = entry.path().extension().string();
    if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    const std::string path = entry.path().lexically_relative(root).generic_string();
    if (path.starts_with("store/") ||
        std::find(kExempt.begin(), kExempt.end(), path) != kExempt.end())
      continue;
    ++files;
    std::ifstream in(entry.path());
    const auto here = writesIn(path, in);
    found.insert(found.end(), here.begin(), here.end());
  }
  ASSERT_GT(files, 100);
  std::string list;
  for (const std::string& f : found) list += "\n  " + f;
  EXPECT_TRUE(found.empty()) << "record files written outside journalled work:" << list;
}

TEST(RecordedWrites, TheCheckFindsEveryLowLevelWrite) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"    state_.files.write(recNum_, r);", true},
      {"  table.append(std::vector<NameRecord>{});", true},
      {"  files.write<store::UserRecord>(1, u);", true},
      {"  table.writeBytes(kTraining, n, record);", true},
      {"  table.appendBytes(DataFile::Training, records);", true},
      {"  store::compact(table, DataFile::Names);", true},
      {"  patchLinked(table, f, 16, key, 24, patch);", true},
      {"  store::doWork(table, author, {PutRecord{f, n, bytes}}, {&change, 1});", false},
      {"  key.append(c);  // a QString", false},
      {"  // table.write(n, r) is what the store does", false},
      {"  const auto kept = compactList(rows);", false},
  };
  for (const auto& [line, write] : cases) {
    std::istringstream in(line);
    EXPECT_EQ(writesIn("x.cpp", in).size(), write ? 1u : 0u) << line;
  }
}

}  // namespace
