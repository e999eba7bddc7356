// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <functional>
#include <memory>

namespace vm::server {
class ServerRecords;
}
namespace vm::ui {
struct AppState;
}

namespace vm::app {

// What the program does with a failure of its server that reaches the event loop during work,
// where the work it met was committed whole or not at all, so that the program can go on.
//
// A lost connection (or a server that cannot be reached) is told, naming the server and whether
// the last change was saved, with the offer to connect again: Retry makes the connection again
// under the busy cursor, telling a failure and offering again, after which the open windows stay
// and list again what other desks changed meanwhile; Cancel ends the program through `exitProgram`.
// Any other fault of the server (a full disk, a refused value, a missing privilege) changed
// nothing: it is told and the program goes on. Failures that are not the server's are left to the
// fatal handler (false).
using RecoveryHandler = std::function<bool(const std::exception& failure)>;
RecoveryHandler serverFaultHandler(ui::AppState& state, server::ServerRecords& records,
                                   std::function<void()> exitProgram);

}  // namespace vm::app
