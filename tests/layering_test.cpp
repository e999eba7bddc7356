// SPDX-License-Identifier: GPL-3.0-or-later
// The program's layers, checked on the #include lines of src/. Dependencies point one way:
//
//   format -> store, sheets -> scan -> print, records -> server -> ui -> access, names, courses,
//   training, search, renewals, imports, backup -> app
//
// A folder may include its own headers and those of any folder to its left; the window folders
// share one layer and may include one another, but never in a cycle (no two folders include each
// other, directly or through others), and training never includes names (and access, below app,
// never includes it). The core library (the files built into verdimark_core and every header
// they reach) uses only the standard library; the server library (server/) uses only the
// standard library and the database's client library, whose headers no file outside server/
// includes and no header of server/ shows. Every file of src/ lives in one of these folders; a
// new folder is added here.

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
    {"scan", 2},
    {"print", 3}, {"records", 3},
    {"server", 4},
    {"ui", 5},
    {"access", 6}, {"names", 6}, {"courses", 6}, {"training", 6}, {"search", 6}, {"renewals", 6},
    {"imports", 6}, {"backup", 6},
    {"app", 7},
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

// The cycles among the folders, each told once as the folders it passes through and, for each
// step, the first include that makes it ("search -> renewals -> search (search/a.cpp:3,
// renewals/b.cpp:9)").
std::vector<std::string> cycleFaults(const std::map<std::string, SourceFile>& files) {
  std::map<std::string, std::map<std::string, std::string>> steps;  // from, to: first include
  for (const auto& [path, file] : files) {
    const std::string from = folderOf(path);
    for (const Include& include : file.includes) {
      const std::string to = folderOf(include.target);
      if (include.angled || to == from || !kLayer.contains(to)) continue;
      steps[from].emplace(to, path + ":" + std::to_string(include.line));
    }
  }
  std::vector<std::string> faults;
  std::set<std::set<std::string>> told;
  std::vector<std::string> way;  // the folders from the start of the search to here
  std::set<std::string> done;
  const auto visit = [&](const auto& self, const std::string& folder) -> void {
    const auto onWay = std::find(way.begin(), way.end(), folder);
    if (onWay != way.end()) {
      const std::vector<std::string> cycle(onWay, way.end());
      if (!told.insert(std::set<std::string>(cycle.begin(), cycle.end())).second) return;
      std::string names, where;
      for (std::size_t i = 0; i < cycle.size(); ++i) {
        const std::string& next = cycle[(i + 1) % cycle.size()];
        names += cycle[i] + " -> ";
        where += (i ? ", " : "") + steps[cycle[i]][next];
      }
      faults.push_back("folders include each other in a cycle: " + names + folder + " (" + where +
                       ")");
      return;
    }
    if (done.contains(folder)) return;
    way.push_back(folder);
    for (const auto& [to, include] : steps[folder]) self(self, to);
    way.pop_back();
    done.insert(folder);
  };
  for (const auto& [layer, ignored] : kLayer) visit(visit, layer);
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

// The database's client library: <libpq-fe.h>, <libpq/...>, <postgres_ext.h>.
bool isDatabaseClientHeader(const std::string& header) {
  return header.starts_with("libpq") || header.starts_with("postgres") || header.starts_with("pg_");
}

// The files that include the database's client library though they may not: anything but the
// sources of server/.
std::vector<std::string> clientLibraryFaults(const std::map<std::string, SourceFile>& files) {
  std::vector<std::string> faults;
  for (const auto& [path, file] : files) {
    if (folderOf(path) == "server" && path.ends_with(".cpp")) continue;
    for (const Include& include : file.includes)
      if (include.angled && isDatabaseClientHeader(include.target))
        faults.push_back(path + ":" + std::to_string(include.line) + " includes <" +
                         include.target + ">, which only the sources of server/ may");
  }
  return faults;
}

// A library's sources as the build lists them, relative to src/.
std::vector<std::string> librarySources(const fs::path& root, const char* list) {
  std::ifstream in(list);
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

TEST(Layering, NoTwoFoldersIncludeEachOther) {
  const auto faults = cycleFaults(readTree(VERDIMARK_SOURCE_ROOT));
  EXPECT_TRUE(faults.empty()) << joined(faults);
}

TEST(Layering, TheCoreLibraryReachesNoToolkitHeader) {
  const fs::path root = VERDIMARK_SOURCE_ROOT;
  const auto core = librarySources(root, VERDIMARK_CORE_SOURCES);
  ASSERT_TRUE(std::find(core.begin(), core.end(), "format/cp1252.cpp") != core.end());
  const auto faults = toolkitFaults(readTree(root), core);
  EXPECT_TRUE(faults.empty()) << joined(faults);
}

TEST(Layering, TheServerLibraryReachesNoToolkitHeaderAndKeepsTheClientLibraryToItself) {
  const fs::path root = VERDIMARK_SOURCE_ROOT;
  const auto server = librarySources(root, VERDIMARK_SERVER_SOURCES);
  ASSERT_TRUE(std::find(server.begin(), server.end(), "server/connection.cpp") != server.end());
  const auto tree = readTree(root);
  const auto faults = toolkitFaults(tree, server);
  EXPECT_TRUE(faults.empty()) << joined(faults);
  const auto leaks = clientLibraryFaults(tree);
  EXPECT_TRUE(leaks.empty()) << joined(leaks);
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

  const std::map<std::string, SourceFile> client = {
      {"server/a.cpp", fileWith("server/a.cpp", {{"libpq-fe.h", true, 3}})},
      {"server/a.h", fileWith("server/a.h", {{"libpq-fe.h", true, 4}})},
      {"app/b.cpp", fileWith("app/b.cpp", {{"postgres_ext.h", true, 5}, {"string", true, 6}})},
  };
  EXPECT_EQ(clientLibraryFaults(client),
            (std::vector<std::string>{
                "app/b.cpp:5 includes <postgres_ext.h>, which only the sources of server/ may",
                "server/a.h:4 includes <libpq-fe.h>, which only the sources of server/ may"}));

  const auto treeOf = [](const std::vector<SourceFile>& list) {
    std::map<std::string, SourceFile> out;
    for (const SourceFile& f : list) out.emplace(f.path, f);
    return out;
  };
  struct CycleCase {
    std::vector<SourceFile> files;
    std::vector<std::string> faults;
  };
  const std::vector<CycleCase> cycles = {
      {{fileWith("search/a.cpp", {{"renewals/b.h", false, 3}, {"search/c.h", false, 4}}),
        fileWith("renewals/b.cpp", {{"scan/d.h", false, 2}, {"courses/e.h", false, 5}}),
        fileWith("courses/e.cpp", {{"ui/f.h", false, 1}})},
       {}},
      {{fileWith("search/a.cpp", {{"renewals/b.h", false, 3}}),
        fileWith("renewals/b.cpp", {{"search/a.h", false, 9}})},
       {"folders include each other in a cycle: renewals -> search -> renewals "
        "(renewals/b.cpp:9, search/a.cpp:3)"}},
      {{fileWith("names/a.cpp", {{"courses/b.h", false, 1}}),
        fileWith("courses/b.cpp", {{"training/c.h", false, 2}}),
        fileWith("training/c.cpp", {{"names/a.h", false, 3}})},
       {"folders include each other in a cycle: courses -> training -> names -> courses "
        "(courses/b.cpp:2, training/c.cpp:3, names/a.cpp:1)"}},
  };
  for (const CycleCase& c : cycles) EXPECT_EQ(cycleFaults(treeOf(c.files)), c.faults);
}

}  // namespace
