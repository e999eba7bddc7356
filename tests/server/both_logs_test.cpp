// SPDX-License-Identifier: GPL-3.0-or-later
// The two logs read through the records: after the same lines are written, a data folder and a
// server give the same user log and the same change lines, in the same order and the same blocks.
#include "app/folder_records.h"
#include "server/server_change_lines.h"
#include "server/server_records.h"
#include "server/server_test.h"
#include "store/posix_file_system.h"
#include "support/temp_folder.h"

namespace vm::test {
namespace {

using records::Log;

// What a viewer sees reading `lines` `step` lines at a time: each block, whether the start was
// reached after it, and each line read back by its place.
std::vector<std::string> blocksOf(store::ChangeLineSource& lines, std::size_t step) {
  std::vector<std::string> blocks;
  while (!lines.atStart()) {
    std::size_t taken = 0;
    std::string block;
    lines.readOlder([&](std::string_view line, store::LinePlace place) {
      EXPECT_EQ(lines.lineAt(place), line);
      block.append(line).append("\n");
      return ++taken < step;
    });
    if (taken == 0) break;
    blocks.push_back(block + (lines.atStart() ? "(start)" : ""));
  }
  return blocks;
}

struct BothLogs : ServerTest {
  TempFolder folder;
  store::PosixFileSystem fs;
  store::FileTable table{fs, folder.str()};
  app::FolderRecords onFolder{table};
  server::Connection c = connect();
  server::ServerRecords onServer{c};
};

TEST_F(BothLogs, GiveTheSameUserLogAndChangeLinesInTheSameBlocks) {
  for (records::Records* r : std::initializer_list<records::Records*>{&onFolder, &onServer}) {
    for (Log log : {Log::User, Log::Change}) EXPECT_FALSE(r->logExists(log) || r->logHoldsAny(log));
    for (const char* line : {"Log-in  Zo\xC3\xAB Roy  (Administrator)", "Log-out \xE2\x82\xAC"})
      r->appendUserLog(line);
    for (int i = 0; i < 23; ++i)
      r->addPerson(kDesk1,
                   {0, "", "", "Zo\xC3\xAB " + std::to_string(i), "", "", "", store::kActive});
    for (Log log : {Log::User, Log::Change}) EXPECT_TRUE(r->logExists(log) && r->logHoldsAny(log));
  }
  EXPECT_EQ(onServer.userLogText(), onFolder.userLogText());
  EXPECT_NE(onFolder.userLogText().find("Zo\xC3\xAB Roy"), std::string::npos);

  // Server blocks smaller than, equal to and larger than the viewer's steps, and the records' own.
  const struct {
    int serverBlock;
    std::size_t step;
  } cases[] = {{1, 5}, {4, 4}, {5, 23}, {30, 7}, {0, 1}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.serverBlock);
    const auto folderLines = onFolder.changeLines();
    const std::vector<std::string> expected = blocksOf(*folderLines, k.step);
    ASSERT_EQ(expected.size(), (23 + k.step - 1) / k.step);
    std::unique_ptr<store::ChangeLineSource> serverLines = onServer.changeLines();
    if (k.serverBlock) serverLines = std::make_unique<server::ServerChangeLines>(c, k.serverBlock);
    EXPECT_EQ(blocksOf(*serverLines, k.step), expected);
  }
}

}  // namespace
}  // namespace vm::test
