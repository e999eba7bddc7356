// SPDX-License-Identifier: GPL-3.0-or-later
// A connection's stop check: consulted while a statement runs, its stop cancels the statement on
// the server and takes the transaction back; a commit is never stopped; a lost connection is still
// told as lost.
#include <signal.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "server/server_records.h"
#include "server/server_test.h"
#include "store/work_stopped.h"

namespace vm::test {
namespace {

using Clock = std::chrono::steady_clock;

struct StopCheckTest : ServerTest {
  server::Connection c = connect();
  server::Connection watcher = connect();

  std::int64_t running(const std::string& like) {
    return watcher
        .exec("SELECT count(*) FROM pg_stat_activity WHERE state = 'active' AND query LIKE $1",
              server::Params().text(like))
        .getInt64(0, 0);
  }
};

TEST_F(StopCheckTest, AStopWhileAStatementRunsCancelsItAndChangesNothing) {
  using Work = std::function<void(server::Connection&)>;
  const std::pair<const char*, Work> cases[] = {
      {"a statement with parameters",
       [](server::Connection& c) { c.exec("SELECT pg_sleep($1)", server::Params().add(60.0)); }},
      {"a script", [](server::Connection& c) { c.run("SELECT 1; SELECT pg_sleep(60)"); }},
  };
  for (const auto& [name, work] : cases) {
    SCOPED_TRACE(name);
    int asked = 0;
    const server::Connection::StopCheck check(c, [&] {
      if (++asked == 3) throw store::WorkStopped();
    });
    const auto start = Clock::now();
    EXPECT_THROW(c.transaction([&] {
      c.exec("INSERT INTO user_log (line) VALUES ('half')");
      work(c);
    }),
                 store::WorkStopped);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(asked, 3);
    EXPECT_FALSE(c.inTransaction());
    EXPECT_EQ(running("%pg_sleep%"), 0);
    EXPECT_EQ(count(c, "user_log"), 0);
  }
}

TEST_F(StopCheckTest, ACommitIsNeverStopped) {
  cluster.superuserSql(database, R"(
    CREATE FUNCTION slow_commit() RETURNS trigger LANGUAGE plpgsql AS $$
    BEGIN PERFORM pg_sleep(0.3); RETURN NULL; END $$;
    CREATE CONSTRAINT TRIGGER slow_commit AFTER INSERT ON user_log DEFERRABLE INITIALLY DEFERRED
      FOR EACH ROW EXECUTE FUNCTION slow_commit();)");
  int asked = 0;
  bool committing = false;
  const server::Connection::StopCheck check(c, [&] {
    ++asked;
    if (committing) throw store::WorkStopped();
  });
  c.transaction([&] {
    c.exec("SELECT pg_sleep(0.2)");
    c.exec("INSERT INTO user_log (line) VALUES ('kept')");
    committing = true;
  });
  EXPECT_GT(asked, 0);  // the statement before was checked
  EXPECT_EQ(count(c, "user_log"), 1);
}

TEST_F(StopCheckTest, AConnectionLostWhileTheCheckIsConsultedIsToldAsLost) {
  std::atomic<int> asked = 0;
  const server::Connection::StopCheck check(c, [&] { ++asked; });
  // The connection is cut once the check has been consulted during the statement.
  std::thread killer([&] {
    server::Connection k = connect();
    while (asked == 0) std::this_thread::yield();
    k.exec(
        "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE query = 'SELECT "
        "pg_sleep(60)'");
  });
  faultOf(server::Fault::ConnectionLost, [&] { c.exec("SELECT pg_sleep(60)"); });
  killer.join();
  EXPECT_GT(asked, 0);
}

// A server that takes a statement and then answers nothing, not even its cancel (here its process
// is stopped): the stop is told within the connect time-out, and the connection is found lost.
TEST_F(StopCheckTest, AStopOnAServerThatAnswersNothingIsToldWithinTheConnectTimeOut) {
  server::Connection hung(cluster.conninfo(database), std::chrono::seconds(2));
  const pid_t backend = hung.exec("SELECT pg_backend_pid()").getInt32(0, 0);
  if (::kill(backend, SIGSTOP) != 0) GTEST_SKIP() << "the server's process cannot be stopped";
  int asked = 0;
  const auto start = Clock::now();
  {
    const server::Connection::StopCheck check(hung, [&] {
      if (++asked == 2) throw store::WorkStopped();
    });
    EXPECT_THROW(hung.exec("SELECT 1"), store::WorkStopped);
  }
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
  ::kill(backend, SIGCONT);
  faultOf(server::Fault::ConnectionLost, [&] { hung.exec("SELECT 1"); });
}

// Without a stop check, as in a save, a server that answers nothing is given up after twice the
// connect time-out, and told as a lost connection, rather than waited for for good.
TEST_F(StopCheckTest, AQuickStatementTheServerDoesNotAnswerIsGivenUp) {
  server::Connection hung(cluster.conninfo(database), std::chrono::seconds(2));
  const pid_t backend = hung.exec("SELECT pg_backend_pid()").getInt32(0, 0);
  if (::kill(backend, SIGSTOP) != 0) GTEST_SKIP() << "the server's process cannot be stopped";
  const auto start = Clock::now();
  faultOf(server::Fault::ConnectionLost, [&] { hung.exec("SELECT 1"); });
  EXPECT_GE(Clock::now() - start, std::chrono::seconds(4));
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(9));
  ::kill(backend, SIGCONT);
}

// What the check lets run meanwhile (a window's timer asking for other desks' changes) is told
// nothing until the statement is answered, so that no list is read in the middle of it.
TEST_F(StopCheckTest, OtherDesksChangesWaitUntilTheStatementIsAnswered) {
  server::ServerRecords mine(c);
  server::Connection other = connect();
  server::ServerRecords theirs(other);
  store::NameRecord ann;
  ann.LastName = "Lee";
  theirs.addPerson(kDesk2, ann);
  records::ChangedLists toldMeanwhile;
  int asked = 0;
  {
    const server::Connection::StopCheck check(c, [&] {
      ++asked;
      toldMeanwhile.add(mine.changedElsewhere({.persons = true}));
    });
    c.exec("SELECT pg_sleep(0.3)");
  }
  EXPECT_GT(asked, 0);
  EXPECT_FALSE(toldMeanwhile.any());
  EXPECT_TRUE(mine.changedElsewhere({.persons = true}).persons);
}

}  // namespace
}  // namespace vm::test
