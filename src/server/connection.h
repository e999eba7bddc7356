// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "server/params.h"
#include "server/result.h"
#include "server/server_error.h"

namespace vm::server {

// How long the program waits for a server before it gives up: for a connection to be made, for
// a locked record to come free, for a silent network to answer.
inline constexpr std::chrono::seconds kDefaultConnectTimeout{10};

// One message another connection sent with NOTIFY on a channel this one listens to.
struct Notification {
  std::string channel;
  std::string payload;
};

// How a transaction sees the database: one that writes sees each statement's moment (and locks
// what it must keep), a snapshot reads everything as of one moment and writes nothing.
enum class TxMode { Write, Snapshot };

// The connection string without a password, so that it may be remembered: as it stands when it
// holds none, else written again from what the client library reads in it; nothing when the
// library cannot read it.
std::optional<std::string> conninfoWithoutPassword(const std::string& conninfo);
// The same, with the password that was taken out (empty when there was none), for a password to
// travel apart from the string.
struct PasswordApart {
  std::string conninfo;
  std::string password;
};
std::optional<PasswordApart> splitPassword(const std::string& conninfo);

// The program's one connection to a database server, over the server's client library. The
// connection string is the library's ("host=db1 dbname=verdimark user=desk"); text travels as
// UTF-8 whatever the string says. Every failure throws a ServerError whose message names the
// server ("host:port"). Not for use by two threads at once.
class Connection {
 public:
  // Connects, waiting at most `connectTimeout` (at least 2 seconds) for the server.
  explicit Connection(const std::string& conninfo,
                      std::chrono::seconds connectTimeout = kDefaultConnectTimeout);
  ~Connection();
  Connection(Connection&&) noexcept;
  Connection& operator=(Connection&&) noexcept;

  // "host:port", as messages name the server.
  const std::string& server() const;
  std::string database() const;
  std::string user() const;

  // One statement with its parameters; results come in binary form.
  Result exec(std::string_view sql, const Params& params = {});
  // Statements separated by semicolons, without parameters or rows.
  void run(std::string_view sql);

  // Runs `work` in one transaction and commits it; on any failure rolls it back and the failure
  // goes on, so that the work is saved whole or not at all. A serialization failure or a deadlock
  // runs the work again from the start (a few times, after a short random pause), so `work` must
  // do nothing outside the database that cannot be done twice. Inside a transaction, `work` simply
  // joins it.
  template <typename Work>
  auto transaction(Work&& work, TxMode mode = TxMode::Write) -> std::invoke_result_t<Work&>;
  bool inTransaction() const { return depth_ > 0; }
  // Whether a statement's answer is being awaited, with the stop check consulted: what the check
  // lets run meanwhile (a window's timer) must not send a statement of its own.
  bool awaitingAnswer() const { return awaiting_; }

  // While it lives, `check` is called every few hundredths of a second while the answer to a
  // statement is awaited, on the caller's thread (a window's check repaints it and looks for Esc).
  // What the check throws cancels the statement on the server and goes on to the caller, so that
  // the transaction is rolled back and the work changes nothing. A commit is never stopped: once
  // sent, its answer is awaited whatever the check would say. Without a check, a statement the
  // server has not answered within twice the connect time-out gives the connection up
  // (Fault::ConnectionLost): long work installs a check, even one that never stops.
  class StopCheck {
   public:
    StopCheck(Connection& connection, std::function<void()> check);
    ~StopCheck();
    StopCheck(const StopCheck&) = delete;
    StopCheck& operator=(const StopCheck&) = delete;

   private:
    Connection& connection_;
    std::function<void()> outer_;
  };

  // Notifications: LISTEN on a channel, then take what arrived. waitForNotifications returns
  // whether any arrived within `wait`; socket() is what an event loop watches for them.
  void listen(std::string_view channel);
  std::vector<Notification> takeNotifications();
  bool waitForNotifications(std::chrono::milliseconds wait);
  int socket() const;

  // Makes the connection again after it was lost (listening again on its channels).
  void reconnect();

  // For COPY (copy_rows.h).
  void startCopy(std::string_view copySql);
  void putCopyData(std::string_view data);
  // Ends the copy; with an `abort` reason the server throws away what it received.
  void endCopy(const char* abort = nullptr);

  // A failure of this connection's server, as thrown.
  [[noreturn]] void fail(Fault fault, std::string_view detail, std::string sqlState = {},
                         bool commitInDoubt = false) const;

 private:
  static constexpr int kAttempts = 8;

  void connect();
  void consumeNotifications();
  void runScript(std::string_view sql, bool stoppable);
  // Sends the statement(s) and gives the first failed result, else the last; `stoppable` lets the
  // stop check be consulted meanwhile.
  Result answer(const std::string& sql, const Params* params, bool stoppable);
  void awaitAnswer();
  void cancelStatement() noexcept;
  [[noreturn]] void failOn(const Result& failed);
  void begin(TxMode mode);
  void commit();
  void rollback() noexcept;
  static void pauseBeforeAttempt(int attempt);

  struct Impl;
  std::unique_ptr<Impl> impl_;
  int depth_ = 0;
  std::function<void()> stopCheck_;
  bool awaiting_ = false;
};

template <typename Work>
auto Connection::transaction(Work&& work, TxMode mode) -> std::invoke_result_t<Work&> {
  if (depth_ > 0) return work();
  for (int attempt = 1;; ++attempt) {
    begin(mode);
    try {
      if constexpr (std::is_void_v<std::invoke_result_t<Work&>>) {
        work();
        commit();
        return;
      } else {
        auto result = work();
        commit();
        return result;
      }
    } catch (const ServerError& e) {
      rollback();
      if (!e.worthRetrying() || attempt == kAttempts) throw;
    } catch (...) {
      rollback();
      throw;
    }
    pauseBeforeAttempt(attempt);
  }
}

}  // namespace vm::server
