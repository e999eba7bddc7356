// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/schema.h"

#include "format/cp1252.h"
#include "format/text_case.h"
#include "server/server_test.h"

namespace vm::test {
namespace {

using server::Fault;

struct ServerSchema : ::testing::Test {
  ServerCluster& cluster = ServerCluster::shared();
  std::string database = cluster.emptyDatabase();

  server::Connection owner() const {
    return server::Connection(cluster.conninfo(database, ServerCluster::kOwner));
  }
  bool has(server::Connection& c, const std::string& what) const {
    return c.exec("SELECT " + what + " IS NOT NULL").getBool(0, 0);
  }
};

TEST_F(ServerSchema, TheOwnerMakesTheTablesOnceAndTheDesksFindThemReady) {
  server::Connection desk(cluster.conninfo(database));
  const std::string message = faultOf(Fault::SchemaNotReady, [&] { server::prepareSchema(desk); });
  EXPECT_NE(message.find("has no Verdimark tables yet"), std::string::npos) << message;
  EXPECT_NE(message.find("vm_program"), std::string::npos) << message;
  EXPECT_EQ(server::schemaVersion(desk), 0);

  server::Connection c = owner();
  EXPECT_EQ(server::prepareSchema(c), 0);
  EXPECT_EQ(server::schemaVersion(c), server::kSchemaVersion);
  EXPECT_EQ(server::prepareSchema(c), server::kSchemaVersion);
  EXPECT_EQ(server::prepareSchema(desk), server::kSchemaVersion);
}

// Whether the index of dates holds the summary's columns beside the date.
constexpr const char* kDatesCoverSummary =
    "(SELECT indexrelid FROM pg_index WHERE indexrelid = 'training_training_date'::regclass AND "
    "indnatts = 5)";

TEST_F(ServerSchema, OlderTablesAreBroughtUpToDateKeepingTheirRecords) {
  // From each older version: the indexes it lacks come, the record it held stays and is found
  // through them.
  for (const int older : {1, 2, 3}) {
    database = cluster.emptyDatabase();
    server::Connection c = owner();
    server::prepareSchema(c, older);
    EXPECT_EQ(has(c, "to_regclass('training_comments_trigrams')"), older >= 2) << older;
    EXPECT_EQ(has(c, "to_regclass('training_course_code_trigrams')"), older >= 3) << older;
    EXPECT_FALSE(has(c, kDatesCoverSummary)) << older;
    server::Connection desk(cluster.conninfo(database));
    desk.run(
        "INSERT INTO training (training_date, person_id, course_id, course_code, course_name, "
        "provided_by, hours, comments) VALUES (45000, 1, 2, 'FA-1', 'First Aid', '', 2.5, "
        "'Passed')");
    faultOf(Fault::SchemaNotReady, [&] { server::prepareSchema(desk); });

    EXPECT_EQ(server::prepareSchema(c), older);
    EXPECT_EQ(server::schemaVersion(c), server::kSchemaVersion);
    EXPECT_TRUE(has(c, "to_regclass('training_comments_trigrams')")) << older;
    EXPECT_TRUE(has(c, "to_regclass('training_course_code_trigrams')")) << older;
    EXPECT_TRUE(has(c, kDatesCoverSummary)) << older;
    desk.run("SET enable_seqscan = off");
    for (const char* found :
         {"verdimark_fold(comments) LIKE '%pass%'", "verdimark_fold(course_code) LIKE '%fa-%'"})
      EXPECT_EQ(
          desk.exec("SELECT count(*) FROM training WHERE " + std::string(found)).getInt64(0, 0), 1)
          << found;
  }
}

TEST_F(ServerSchema, AnUpgradeThatFailsPartWayLeavesTheOlderTablesWhole) {
  server::Connection c = owner();
  server::prepareSchema(c, 1);
  // Something already takes the name a later step gives its index: the steps before it are
  // undone with it.
  c.run("CREATE TABLE training_course_code_trigrams (x int)");
  faultOf(Fault::Failed, [&] { server::prepareSchema(c); });
  EXPECT_EQ(server::schemaVersion(c), 1);
  EXPECT_FALSE(has(c, "(SELECT extname FROM pg_extension WHERE extname = 'pg_trgm')"));
  EXPECT_FALSE(has(c, "to_regclass('training_comments_trigrams')"));
}

TEST_F(ServerSchema, TablesOfANewerBuildAreRefusedAndLeftAsTheyAre) {
  server::Connection c = owner();
  server::prepareSchema(c);
  c.run("UPDATE verdimark_schema SET version = 7");
  const std::string message = faultOf(Fault::SchemaTooNew, [&] { server::prepareSchema(c); });
  EXPECT_NE(message.find("version 7, made by a newer Verdimark"), std::string::npos) << message;
  EXPECT_EQ(server::schemaVersion(c), 7);
}

TEST(ServerSchemaEncoding, ADatabaseThatDoesNotKeepItsTextInUtf8IsRefused) {
  ServerCluster& cluster = ServerCluster::shared();
  cluster.superuserSql("postgres",
                       "CREATE DATABASE latin OWNER vm_owner ENCODING 'LATIN1' LOCALE 'C' TEMPLATE "
                       "template0");
  server::Connection c(cluster.conninfo("latin", ServerCluster::kOwner));
  const std::string message = faultOf(Fault::SchemaNotReady, [&] { server::prepareSchema(c); });
  EXPECT_NE(message.find("LATIN1"), std::string::npos) << message;
  EXPECT_EQ(server::schemaVersion(c), 0);
}

struct ServerChecks : ServerTest {};

TEST_F(ServerChecks, TheDatabaseTakesOnlyTextThatFitsItsFieldInWindows1252) {
  server::Connection c = connect();
  struct Case {
    std::string firstName;  // 15 characters at most
    bool taken;
  };
  const Case cases[] = {
      {"Fifteen Letters", true},
      {"Sixteen Letters!", false},
      {"\xE2\x82\xAC\xC3\xA9\xC5\xB8\xC2\x81\xC3\xBF", true},  // € é Ÿ, the unassigned 0x81, ÿ
      {"\xC4\x80", false},                                     // Ā: not in Windows-1252
      {"\xC2\x80", false},                                     // U+0080: byte 0x80 is €
      {"\xE2\x86\x92", false},                                 // →
  };
  for (const Case& k : cases) {
    const auto insert = [&] {
      c.exec(
          "INSERT INTO persons (date_created, first_name, middle_name, last_name, "
          "organization, employee_id, comments, active) VALUES (1, $1, '', 'Lee', '', '', '', "
          "-1)",
          server::Params().text(k.firstName));
    };
    if (k.taken)
      insert();
    else
      faultOf(Fault::Refused, insert);
  }
  EXPECT_EQ(count(c, "persons"), 2);
}

TEST_F(ServerChecks, TheServerFoldsLetterCaseAsTheProgramDoesForEveryCharacter) {
  server::Connection c = connect();
  std::string every;
  for (int b = 1; b < 256; ++b) every += format::cp1252ToUtf8(std::string(1, static_cast<char>(b)));
  EXPECT_EQ(c.exec("SELECT verdimark_fold($1)", server::Params().text(every)).getText(0, 0),
            format::lowerCase(every));
}

TEST_F(ServerChecks, TheDesksMayAddAndReadLogLinesButNeverChangeOrRemoveThem) {
  server::Connection c = connect();
  for (const std::string log : {"change_log", "user_log"}) {
    c.run("INSERT INTO " + log + " (line) VALUES ('12/08/2026 10:30:00')");
    EXPECT_EQ(count(c, log), 1);
    for (const std::string& statement :
         {"UPDATE " + log + " SET line = 'forged'", "DELETE FROM " + log, "TRUNCATE " + log})
      faultOf(Fault::NotPermitted, [&] { c.run(statement); });
  }
  faultOf(Fault::NotPermitted, [&] { c.run("UPDATE verdimark_schema SET version = 1"); });
  faultOf(Fault::NotPermitted, [&] { c.run("CREATE TABLE mine (x int)"); });
  // The records themselves are the desks' to change.
  c.run("UPDATE persons SET active = 0");
}

}  // namespace
}  // namespace vm::test
