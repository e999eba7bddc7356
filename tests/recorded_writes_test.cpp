// SPDX-License-Identifier: GPL-3.0-or-later
// Every change of a record file goes through journalled work that names its change
// (store/work_journal.h). The compiler holds the record writers to it: they are private to the
// store (tests/store/private_writers.cmake proves it). This test reads the sources of src/ for
// what access control cannot see: the names that the writers trust, which must be defined where
// the store means them and nowhere else, and files opened for writing through the file system
// seam, which only the store does.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Rule {
  std::regex pattern;
  // Where the pattern may appear: a file, or a folder ending in "/".
  std::string allowedIn;
  const char* fault;
};

const std::vector<Rule>& rules() {
  static const std::vector<Rule> kRules = {
      {std::regex(R"(\bRecordWriterForTests\b)"), "store/record_writer.h",
       "the tests' door to the record writers, used by the program"},
      {std::regex(R"(\b(class|struct)\s+StepRunner\s*\{)"), "store/work_journal.cpp",
       "a second runner of journalled work, which the record writers would trust"},
      {std::regex(R"(Mode::(ReadWrite|Replace)\b|\.truncate\s*\()"), "store/",
       "a file opened for writing or cut through the file system seam, outside the store"},
  };
  return kRules;
}

bool allowed(const std::string& path, const std::string& where) {
  return where.ends_with('/') ? path.starts_with(where) : path == where;
}

// The faults of one file, line by line; comments are passed over.
std::vector<std::string> faultsIn(const std::string& path, std::istream& text) {
  std::vector<std::string> found;
  std::string line;
  for (int n = 1; std::getline(text, line); ++n) {
    const std::string code = line.substr(0, line.find("//"));
    for (const Rule& rule : rules())
      if (!allowed(path, rule.allowedIn) && std::regex_search(code, rule.pattern))
        found.push_back(path + ":" + std::to_string(n) + ": " + rule.fault + ": " + line);
  }
  return found;
}

TEST(RecordedWrites, OnlyTheStoreWritesRecordFiles) {
  const fs::path root = VERDIMARK_SOURCE_ROOT;
  std::vector<std::string> found;
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string ext = entry.path().extension().string();
    if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    ++files;
    std::ifstream in(entry.path());
    const auto here = faultsIn(entry.path().lexically_relative(root).generic_string(), in);
    found.insert(found.end(), here.begin(), here.end());
  }
  ASSERT_GT(files, 100);
  std::string list;
  for (const std::string& f : found) list += "\n  " + f;
  EXPECT_TRUE(found.empty()) << "record files may be written outside journalled work:" << list;
}

TEST(RecordedWrites, TheCheckFindsWhatAccessControlCannotSee) {
  const std::vector<std::tuple<std::string, std::string, bool>> cases = {
      {"app/demo_seed.cpp", "  auto w = store::RecordWriterForTests::of(files);", true},
      {"store/compaction.cpp", "struct RecordWriterForTests {", true},
      {"store/work_journal.cpp", "class StepRunner {", false},
      {"store/record_writer.h", "  friend class StepRunner;", false},
      {"store/compaction.cpp", "class StepRunner {", true},
      {"access/user_log.cpp", "  store::File log(fs, path, store::FileSystem::Mode::ReadWrite);",
       true},
      {"backup/restore_copy.cpp", "  fs.open(path, FileSystem::Mode::Replace);", true},
      {"names/person_store.cpp", "  file.truncate(0);", true},
      {"store/user_log/user_log.cpp", "  File log(fs, path, FileSystem::Mode::ReadWrite);", false},
      {"access/user_log.cpp", "  store::File log(fs, path, FileSystem::Mode::Read);", false},
      {"access/frm_admin.cpp", "  // Mode::ReadWrite is the store's", false},
      {"names/name_rows.cpp", "  const auto kept = compactList(rows);", false},
  };
  for (const auto& [path, line, fault] : cases) {
    std::istringstream in(line);
    EXPECT_EQ(faultsIn(path, in).size(), fault ? 1u : 0u) << path << ": " << line;
  }
}

}  // namespace
