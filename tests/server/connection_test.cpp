// SPDX-License-Identifier: GPL-3.0-or-later
#include <chrono>
#include <thread>

#include "server/fault_text.h"
#include "server/server_test.h"

namespace vm::test {
namespace {

using server::Fault;

TEST(ServerConnection, EachWayOfFailingToConnectHasItsOwnFaultNamingTheServer) {
  ServerCluster& cluster = ServerCluster::shared();
  const std::string name = cluster.folder() + ":" + std::to_string(cluster.port());
  struct Case {
    std::string conninfo;
    Fault fault;
    std::string names;
  };
  const Case cases[] = {
      {cluster.conninfo("postgres", "nobody"), Fault::LogInRefused, name},
      {cluster.conninfo("postgres", ServerCluster::kLocked) + " password=wrong",
       Fault::LogInRefused, name},
      {cluster.conninfo("no_such_database"), Fault::DatabaseMissing, name},
      {"host=" + cluster.folder() + " port=1 dbname=postgres", Fault::CannotReach,
       cluster.folder() + ":1"},
      {"host=/nonexistent-folder port=5433", Fault::CannotReach, "/nonexistent-folder:5433"},
  };
  for (const Case& c : cases) {
    const std::string message =
        faultOf(c.fault, [&] { server::Connection connection(c.conninfo); });
    EXPECT_NE(message.find("\"" + c.names + "\""), std::string::npos) << message;
    EXPECT_EQ(message.find('\t'), std::string::npos) << message;  // no gap in the box
  }
  // The right password is let in.
  server::Connection(cluster.conninfo("postgres", ServerCluster::kLocked) +
                     " password=" + ServerCluster::kLockedPassword);
}

// What is remembered of a connection string lets the same role in, and never holds its password.
TEST(ServerConnection, AConnectionStringIsRememberedWithoutItsPassword) {
  ServerCluster& cluster = ServerCluster::shared();
  const std::string locked = cluster.conninfo("postgres", ServerCluster::kLocked);
  const std::string odd = cluster.conninfo("postgres") + " application_name='it\\'s a \\\\ desk'";
  EXPECT_EQ(server::conninfoWithoutPassword(odd), odd);  // none to take out: kept as typed
  EXPECT_EQ(server::conninfoWithoutPassword("host='unclosed"), std::nullopt);
  struct Case {
    std::string typed;
    std::string kept;  // a part of what is kept
  };
  const Case cases[] = {
      {locked + " password=" + ServerCluster::kLockedPassword, "user=vm_locked"},
      {"postgresql://vm_locked:" + std::string(ServerCluster::kLockedPassword) +
           "@/postgres?host=" + cluster.folder() + "&port=" + std::to_string(cluster.port()),
       "dbname=postgres"},
      {odd + " password=x", "application_name='it\\'s a \\\\ desk'"},
  };
  for (const Case& c : cases) {
    const std::optional<std::string> kept = server::conninfoWithoutPassword(c.typed);
    ASSERT_TRUE(kept) << c.typed;
    EXPECT_EQ(kept->find("password"), std::string::npos) << *kept;
    EXPECT_EQ(kept->find(ServerCluster::kLockedPassword), std::string::npos) << *kept;
    EXPECT_NE(kept->find(c.kept), std::string::npos) << *kept;
    EXPECT_EQ(server::conninfoWithoutPassword(*kept), kept);
  }
  // Without its password the locked role is refused; the rest of the string still reaches it.
  faultOf(Fault::LogInRefused,
          [&] { server::Connection(*server::conninfoWithoutPassword(cases[1].typed)); });
  const server::Connection connected(*server::conninfoWithoutPassword(cases[2].typed));
}

TEST(ServerConnection, AServerThatDoesNotAnswerIsGivenUpAfterTheConnectTimeOut) {
  const auto start = std::chrono::steady_clock::now();
  // An address of a private network that nothing answers from (or that is not routed at all).
  faultOf(Fault::CannotReach,
          [] { server::Connection("host=10.255.255.1 port=5432", std::chrono::seconds(2)); });
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
}

TEST(ServerConnection, FaultsAreSortedBySqlState) {
  const std::pair<const char*, Fault> cases[] = {
      {"53100", Fault::DiskFull},       {"08006", Fault::ConnectionLost},
      {"57P01", Fault::ConnectionLost}, {"40001", Fault::Busy},
      {"40P01", Fault::Busy},           {"55P03", Fault::Busy},
      {"23514", Fault::Refused},        {"22001", Fault::Refused},
      {"42501", Fault::NotPermitted},   {"42P01", Fault::Failed},
  };
  for (const auto& [state, fault] : cases)
    EXPECT_EQ(static_cast<int>(server::faultOfState(state)), static_cast<int>(fault)) << state;
}

struct ServerFaults : ServerTest {};

TEST_F(ServerFaults, AFullDiskIsToldAndTheTransactionLeavesNothing) {
  cluster.superuserSql(database, R"(
    CREATE FUNCTION disk_full() RETURNS trigger LANGUAGE plpgsql AS $$
    BEGIN RAISE EXCEPTION 'could not extend file' USING ERRCODE = '53100'; END $$;
    CREATE TRIGGER disk_full BEFORE INSERT ON user_log FOR EACH ROW EXECUTE FUNCTION disk_full();)");
  server::Connection c = connect();
  const std::string message = faultOf(Fault::DiskFull, [&] {
    c.transaction([&] {
      c.exec("INSERT INTO change_log (line) VALUES ('a')");
      c.exec("INSERT INTO user_log (line) VALUES ('b')");
    });
  });
  EXPECT_NE(message.find("no room left on its disk"), std::string::npos) << message;
  EXPECT_EQ(count(c, "change_log"), 0);
}

TEST_F(ServerFaults, ALostConnectionIsToldAndMadeAgainOnRequest) {
  server::Connection c = connect();
  cluster.superuserSql("postgres",
                       "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE "
                       "datname = '" +
                           database + "' AND usename = 'vm_program'");
  const std::string message = faultOf(Fault::ConnectionLost, [&] { c.exec("SELECT 1"); });
  EXPECT_NE(message.find("was not saved"), std::string::npos) << message;
  c.reconnect();
  EXPECT_EQ(c.exec("SELECT 41 + 1").getInt32(0, 0), 42);
}

// The server's end closes the connection: a statement under way fails at once, not after a wait,
// and the connection is made again, listening again, once the server is back.
TEST_F(ServerFaults, AStatementUnderWayWhenTheServerStopsFailsAtOnce) {
  server::Connection c(cluster.conninfo(database), std::chrono::seconds(2));
  c.listen("verdimark_changes");
  std::thread stopper([&] {
    server::Connection watcher = connect();
    while (watcher.exec("SELECT count(*) FROM pg_stat_activity WHERE query = 'SELECT pg_sleep(60)'")
               .getInt64(0, 0) == 0) {
    }
    cluster.stop();
  });
  const auto start = std::chrono::steady_clock::now();
  faultOf(Fault::ConnectionLost, [&] { c.exec("SELECT pg_sleep(60)"); });
  stopper.join();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  faultOf(Fault::CannotReach, [&] { c.reconnect(); });
  cluster.start();
  c.reconnect();
  server::Connection writer = connect();
  writer.run("INSERT INTO user_log (line) VALUES ('x')");
  EXPECT_TRUE(c.waitForNotifications(std::chrono::seconds(2)));
}

TEST_F(ServerFaults, ARecordLockedElsewhereIsWaitedForOnlyAsLongAsTheConnectTimeOut) {
  server::Connection holder = connect();
  server::Connection waiter(cluster.conninfo(database), std::chrono::seconds(2));
  holder.run("BEGIN; LOCK TABLE persons IN ACCESS EXCLUSIVE MODE");
  const auto start = std::chrono::steady_clock::now();
  faultOf(Fault::Busy, [&] { waiter.exec("SELECT count(*) FROM persons"); });
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
  holder.run("ROLLBACK");
}

TEST_F(ServerFaults, ASerializationFailureRunsTheWorkAgainFromTheStart) {
  server::Connection c = connect();
  int attempts = 0;
  c.transaction([&] {
    ++attempts;
    c.exec("INSERT INTO user_log (line) VALUES ('once')");
    if (attempts < 3)
      c.run("DO $$ BEGIN RAISE EXCEPTION 'conflict' USING ERRCODE = '40001'; END $$");
  });
  EXPECT_EQ(attempts, 3);
  EXPECT_EQ(count(c, "user_log"), 1);
  // Any other failure is not tried again.
  attempts = 0;
  faultOf(Fault::Failed, [&] {
    c.transaction([&] {
      ++attempts;
      c.exec("SELECT * FROM no_such_table");
    });
  });
  EXPECT_EQ(attempts, 1);
}

TEST_F(ServerFaults, AChangeIsAnnouncedToTheConnectionsThatListen) {
  server::Connection listener = connect();
  server::Connection writer = connect();
  listener.listen("verdimark_changes");
  EXPECT_FALSE(listener.waitForNotifications(std::chrono::milliseconds(50)));
  writer.run("INSERT INTO user_log (line) VALUES ('x')");
  ASSERT_TRUE(listener.waitForNotifications(std::chrono::seconds(2)));
  const auto notes = listener.takeNotifications();
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].channel, "verdimark_changes");
  EXPECT_EQ(notes[0].payload, "user_log");
}

}  // namespace
}  // namespace vm::test
