// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/folder_transfer.h"

#include <algorithm>
#include <bit>
#include <filesystem>
#include <random>

#include "app/demo_seed.h"
#include "format/clock.h"
#include "server/server_rows.h"
#include "server/server_test.h"
#include "server/training_queries.h"
#include "store/posix_file_system.h"
#include "store/record_codec.h"
#include "store/work_stopped.h"
#include "support/temp_folder.h"
#include "support/test_file_system.h"

namespace vm::test {
namespace {

using server::TransferRefused;

const std::string kFiles[] = {"User.List",        "User.Log",       "Name.List", "Course.Index",
                              "Training.Records", "Course.Renewal", "Change.Log"};

// Records of every byte: random bytes throughout, so that every value lies in every text field
// somewhere (NUL, the bytes Windows-1252 leaves unassigned, blanks at either end), and every
// number field holds odd doubles and singles (NaN with payloads, infinities, negative zero,
// denormals); and one record per file whose text fields are full to the last byte.
std::string hostileRecords(std::size_t length, int count, std::mt19937& random) {
  std::string bytes;
  for (int n = 0; n < count * static_cast<int>(length); ++n)
    bytes += static_cast<char>(random() & 0xFF);
  std::string full(length, 'W');
  bytes += full;
  return bytes;
}

struct ServerTransfer : ServerTest {
  TempFolder source;
  TempFolder out;
  store::PosixFileSystem fs;

  server::TransferCount roundTrip() {
    server::Connection c = connect();
    store::FileTable table(fs, source.str());
    const server::TransferCount in = server::copyFolderToServer(c, table);
    server::copyServerToFolder(c, fs, out.str() + "/copy");
    return in;
  }
  void expectSameFiles() const {
    for (const std::string& name : kFiles)
      EXPECT_EQ(out.read("copy/" + name), source.read(name)) << name;
  }
};

TEST_F(ServerTransfer, TheDemonstrationDataComesBackByteForByte) {
  store::FileTable table(fs, source.str());
  ASSERT_TRUE(app::seedDemonstrationData(table, format::FixedClock({2026, 12, 8, 9, 0, 0})));
  source.write("User.Log",
               "12/08/2026 at 09:00:00 - Dana Demo logged in w/ Read/Edit/Add/Delete "
               "privileges.\r\n12/08/2026 at 09:30:00 - Dana Demo logged out.\r\n");
  const server::TransferCount n = roundTrip();
  expectSameFiles();
  EXPECT_EQ(n.persons * 1000, static_cast<std::int64_t>(source.read("Name.List").size()));
  EXPECT_EQ(n.training * 300, static_cast<std::int64_t>(source.read("Training.Records").size()));
  EXPECT_GT(n.renewals, 0);
  EXPECT_EQ(n.userLogLines, 2);
}

TEST_F(ServerTransfer, RecordsOfEveryByteComeBackByteForByteAndReadAsTheFolderReadsThem) {
  std::mt19937 random(20261208);
  source.write("User.List", hostileRecords(500, 20, random));
  source.write("Name.List", hostileRecords(1000, 20, random));
  source.write("Course.Index", hostileRecords(300, 20, random));
  source.write("Training.Records", hostileRecords(300, 60, random));
  source.write("Course.Renewal", hostileRecords(32, 20, random));
  // Lines with every kind of line end, and a last line cut short.
  source.write("Change.Log",
               std::string("a\tb\r\n\r\nlone\nfeed\r\ncarriage\r only\r\n\x81\x00\xFF", 38) +
                   "\r\n" + "cut short");
  source.write("User.Log", "12/08/2026 at 09:00:00 - Dana Demo logged out.");
  roundTrip();
  expectSameFiles();

  // Lists decode what the file holds, NUL characters and all.
  server::Connection c = connect();
  store::FileTable table(fs, source.str());
  const store::OpenFile names(table, store::DataFile::Names);
  const auto rows = server::listRows<store::NameRecord>(c);
  ASSERT_EQ(rows.size(), 21u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto file = table.read<store::NameRecord>(static_cast<std::int32_t>(i + 1));
    EXPECT_EQ(store::encoded(rows[i].record), store::encoded(file)) << i;
  }
}

TEST_F(ServerTransfer, ACopyIntoADatabaseWithRecordsOrFromUnfinishedWorkIsRefusedWhole) {
  source.write("Name.List", std::string(1000, 'A'));
  server::Connection c = connect();
  c.run("INSERT INTO user_log (line) VALUES ('12/08/2026 at 09:00:00 - Dana Demo logged out.')");
  store::FileTable table(fs, source.str());
  try {
    server::copyFolderToServer(c, table);
    ADD_FAILURE() << "copied into a database with records";
  } catch (const TransferRefused& e) {
    EXPECT_NE(std::string(e.what()).find("already holds records"), std::string::npos) << e.what();
  }
  EXPECT_EQ(count(c, "persons"), 0);

  source.write("Journal.$$$", "work");
  server::Connection empty(cluster.conninfo(cluster.freshDatabase()));
  EXPECT_THROW(server::copyFolderToServer(empty, table), TransferRefused);
  EXPECT_EQ(count(empty, "persons"), 0);
}

TEST_F(ServerTransfer, ACopyInThatFailsPartWayLeavesNothing) {
  std::mt19937 random(7);
  source.write("User.List", hostileRecords(500, 3, random));
  source.write("Name.List", hostileRecords(1000, 3, random));
  source.write("Change.Log", "line\r\nline\r\n");  // copied, not inserted line by line
  cluster.superuserSql(database, R"(
    CREATE FUNCTION disk_full() RETURNS trigger LANGUAGE plpgsql AS $$
    BEGIN RAISE EXCEPTION 'could not extend file' USING ERRCODE = '53100'; END $$;
    CREATE TRIGGER disk_full BEFORE INSERT ON change_log FOR EACH ROW EXECUTE FUNCTION disk_full();)");
  server::Connection c = connect();
  store::FileTable table(fs, source.str());
  faultOf(server::Fault::DiskFull, [&] { server::copyFolderToServer(c, table); });
  EXPECT_EQ(count(c, "users") + count(c, "persons"), 0);
}

TEST_F(ServerTransfer, ACopyOutIsTheWholeFolderOrNoFolder) {
  source.write("Name.List", std::string(3000, 'B'));
  source.write("Training.Records", std::string(300 * 5, 'C'));
  server::Connection c = connect();
  {
    store::FileTable table(fs, source.str());
    server::copyFolderToServer(c, table);
  }
  const std::string target = out.str() + "/copy";
  for (int k = 1;; ++k) {
    TestFileSystem failing;
    failing.failCall(k);
    try {
      server::copyServerToFolder(c, failing, target);
    } catch (const store::StoreError&) {
      EXPECT_FALSE(std::filesystem::exists(target)) << "call " << k;
      EXPECT_FALSE(std::filesystem::exists(target + ".$$$")) << "call " << k;
      continue;
    }
    EXPECT_FALSE(failing.faultReached());
    break;
  }
  EXPECT_EQ(out.read("copy/Name.List"), source.read("Name.List"));
  // A folder that holds anything is never written into.
  EXPECT_THROW(server::copyServerToFolder(c, fs, target), TransferRefused);
}

// Esc stops either copy at any record, up to the very last: the database, the folder and the
// target stay as they were; the progress told counts every record of the four files.
TEST_F(ServerTransfer, ACopyStoppedAtAnyRecordLeavesEverythingAsItWas) {
  store::FileTable table(fs, source.str());
  ASSERT_TRUE(app::seedDemonstrationData(table, format::FixedClock({2026, 12, 8, 9, 0, 0})));
  const std::int32_t records = 2 + 36 + 22 + 438;
  const std::string target = out.str() + "/copy";
  const auto stoppingAt = [](std::int32_t at, std::vector<std::int32_t>& told) {
    return [at, &told](std::int32_t done, std::int32_t total, std::int32_t) {
      told.push_back(done);
      EXPECT_EQ(total, 2 + 36 + 22 + 438);
      if (done >= at) throw store::WorkStopped();
    };
  };
  server::Connection c = connect();
  for (const std::int32_t at : {1, records}) {
    std::vector<std::int32_t> told;
    EXPECT_THROW(server::copyFolderToServer(c, table, stoppingAt(at, told)), store::WorkStopped);
    EXPECT_EQ(told.back(), at);
    EXPECT_EQ(count(c, "training") + count(c, "persons") + count(c, "change_log"), 0) << at;
  }
  std::vector<std::int32_t> told;
  server::copyFolderToServer(c, table, stoppingAt(records + 1, told));
  EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
  EXPECT_EQ(told.back(), records);
  for (const std::int32_t at : {1, records}) {
    told.clear();
    EXPECT_THROW(server::copyServerToFolder(c, fs, target, stoppingAt(at, told)),
                 store::WorkStopped);
    EXPECT_EQ(told.back(), at);
    EXPECT_TRUE(std::filesystem::is_empty(out.path())) << at;
  }
}

// The owner's copy takes the indexes off while the rows come in: they are all there again after
// it, and after a copy stopped part way.
TEST_F(ServerTransfer, TheOwnersCopyLeavesEveryIndexAsItWas) {
  store::FileTable table(fs, source.str());
  ASSERT_TRUE(app::seedDemonstrationData(table, format::FixedClock({2026, 12, 8, 9, 0, 0})));
  server::Connection owner = connect(ServerCluster::kOwner);
  const auto indexes = [&] {
    const server::Result r = owner.exec(
        "SELECT string_agg(indexdef, E'\\n' ORDER BY indexname) FROM pg_indexes WHERE "
        "schemaname = current_schema()");
    return r.getText(0, 0);
  };
  const std::string before = indexes();
  EXPECT_NE(before.find("training_comments_trigrams"), std::string::npos);
  EXPECT_THROW(server::copyFolderToServer(owner, table,
                                          [](std::int32_t done, std::int32_t, std::int32_t) {
                                            if (done > 100) throw store::WorkStopped();
                                          }),
               store::WorkStopped);
  EXPECT_EQ(indexes(), before);
  server::copyFolderToServer(owner, table);
  EXPECT_EQ(indexes(), before);
  EXPECT_EQ(count(owner, "training"), 438);
  // Found through its index again.
  server::Connection desk = connect();
  server::TrainingFilter filter;
  filter.comments = "a";
  std::size_t picked = 0;
  server::scanCandidates(desk, filter, [&](std::span<const char> block) {
    picked += block.size() / 300;
    return true;
  });
  EXPECT_GT(picked, 0u);
}

}  // namespace
}  // namespace vm::test
