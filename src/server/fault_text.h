// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "server/server_error.h"

namespace vm::server {

// The fault that a SQLSTATE the server reported stands for.
Fault faultOfState(std::string_view sqlState);

// The fault of a connection that could not be made, from the client library's text: the
// server's own words for a refused log-in or a missing database, anything else (no answer, no
// such host, a time-out) as a server that cannot be reached.
Fault faultOfConnectFailure(std::string_view text);

// The user's message for a fault of `server` ("host:port"); `detail` is the server's or the
// client library's own text, added on a line of its own where it helps.
std::string faultMessage(Fault fault, std::string_view server, std::string_view detail,
                         bool commitInDoubt = false);

}  // namespace vm::server
