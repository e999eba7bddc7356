// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "server/connection.h"
#include "server/server_cluster.h"
#include "store/change_log/change_line.h"

namespace vm::test {

// A test against the shared throw-away server, in a fresh database of its own whose tables are
// ready and empty; connections are the desks' role unless a test asks for another.
struct ServerTest : ::testing::Test {
  ServerCluster& cluster = ServerCluster::shared();
  std::string database = cluster.freshDatabase();

  server::Connection connect(const std::string& role = ServerCluster::kProgram) const {
    return server::Connection(cluster.conninfo(database, role));
  }
  std::int64_t count(server::Connection& c, const std::string& table) const {
    return c.exec("SELECT count(*) FROM " + table).getInt64(0, 0);
  }
};

// Expects `work` to throw a ServerError of the fault; returns its message.
template <typename Work>
std::string faultOf(server::Fault fault, Work&& work) {
  try {
    work();
  } catch (const server::ServerError& e) {
    EXPECT_EQ(static_cast<int>(e.fault()), static_cast<int>(fault)) << e.what();
    return e.what();
  }
  ADD_FAILURE() << "no fault";
  return {};
}

inline const store::ChangeAuthor kDesk1{"Dana Demo", {2026, 12, 8, 10, 30, 0}};
inline const store::ChangeAuthor kDesk2{"Kim Ng", {2026, 12, 8, 10, 31, 15}};

}  // namespace vm::test
