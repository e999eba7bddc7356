// SPDX-License-Identifier: GPL-3.0-or-later
// The program's layers, checked on the #include lines of src/. Dependencies point one way:
//
//   format -> store, sheets -> print -> ui -> access, names, courses, training, search, renewals,
//   imports, backup -> app
//
// A folder may include its own headers and those of any folder to its left; the window folders
// share one layer and may include each other, except that training never includes names (and
// access, below app, never includes it). The core library (the files built into verdimark_core
// and every header they reach) uses only the standard library. Every file of src/ lives in one
// of these folders; a new folder is added here.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// clang-format off
const std::map<std::string, int> kLayer = {
    {"format", 0},
    {"store", 1}, {"sheets", 1},
    {"print", 2},
    {"ui", 3},
    {"access", 4}, {"names", 4}, {"courses", 4}, {"training", 4}, {"search", 4}, {"renewals", 4},
    {"imports", 4}, {"backup", 4},
    {"app", 5},
};
// clang-format on

// Includes the layer order would allow but the design rules out.
const std::set<std::pair<std::string, std::string>> kForbidden = {{"training", "names"}};

struct Include {
  std::string target;  // as written between the quotes or brackets
  bool angled = false;
  int line = 0;
};

struct SourceFile {
  std::string path;  // relative to src/
  std::vector<Include> includes;
};

std::string folderOf(const std::string& path) { return path.substr(0, path.find('/')); }

// Toolkit headers: <QString>, <QtCore/QObject>, <qglobal.h>; not <queue>.
bool isToolkitHeader(const std::string& header) {
  static const std::regex toolkit(R"(^(Q|qt?[a-z0-9_]*\.h$))");
  return std::regex_search(header, toolkit);
}

// What the layer order says of one file's project includes.
std::vector<std::string> layerFaults(const SourceFile& file) {
  std::vector<std::string> faults;
  const std::string from = folderOf(file.path);
  if (!kLayer.contains(from)) {
    faults.push_back(file.path + " lies outside the folders of the layer graph");
    return faults;
  }
  for (const Include& include : file.includes) {
    if (include.angled) continue;
    const std::string where =
        file.path + ":" + std::to_string(include.line) + " includes \"" + include.target + "\": ";
    const std::string to = folderOf(include.target);
    if (!kLayer.contains(to) || include.target.find('/') == std::string::npos) {
      faults.push_back(where + "project headers are named from src/, by their folder");
    } else if (kLayer.at(to) > kLayer.at(from)) {
      faults.push_back(where + from + " lies below " + to);
    } else if (kForbidden.contains({from, to})) {
      faults.push_back(where + from + " never includes " + to);
    }
  }
  return faults;
}

// The toolkit headers reached from the core's own files, each with the way it was reached.
std::vector<std::string> toolkitFaults(const std::map<std::string, SourceFile>& files,
                                       const std::vector<std::string>& coreFiles) {
  std::vector<std::string> faults;
  std::map<std::string, std::string> reachedFrom;
  std::vector<std::string> pending;
  for (const std::string& path : coreFiles) {
    if (reachedFrom.emplace(path, "").second) pending.push_back(path);
  }
  while (!pending.empty()) {
    const std::string path = pending.back();
    pending.pop_back();
    const auto file = files.find(path);
    if (file == files.end()) continue;
    for (const Include& include : file->second.includes) {
      if (include.angled && isToolkitHeader(include.target)) {
        std::string chain = path;
        for (std::string at = reachedFrom[path]; !at.empty(); at = reachedFrom[at])
          chain = at + " -> " + chain;
        faults.push_back(chain + " includes <" + include.target +
                         ">, but the core library uses only the standard library");
      } else if (!include.angled && files.contains(include.target) &&
                 reachedFrom.emplace(include.target, path).second) {
        pending.push_back(include.target);
      }
    }
  }
  return faults;
}

SourceFile parse(const std::string& path, std::istream& text) {
  static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  SourceFile file{path, {}};
  std::string line;
  for (int n = 1; std::getline(text, line); ++n) {
    std::smatch m;
    if (std::regex_search(line, m, include)) file.includes.push_back({m[2], m[1] == "<", n});
  }
  return file;
}

std::map<std::string, SourceFile> readTree(const fs::path& root) {
  std::map<std::string, SourceFile> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string ext = entry.path().extension().string();
    if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    const std::string path = entry.path().lexically_relative(root).generic_string();
    std::ifstream in(entry.path());
    files.emplace(path, parse(path, in));
  }
  return files;
}

// The core library's sources as the build lists them, relative to src/.
std::vector<std::string> coreSources(const fs::path& root) {
  std::ifstream in(VERDIMARK_CORE_SOURCES);
  std::vector<std::string> out;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) out.push_back(fs::path(line).lexically_relative(root).generic_string());
  }
  return out;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += "\n  " + line;
  return out;
}

SourceFile fileWith(const std::string& path, std::vector<Include> includes) {
  return SourceFile{path, std::move(includes)};
}

TEST(Layering, EveryIncludeOfTheProgramFollowsTheLayerOrder) {
  const auto files = readTree(VERDIMARK_SOURCE_ROOT);
  ASSERT_GT(files.size(), 100u);
  std::vector<std::string> faults;
  for (const auto& [path, file] : files) {
    const auto found = layerFaults(file);
    faults.insert(faults.end(), found.begin(), found.end());
  }
  EXPECT_TRUE(faults.empty()) << joined(faults);
}

TEST(Layering, TheCoreLibraryReachesNoToolkitHeader) {
  const fs::path root = VERDIMARK_SOURCE_ROOT;
  const auto core = coreSources(root);
  ASSERT_TRUE(std::find(core.begin(), core.end(), "format/cp1252.cpp") != core.end());
  const auto faults = toolkitFaults(readTree(root), core);
  EXPECT_TRUE(faults.empty()) << joined(faults);
}

TEST(Layering, TheCheckFindsEveryKindOfFault) {
  struct Case {
    SourceFile file;
    std::string fault;  // empty: allowed
  };
  const std::vector<Case> cases = {
      {fileWith("store/a.cpp", {{"format/cp1252.h", false, 3}}), ""},
      {fileWith("app/a.cpp", {{"names/name_list_tab.h", false, 1}}), ""},
      {fileWith("names/a.cpp", {{"training/history.h", false, 1}}), ""},
      {fileWith("ui/a.cpp", {{"QWidget", true, 1}, {"vector", true, 2}}), ""},
      {fileWith("format/a.h", {{"store/records.h", false, 7}}),
       "format/a.h:7 includes \"store/records.h\": format lies below store"},
      {fileWith("print/qt/a.cpp", {{"ui/dialogs.h", false, 2}}),
       "print/qt/a.cpp:2 includes \"ui/dialogs.h\": print lies below ui"},
      {fileWith("courses/a.cpp", {{"app/frm_lobby.h", false, 4}}),
       "courses/a.cpp:4 includes \"app/frm_lobby.h\": courses lies below app"},
      {fileWith("training/a.cpp", {{"names/name_list_rows.h", false, 5}}),
       "training/a.cpp:5 includes \"names/name_list_rows.h\": training never includes names"},
      {fileWith("store/a.cpp", {{"grid_model.h", false, 1}}),
       "store/a.cpp:1 includes \"grid_model.h\": project headers are named from src/, by their "
       "folder"},
      {fileWith("reports/a.cpp", {}), "reports/a.cpp lies outside the folders of the layer graph"},
  };
  for (const Case& c : cases) {
    const auto faults = layerFaults(c.file);
    if (c.fault.empty()) {
      EXPECT_TRUE(faults.empty()) << c.file.path << joined(faults);
    } else {
      EXPECT_EQ(faults, std::vector<std::string>{c.fault}) << c.file.path;
    }
  }

  const std::map<std::string, SourceFile> tree = {
      {"store/a.cpp", fileWith("store/a.cpp", {{"store/a.h", false, 1}})},
      {"store/a.h", fileWith("store/a.h", {{"ui/b.h", false, 1}})},
      {"ui/b.h", fileWith("ui/b.h", {{"QString", true, 1}, {"queue", true, 2}})},
      {"ui/c.cpp", fileWith("ui/c.cpp", {{"QtCore/QObject", true, 1}, {"qglobal.h", true, 2}})},
  };
  EXPECT_EQ(toolkitFaults(tree, {"store/a.cpp"}),
            std::vector<std::string>{"store/a.cpp -> store/a.h -> ui/b.h includes <QString>, but "
                                     "the core library uses only the standard library"});
  EXPECT_EQ(toolkitFaults(tree, {"ui/c.cpp"}).size(), 2u);
}

}  // namespace
