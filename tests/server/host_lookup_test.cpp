// SPDX-License-Identifier: GPL-3.0-or-later
// The program looks up the server's name itself, so that a slow resolver is given up on within
// the connect time-out.
#include "server/host_lookup.h"

#include <condition_variable>
#include <memory>
#include <mutex>

#include "server/server_test.h"

namespace vm::test {
namespace {

using namespace std::chrono_literals;

std::vector<std::string> testResolver(const std::string& host) {
  if (host == "db") return {"10.0.0.5", "fd00::5"};
  if (host == "backup") return {"10.0.0.6"};
  return {};
}

TEST(HostLookup, NamesAreGivenTheirAddressesAndAnythingElseIsLeftToTheLibrary) {
  struct Case {
    const char* conninfo;
    std::optional<std::pair<std::string, std::string>> looked;
  };
  const Case cases[] = {
      {"host=db dbname=vm", std::pair{"db,db", "10.0.0.5,fd00::5"}},
      {"host=db,10.0.0.9,backup port=5433",
       std::pair{"db,db,10.0.0.9,backup", "10.0.0.5,fd00::5,10.0.0.9,10.0.0.6"}},
      {"host=/var/run/postgresql", std::nullopt},
      {"host=db,/var/run/postgresql", std::nullopt},
      {"host=10.0.0.9", std::nullopt},
      {"host=db hostaddr=10.0.0.7", std::nullopt},
      {"host=db,backup port=5432,5433", std::nullopt},
      {"host=unknown", std::nullopt},
      {"dbname=vm", std::nullopt},
      {"not a connection string", std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<server::HostAddresses> looked =
        server::lookUpHosts(c.conninfo, 1s, testResolver);
    ASSERT_EQ(looked.has_value(), c.looked.has_value()) << c.conninfo;
    if (looked) {
      EXPECT_EQ(looked->hosts, c.looked->first) << c.conninfo;
      EXPECT_EQ(looked->addresses, c.looked->second) << c.conninfo;
    }
  }
}

TEST(HostLookup, AResolverThatDoesNotAnswerIsGivenUpAfterTheTimeOut) {
  // Shared with the look-up's thread, which outlives the look-up until it is let go.
  struct Gate {
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;
  };
  const auto gate = std::make_shared<Gate>();
  const auto stuck = [gate](const std::string&) {
    std::unique_lock lock(gate->mutex);
    gate->opened.wait(lock, [&] { return gate->open; });
    return std::vector<std::string>{"10.0.0.5"};
  };
  const auto start = std::chrono::steady_clock::now();
  try {
    server::lookUpHosts("host=db", 200ms, stuck);
    ADD_FAILURE() << "the look-up was waited for";
  } catch (const server::HostLookupTooSlow& slow) {
    EXPECT_EQ(slow.host, "db");
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
  {
    const std::lock_guard lock(gate->mutex);
    gate->open = true;
  }
  gate->opened.notify_all();
}

// Through the system's resolver: the name's server is told by its name, not an address.
TEST(HostLookup, AServerLookedUpByNameIsToldByItsName) {
  const std::string message =
      faultOf(server::Fault::CannotReach, [] { server::Connection("host=localhost port=1"); });
  EXPECT_NE(message.find("\"localhost:1\""), std::string::npos) << message;
}

}  // namespace
}  // namespace vm::test
