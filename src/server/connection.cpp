// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/connection.h"

#include <libpq-fe.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <optional>
#include <random>
#include <system_error>
#include <thread>
#include <utility>

#include "server/fault_text.h"
#include "server/host_lookup.h"

namespace vm::server {

struct Result::Handle {
  PGresult* result;
  ~Handle() { PQclear(result); }
};

struct Connection::Impl {
  std::string conninfo;
  std::chrono::seconds timeout;
  PGconn* conn = nullptr;
  std::string server;
  std::vector<std::string> channels;
  std::vector<Notification> notifications;  // arrived, not taken yet

  ~Impl() { PQfinish(conn); }
};

namespace {

std::string valueOr(const char* value, std::string_view otherwise) {
  return value && *value ? std::string(value) : std::string(otherwise);
}

// "host:port" of a connection string before it is made: what it names, else the library's
// defaults (the environment's PGHOST and PGPORT included).
std::string serverNamed(const std::string& conninfo) {
  std::string host, port;
  if (PQconninfoOption* defaults = PQconndefaults()) {
    for (PQconninfoOption* o = defaults; o->keyword; ++o) {
      if (std::string_view(o->keyword) == "host") host = valueOr(o->val, "");
      if (std::string_view(o->keyword) == "port") port = valueOr(o->val, "");
    }
    PQconninfoFree(defaults);
  }
  if (PQconninfoOption* given = PQconninfoParse(conninfo.c_str(), nullptr)) {
    for (PQconninfoOption* o = given; o->keyword; ++o) {
      if (!o->val || !*o->val) continue;
      if (std::string_view(o->keyword) == "host" || std::string_view(o->keyword) == "hostaddr")
        host = o->val;
      if (std::string_view(o->keyword) == "port") port = o->val;
    }
    PQconninfoFree(given);
  }
  return (host.empty() ? "localhost" : host) + ":" + (port.empty() ? "5432" : port);
}

// A value as a connection string takes it: plain where it can be, else quoted, with its quotes
// and backslashes escaped.
std::string quotedValue(std::string_view value) {
  if (value.find_first_of(" \t\n\r\v\f'\\") == std::string_view::npos) return std::string(value);
  std::string out = "'";
  for (const char c : value) {
    if (c == '\'' || c == '\\') out += '\\';
    out += c;
  }
  return out + "'";
}

std::string field(const PGresult* r, int code) { return valueOr(PQresultErrorField(r, code), ""); }

}  // namespace

std::optional<PasswordApart> splitPassword(const std::string& conninfo) {
  PQconninfoOption* given = PQconninfoParse(conninfo.c_str(), nullptr);
  if (!given) return std::nullopt;
  std::string out;
  std::optional<std::string> password;
  for (PQconninfoOption* o = given; o->keyword; ++o) {
    if (!o->val || !*o->val) continue;
    if (std::string_view(o->keyword) == "password") {
      password = o->val;
      continue;
    }
    if (!out.empty()) out += ' ';
    out += std::string(o->keyword) + "=" + quotedValue(o->val);
  }
  PQconninfoFree(given);
  if (!password) return PasswordApart{conninfo, {}};
  return PasswordApart{out, *password};
}

std::optional<std::string> conninfoWithoutPassword(const std::string& conninfo) {
  const std::optional<PasswordApart> apart = splitPassword(conninfo);
  if (!apart) return std::nullopt;
  return apart->conninfo;
}

Result::Result(Handle* handle) : handle_(handle) {}
Result::~Result() = default;
Result::Result(Result&&) noexcept = default;
Result& Result::operator=(Result&&) noexcept = default;

int Result::rows() const { return PQntuples(handle_->result); }
int Result::columns() const { return PQnfields(handle_->result); }

std::int64_t Result::affected() const {
  const char* n = PQcmdTuples(handle_->result);
  return n && *n ? std::stoll(n) : 0;
}

bool Result::isNull(int row, int column) const {
  return PQgetisnull(handle_->result, row, column) != 0;
}

std::string_view Result::raw(int row, int column) const {
  return {PQgetvalue(handle_->result, row, column),
          static_cast<std::size_t>(PQgetlength(handle_->result, row, column))};
}

std::string_view Result::sized(int row, int column, std::size_t bytes) const {
  const std::string_view v = raw(row, column);
  if (v.size() != bytes)
    throw std::logic_error("column " + std::to_string(column) + " holds " +
                           std::to_string(v.size()) + " bytes, not " + std::to_string(bytes));
  return v;
}

double Result::getDouble(int row, int column) const {
  return wire::readDouble(sized(row, column, 8));
}
float Result::getSingle(int row, int column) const {
  return wire::readSingle(sized(row, column, 4));
}
std::int16_t Result::getInt16(int row, int column) const {
  return static_cast<std::int16_t>(wire::readBig<std::uint16_t>(sized(row, column, 2)));
}
std::int32_t Result::getInt32(int row, int column) const {
  return static_cast<std::int32_t>(wire::readBig<std::uint32_t>(sized(row, column, 4)));
}
std::int64_t Result::getInt64(int row, int column) const {
  return static_cast<std::int64_t>(wire::readBig<std::uint64_t>(sized(row, column, 8)));
}
bool Result::getBool(int row, int column) const { return sized(row, column, 1)[0] != 0; }

Connection::Connection(const std::string& conninfo, std::chrono::seconds connectTimeout)
    : impl_(std::make_unique<Impl>()) {
  impl_->conninfo = conninfo;
  impl_->timeout = std::max(connectTimeout, std::chrono::seconds(2));
  impl_->server = serverNamed(conninfo);
  connect();
}

Connection::~Connection() = default;
Connection::Connection(Connection&&) noexcept = default;
Connection& Connection::operator=(Connection&&) noexcept = default;

void Connection::connect() {
  const std::string seconds = std::to_string(impl_->timeout.count());
  const std::string idle = std::to_string(std::max<long>(1, impl_->timeout.count() / 2));
  const std::string userTimeout = std::to_string(impl_->timeout.count() * 1000);
  std::optional<HostAddresses> looked;
  try {
    looked = lookUpHosts(impl_->conninfo, impl_->timeout);
  } catch (const HostLookupTooSlow& slow) {
    fail(Fault::CannotReach,
         "The address of \"" + slow.host + "\" was not found within " + seconds + " seconds.");
  }
  // Settings before the connection string are the program's defaults, which the string may
  // override; the addresses looked up and the encoding after it are always the program's.
  std::vector<const char*> keywords = {
      "connect_timeout",     "keepalives",       "keepalives_idle",
      "keepalives_interval", "keepalives_count", "tcp_user_timeout",
      "application_name",    "dbname",           "client_encoding"};
  std::vector<const char*> values = {
      seconds.c_str(),         "1",   idle.c_str(), "1", "3", userTimeout.c_str(), "Verdimark",
      impl_->conninfo.c_str(), "UTF8"};
  if (looked) {
    keywords.insert(keywords.end(), {"host", "hostaddr"});
    values.insert(values.end(), {looked->hosts.c_str(), looked->addresses.c_str()});
  }
  keywords.push_back(nullptr);
  values.push_back(nullptr);
  PQfinish(impl_->conn);
  impl_->conn = PQconnectdbParams(keywords.data(), values.data(), 1);
  if (!impl_->conn) fail(Fault::CannotReach, "out of memory");
  if (PQstatus(impl_->conn) != CONNECTION_OK) {
    const std::string text = PQerrorMessage(impl_->conn);
    fail(faultOfConnectFailure(text), text);
  }
  impl_->server =
      valueOr(PQhost(impl_->conn), "localhost") + ":" + valueOr(PQport(impl_->conn), "5432");
  // The server's notices (a shutdown under way, a privilege not revoked) are no message for the
  // user; what matters comes as a failure.
  PQsetNoticeProcessor(
      impl_->conn, [](void*, const char*) {}, nullptr);
  // A record locked at another desk is waited for as long as a connection is.
  // Backslashes in SQL text are plain characters, whatever the server's default.
  run("SET lock_timeout = " + std::to_string(impl_->timeout.count() * 1000) +
      "; SET standard_conforming_strings = on");
  for (const std::string& channel : impl_->channels) listen(channel);
}

void Connection::reconnect() {
  depth_ = 0;
  connect();
}

const std::string& Connection::server() const { return impl_->server; }
std::string Connection::database() const { return valueOr(PQdb(impl_->conn), ""); }
std::string Connection::user() const { return valueOr(PQuser(impl_->conn), ""); }

void Connection::fail(Fault fault, std::string_view detail, std::string sqlState,
                      bool commitInDoubt) const {
  throw ServerError(fault, impl_->server, faultMessage(fault, impl_->server, detail, commitInDoubt),
                    std::move(sqlState), commitInDoubt);
}

namespace {

// Whether the result is one of a statement that succeeded.
bool succeeded(const PGresult* r) {
  switch (PQresultStatus(r)) {
    case PGRES_COMMAND_OK:
    case PGRES_TUPLES_OK:
    case PGRES_COPY_IN:
    case PGRES_EMPTY_QUERY:
      return true;
    default:
      return false;
  }
}

}  // namespace

Result Connection::exec(std::string_view sql, const Params& params) {
  Result result = answer(std::string(sql), &params, true);
  if (succeeded(result.handle_->result)) return result;
  failOn(result);
}

void Connection::run(std::string_view sql) { runScript(sql, true); }

void Connection::runScript(std::string_view sql, bool stoppable) {
  const Result result = answer(std::string(sql), nullptr, stoppable);
  if (succeeded(result.handle_->result)) return;
  failOn(result);
}

Result Connection::answer(const std::string& sql, const Params* params, bool stoppable) {
  PGconn* conn = impl_->conn;
  int sent = 0;
  if (params) {
    const std::size_t n = params->size();
    std::vector<const char*> values(n);
    std::vector<int> lengths(n);
    std::vector<int> formats(n, 1);
    std::vector<Oid> types(n);
    for (std::size_t i = 0; i < n; ++i) {
      values[i] = params->isNull(i) ? nullptr : params->value(i).data();
      lengths[i] = static_cast<int>(params->value(i).size());
      types[i] = params->type(i);
    }
    sent = PQsendQueryParams(conn, sql.c_str(), static_cast<int>(n), types.data(), values.data(),
                             lengths.data(), formats.data(), 1);
  } else {
    sent = PQsendQuery(conn, sql.c_str());
  }
  if (sent && stoppable) awaitAnswer();
  std::optional<Result> kept;
  while (PGresult* r = sent ? PQgetResult(conn) : nullptr) {
    Result result(new Result::Handle{r});
    const ExecStatusType status = PQresultStatus(r);
    if (!kept || succeeded(kept->handle_->result)) kept.emplace(std::move(result));
    // A copy's result stands until the copy ends, which is startCopy's business.
    if (status == PGRES_COPY_IN || status == PGRES_COPY_OUT || status == PGRES_COPY_BOTH) break;
  }
  if (kept) return std::move(*kept);
  return Result(new Result::Handle{nullptr});
}

// Reads what comes while the statement runs, asking the stop check between reads; a stop cancels
// the statement and waits for the server to end it. A connection lost meanwhile is left to the
// results to tell.
void Connection::awaitAnswer() {
  using Clock = std::chrono::steady_clock;
  constexpr std::chrono::milliseconds kEvery{40};
  PGconn* conn = impl_->conn;
  auto asked = Clock::now();
  // Without a stop check the statement is one of the quick ones of everyday work: a server that
  // has not answered it within twice the connect time-out (a lock is waited for once) is not
  // answering at all, as a machine that hangs, and the connection is given up rather than the
  // window held for good.
  const auto patience = 2 * impl_->timeout;
  const auto deadline = asked + patience;
  awaiting_ = true;
  try {
    while (PQconsumeInput(conn) && PQisBusy(conn)) {
      if (Clock::now() - asked >= kEvery) {
        if (stopCheck_)
          stopCheck_();
        else if (Clock::now() >= deadline)
          fail(Fault::ConnectionLost, "The server gave no answer within " +
                                          std::to_string(patience.count()) + " seconds.");
        asked = Clock::now();
      }
      pollfd watched{PQsocket(conn), POLLIN, 0};
      ::poll(&watched, 1, static_cast<int>(kEvery.count()));
    }
  } catch (...) {
    awaiting_ = false;
    cancelStatement();
    throw;
  }
  awaiting_ = false;
}

void Connection::cancelStatement() noexcept {
  using Clock = std::chrono::steady_clock;
  PGconn* conn = impl_->conn;
  // The request goes on a thread of its own, for the library waits for the server to take it.
  if (PGcancel* cancel = PQgetCancel(conn)) {
    try {
      std::thread([cancel] {
        char error[256];
        PQcancel(cancel, error, sizeof error);
        PQfreeCancel(cancel);
      }).detach();
    } catch (const std::system_error&) {
      PQfreeCancel(cancel);
    }
  }
  // The statement's end is waited for as long as a connection is; a server that does not answer
  // by then answers nothing, and the connection is given up (the next statement finds it lost).
  const auto until = Clock::now() + impl_->timeout;
  while (PQconsumeInput(conn) && PQisBusy(conn)) {
    if (Clock::now() >= until) {
      ::shutdown(PQsocket(conn), SHUT_RDWR);
      break;
    }
    pollfd watched{PQsocket(conn), POLLIN, 0};
    ::poll(&watched, 1, 100);
  }
  while (PGresult* r = PQgetResult(conn)) PQclear(r);
}

Connection::StopCheck::StopCheck(Connection& connection, std::function<void()> check)
    : connection_(connection), outer_(std::exchange(connection.stopCheck_, std::move(check))) {}

Connection::StopCheck::~StopCheck() { connection_.stopCheck_ = std::move(outer_); }

void Connection::begin(TxMode mode) {
  run(mode == TxMode::Snapshot ? "BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY" : "BEGIN");
  depth_ = 1;
}

void Connection::commit() {
  try {
    runScript("COMMIT", false);
  } catch (const ServerError& e) {
    depth_ = 0;
    if (e.fault() == Fault::ConnectionLost && e.sqlState().empty())
      fail(Fault::ConnectionLost, PQerrorMessage(impl_->conn), {}, true);
    throw;
  }
  depth_ = 0;
}

void Connection::rollback() noexcept {
  depth_ = 0;
  // A cancel that reached the server late may stop the first ROLLBACK; the second ends the
  // transaction all the same.
  for (int i = 0; i < 2 && PQstatus(impl_->conn) == CONNECTION_OK &&
                  PQtransactionStatus(impl_->conn) != PQTRANS_IDLE;
       ++i)
    PQclear(PQexec(impl_->conn, "ROLLBACK"));
}

void Connection::pauseBeforeAttempt(int attempt) {
  thread_local std::minstd_rand random(std::random_device{}());
  std::uniform_int_distribution<int> ms(5, 20 * attempt);
  std::this_thread::sleep_for(std::chrono::milliseconds(ms(random)));
}

void Connection::listen(std::string_view channel) {
  char* quoted = PQescapeIdentifier(impl_->conn, channel.data(), channel.size());
  if (!quoted) fail(Fault::Failed, PQerrorMessage(impl_->conn));
  const std::string statement = "LISTEN " + std::string(quoted);
  PQfreemem(quoted);
  run(statement);
  if (std::find(impl_->channels.begin(), impl_->channels.end(), channel) == impl_->channels.end())
    impl_->channels.emplace_back(channel);
}

void Connection::consumeNotifications() {
  if (!PQconsumeInput(impl_->conn)) fail(Fault::ConnectionLost, PQerrorMessage(impl_->conn));
  while (PGnotify* n = PQnotifies(impl_->conn)) {
    impl_->notifications.push_back({n->relname, n->extra});
    PQfreemem(n);
  }
}

std::vector<Notification> Connection::takeNotifications() {
  consumeNotifications();
  return std::exchange(impl_->notifications, {});
}

bool Connection::waitForNotifications(std::chrono::milliseconds wait) {
  using Clock = std::chrono::steady_clock;
  const auto until = Clock::now() + wait;
  for (;;) {
    consumeNotifications();
    if (!impl_->notifications.empty()) return true;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
    if (left.count() <= 0) return false;
    pollfd watched{PQsocket(impl_->conn), POLLIN, 0};
    if (::poll(&watched, 1, static_cast<int>(left.count())) == 0) return false;
  }
}

int Connection::socket() const { return PQsocket(impl_->conn); }

void Connection::startCopy(std::string_view copySql) {
  const std::string statement(copySql);
  PGresult* r = PQexec(impl_->conn, statement.c_str());
  const Result result(new Result::Handle{r});
  if (r && PQresultStatus(r) == PGRES_COPY_IN) return;
  failOn(result);
}

void Connection::putCopyData(std::string_view data) {
  if (PQputCopyData(impl_->conn, data.data(), static_cast<int>(data.size())) != 1)
    fail(Fault::ConnectionLost, PQerrorMessage(impl_->conn));
}

void Connection::endCopy(const char* abort) {
  if (PQputCopyEnd(impl_->conn, abort) != 1) {
    if (abort) return;
    fail(Fault::ConnectionLost, PQerrorMessage(impl_->conn));
  }
  // The copy's result, then the end of the results.
  std::optional<Result> failed;
  while (PGresult* r = PQgetResult(impl_->conn)) {
    Result result(new Result::Handle{r});
    if (!succeeded(r) && !failed) failed.emplace(std::move(result));
  }
  if (failed && !abort) failOn(*failed);
}

void Connection::failOn(const Result& failed) {
  const PGresult* r = failed.handle_->result;
  const std::string state = r ? field(r, PG_DIAG_SQLSTATE) : std::string();
  // A failure the server did not report (it has no SQLSTATE) is the connection's own.
  const bool lost = PQstatus(impl_->conn) != CONNECTION_OK || state.empty();
  std::string detail = r ? field(r, PG_DIAG_MESSAGE_PRIMARY) : std::string();
  if (detail.empty()) detail = PQerrorMessage(impl_->conn);
  if (r && !field(r, PG_DIAG_MESSAGE_DETAIL).empty())
    detail += "\n" + field(r, PG_DIAG_MESSAGE_DETAIL);
  if (lost) depth_ = 0;
  fail(lost ? Fault::ConnectionLost : faultOfState(state), detail, state);
}

}  // namespace vm::server
