// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace vm::server {

// What went wrong with the database server, sorted by what the user can do about it. The
// message of every fault names the server and says whether anything was changed.
enum class Fault {
  CannotReach,      // no server answered at the address within the connect time-out
  LogInRefused,     // the server refused the role, its password or its access to the database
  DatabaseMissing,  // the server has no database of that name
  SchemaTooNew,     // a newer build of the program made the database's tables
  SchemaNotReady,   // the tables are missing or older, and this role may not make them
  DiskFull,         // the server's disk is full
  ConnectionLost,   // the connection broke off
  Busy,             // the records stayed locked, or in conflict, beyond the waiting and retries
  Refused,          // the database's checks refused a value (a width, a character)
  NotPermitted,     // the role lacks the privilege
  Failed,           // anything else the server reported
};

// A failure of the server or of the connection to it. what() is the message for the user.
class ServerError : public std::runtime_error {
 public:
  ServerError(Fault fault, std::string server, const std::string& message,
              std::string sqlState = {}, bool commitInDoubt = false)
      : std::runtime_error(message),
        fault_(fault),
        server_(std::move(server)),
        sqlState_(std::move(sqlState)),
        commitInDoubt_(commitInDoubt) {}

  Fault fault() const { return fault_; }
  // The server as the message names it: "host:port".
  const std::string& server() const { return server_; }
  // The five-character SQLSTATE the server gave, empty when the failure was the connection's.
  const std::string& sqlState() const { return sqlState_; }
  // The connection broke after the commit was sent and before its answer came, so whether the
  // work was saved is not known (ConnectionLost only).
  bool commitInDoubt() const { return commitInDoubt_; }
  // A serialization failure or a deadlock: the same work done again may well succeed.
  bool worthRetrying() const { return sqlState_ == "40001" || sqlState_ == "40P01"; }

 private:
  Fault fault_;
  std::string server_;
  std::string sqlState_;
  bool commitInDoubt_;
};

}  // namespace vm::server
