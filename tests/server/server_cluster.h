// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vm::test {

// A throw-away database cluster for the tests of one test program: made by initdb in a fresh
// temporary folder and listening only on a socket in that folder, with a template database set up
// by scripts/server-setup and readied for the program by its owner. Each test takes a fresh
// database copied from the template. Started by root (as CI and `make test` are), the server runs
// as the system's postgres account, which owns the folder; otherwise as the user. The cluster is
// stopped and its folder removed at the end, and, should the test program die first, by a watch
// process that outlives it.
class ServerCluster {
 public:
  // The roles every database of the cluster knows.
  static constexpr const char* kAdmin = "vm_admin";      // superuser
  static constexpr const char* kOwner = "vm_owner";      // owns the databases and their tables
  static constexpr const char* kProgram = "vm_program";  // the desks' role
  static constexpr const char* kLocked = "vm_locked";    // logs in by password only
  static constexpr const char* kLockedPassword = "right-password";

  ServerCluster();
  ~ServerCluster();
  ServerCluster(const ServerCluster&) = delete;
  ServerCluster& operator=(const ServerCluster&) = delete;

  // The one cluster of this test program, started on first use.
  static ServerCluster& shared();

  // A fresh database copied from the template (tables of the current version, no records), and
  // the connection string to it as `role`.
  std::string freshDatabase();
  std::string conninfo(const std::string& database, const std::string& role = kProgram) const;
  // A database with nothing in it, made by the setup script, not readied.
  std::string emptyDatabase();

  // Stops the server at once, as a crash or a pulled plug would, and starts it again (a server
  // that runs is left as it is).
  void stop();
  void start();

  // Runs SQL as the superuser (test set-ups the program's roles may not make).
  void superuserSql(const std::string& database, const std::string& sql) const;

  const std::string& folder() const { return folder_; }
  int port() const { return port_; }

 private:
  std::string asServerUser(const std::string& command) const;
  void run(const std::string& command) const;
  void watch();

  std::string folder_;
  std::string bin_;
  int port_ = 0;
  int databases_ = 0;
  int watchPipe_ = -1;
  bool running_ = false;
};

}  // namespace vm::test
