// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/host_lookup.h"

#include <arpa/inet.h>
#include <libpq-fe.h>
#include <netdb.h>

#include <future>
#include <memory>
#include <thread>

namespace vm::server {
namespace {

std::vector<std::string> splitAtCommas(const std::string& list) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t comma; (comma = list.find(',', from)) != std::string::npos; from = comma + 1)
    parts.push_back(list.substr(from, comma - from));
  parts.push_back(list.substr(from));
  return parts;
}

bool isNumeric(const std::string& host) {
  unsigned char address[sizeof(in6_addr)];
  return inet_pton(AF_INET, host.c_str(), address) == 1 ||
         inet_pton(AF_INET6, host.c_str(), address) == 1;
}

// The addresses of a name, looked up on a thread of its own, which is left to finish on its own
// should it outlast the time-out (a resolver cannot be stopped).
std::optional<std::vector<std::string>> addressesWithin(const std::string& host,
                                                        std::chrono::milliseconds timeout,
                                                        const Resolver& resolve) {
  auto promise = std::make_shared<std::promise<std::vector<std::string>>>();
  std::future<std::vector<std::string>> found = promise->get_future();
  std::thread([host, promise, resolve] { promise->set_value(resolve(host)); }).detach();
  if (found.wait_for(timeout) != std::future_status::ready) return std::nullopt;
  return found.get();
}

}  // namespace

std::vector<std::string> systemAddressesOf(const std::string& host) {
  std::vector<std::string> addresses;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* list = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &list) != 0) return addresses;
  for (const addrinfo* a = list; a; a = a->ai_next) {
    char text[NI_MAXHOST];
    if (getnameinfo(a->ai_addr, a->ai_addrlen, text, sizeof text, nullptr, 0, NI_NUMERICHOST) == 0)
      addresses.emplace_back(text);
  }
  freeaddrinfo(list);
  return addresses;
}

std::optional<HostAddresses> lookUpHosts(const std::string& conninfo,
                                         std::chrono::milliseconds timeout,
                                         const Resolver& resolve) {
  std::string hostList, addressList, portList;
  PQconninfoOption* given = PQconninfoParse(conninfo.c_str(), nullptr);
  if (!given) return std::nullopt;
  for (PQconninfoOption* o = given; o->keyword; ++o) {
    const std::string_view keyword(o->keyword);
    const std::string value = o->val ? o->val : "";
    if (keyword == "host") hostList = value;
    if (keyword == "hostaddr") addressList = value;
    if (keyword == "port") portList = value;
  }
  PQconninfoFree(given);
  if (hostList.empty() || !addressList.empty() || portList.find(',') != std::string::npos)
    return std::nullopt;

  HostAddresses looked;
  bool anyName = false;
  for (const std::string& host : splitAtCommas(hostList)) {
    if (host.empty() || host.front() == '/' || host.front() == '@') return std::nullopt;
    if (isNumeric(host)) {
      looked.hosts += host + ',';
      looked.addresses += host + ',';
      continue;
    }
    const std::optional<std::vector<std::string>> addresses =
        addressesWithin(host, timeout, resolve);
    if (!addresses) throw HostLookupTooSlow{host};
    if (addresses->empty()) return std::nullopt;
    anyName = true;
    for (const std::string& address : *addresses) {
      looked.hosts += host + ',';
      looked.addresses += address + ',';
    }
  }
  if (!anyName) return std::nullopt;
  looked.hosts.pop_back();
  looked.addresses.pop_back();
  return looked;
}

}  // namespace vm::server
