// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vm::server {

// The server's host names, looked up by the program itself within a time-out, for the client
// library's own look-up waits as long as the system's resolver does, beyond its connect time-out.
struct HostAddresses {
  // Each address a host name gave, its name beside it, ready for the connection's "host" and
  // "hostaddr" (the name still checks the server's certificate and picks its password).
  std::string hosts;
  std::string addresses;
};

// Looks up the names of a connection string. Nothing (the library then does as it always does)
// when there is no name to look up: a socket folder, a numeric address, addresses already given,
// or several ports for several hosts; and when a name is not known, for the library to say so in
// its own words. Throws HostLookupTooSlow naming the host when a look-up outlasts `timeout`.
// `resolve` gives a name's numeric addresses (none when the name is not known); the system's
// resolver unless a test gives another.
using Resolver = std::function<std::vector<std::string>(const std::string& host)>;
std::vector<std::string> systemAddressesOf(const std::string& host);
std::optional<HostAddresses> lookUpHosts(const std::string& conninfo,
                                         std::chrono::milliseconds timeout,
                                         const Resolver& resolve = systemAddressesOf);

struct HostLookupTooSlow {
  std::string host;
};

}  // namespace vm::server
