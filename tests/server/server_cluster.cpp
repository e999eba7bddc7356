// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/server_cluster.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>

#include "server/connection.h"
#include "server/schema.h"

namespace vm::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTemplate = "vm_template";

std::string shellQuoted(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// The folder of the newest server binaries Debian installed, or "" to take them from PATH.
std::string serverBinaries() {
  std::string best;
  int bestVersion = -1;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator("/usr/lib/postgresql", ec)) {
    const std::string name = entry.path().filename().string();
    if (name.empty() || !std::isdigit(static_cast<unsigned char>(name[0])) ||
        !fs::exists(entry.path() / "bin" / "initdb"))
      continue;
    if (const int version = std::stoi(name); version > bestVersion) {
      bestVersion = version;
      best = (entry.path() / "bin").string() + "/";
    }
  }
  return best;
}

bool isRoot() { return ::geteuid() == 0; }

// The open admin connection to the cluster's "postgres" database, made again after a restart.
std::optional<server::Connection>& adminConnection() {
  static std::optional<server::Connection> connection;
  return connection;
}

}  // namespace

ServerCluster::ServerCluster() {
  // Short, so that the socket's path stays within the system's limit.
  char folder[] = "/tmp/vm-pg-XXXXXX";
  if (!::mkdtemp(folder)) throw std::runtime_error("cannot make a folder for the test server");
  folder_ = folder;
  bin_ = serverBinaries();
  port_ = 20000 + static_cast<int>(::getpid() % 20000);
  if (isRoot()) {
    const passwd* account = ::getpwnam("postgres");
    if (!account)
      throw std::runtime_error("the postgres account is missing: run scripts/install-deps");
    if (::chown(folder_.c_str(), account->pw_uid, account->pw_gid) != 0)
      throw std::runtime_error("cannot give the test server's folder to the postgres account");
  }
  watch();
  run(asServerUser(bin_ + "initdb -D " + shellQuoted(folder_ + "/data") + " -U " + kAdmin +
                   " -A trust -E UTF8 --locale=C --no-sync --no-instructions > " +
                   shellQuoted(folder_ + "/initdb.log") + " 2>&1"));
  {
    std::ofstream conf(folder_ + "/data/postgresql.conf", std::ios::app);
    conf << "listen_addresses = ''\nunix_socket_directories = '" << folder_ << "'\nport = " << port_
         << "\nfsync = off\nfull_page_writes = off\n"
            "shared_buffers = 512MB\nmax_connections = 40\n";
    std::ofstream hba(folder_ + "/data/pg_hba.conf", std::ios::trunc);
    hba << "local all " << kLocked << " scram-sha-256\nlocal all all trust\n";
  }
  start();
  run("PGHOST=" + shellQuoted(folder_) + " PGPORT=" + std::to_string(port_) + " PGUSER=" + kAdmin +
      ' ' + shellQuoted(std::string(VERDIMARK_SOURCE_DIR) + "/scripts/server-setup") +
      " --database " + kTemplate + " --owner " + kOwner + " --program " + kProgram + " >/dev/null");
  superuserSql("postgres",
               std::string("CREATE ROLE ") + kLocked + " LOGIN PASSWORD '" + kLockedPassword + "'");
  server::Connection owner(conninfo(kTemplate, kOwner));
  server::prepareSchema(owner);
}

ServerCluster::~ServerCluster() {
  try {
    stop();
  } catch (const std::exception&) {
    // The watch process stops it when this could not.
  }
  std::error_code ec;
  fs::remove_all(folder_, ec);
  ::close(watchPipe_);
}

ServerCluster& ServerCluster::shared() {
  static ServerCluster cluster;
  return cluster;
}

std::string ServerCluster::asServerUser(const std::string& command) const {
  return isRoot() ? "runuser -u postgres -- sh -c " + shellQuoted(command) : command;
}

void ServerCluster::run(const std::string& command) const {
  if (std::system(command.c_str()) != 0)
    throw std::runtime_error("the test server's command failed: " + command);
}

void ServerCluster::watch() {
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC) != 0) throw std::runtime_error("cannot make the watch pipe");
  const std::string cleanUp =
      "read line; " +
      asServerUser(bin_ + "pg_ctl -D " + shellQuoted(folder_ + "/data") + " -m immediate stop") +
      " >/dev/null 2>&1; rm -rf " + shellQuoted(folder_);
  const pid_t pid = ::fork();
  if (pid == 0) {
    // The watch process waits for the end of the pipe, which comes when the test program ends,
    // however it ends.
    ::dup2(ends[0], 0);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    ::dup2(null, 2);
    ::setsid();
    ::execl("/bin/sh", "sh", "-c", cleanUp.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(ends[0]);
  watchPipe_ = ends[1];
}

void ServerCluster::start() {
  if (running_) return;
  run(asServerUser(bin_ + "pg_ctl -D " + shellQuoted(folder_ + "/data") + " -l " +
                   shellQuoted(folder_ + "/server.log") + " -w -t 60 start >/dev/null"));
  running_ = true;
  adminConnection().emplace(conninfo("postgres", kAdmin));
}

void ServerCluster::stop() {
  if (!running_) return;
  adminConnection().reset();
  running_ = false;
  run(asServerUser(bin_ + "pg_ctl -D " + shellQuoted(folder_ + "/data") +
                   " -m immediate -w stop >/dev/null"));
}

std::string ServerCluster::conninfo(const std::string& database, const std::string& role) const {
  return "host=" + folder_ + " port=" + std::to_string(port_) + " dbname=" + database +
         " user=" + role;
}

void ServerCluster::superuserSql(const std::string& database, const std::string& sql) const {
  if (database == "postgres") {
    adminConnection()->run(sql);
    return;
  }
  server::Connection(conninfo(database, kAdmin)).run(sql);
}

std::string ServerCluster::freshDatabase() {
  const std::string name = "test_" + std::to_string(++databases_);
  superuserSql("postgres",
               "CREATE DATABASE " + name + " TEMPLATE " + kTemplate + " OWNER " + kOwner);
  return name;
}

std::string ServerCluster::emptyDatabase() {
  const std::string name = "empty_" + std::to_string(++databases_);
  run("PGHOST=" + shellQuoted(folder_) + " PGPORT=" + std::to_string(port_) + " PGUSER=" + kAdmin +
      ' ' + shellQuoted(std::string(VERDIMARK_SOURCE_DIR) + "/scripts/server-setup") +
      " --database " + name + " --owner " + kOwner + " --program " + kProgram + " >/dev/null");
  return name;
}

}  // namespace vm::test
