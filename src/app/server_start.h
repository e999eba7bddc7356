// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

namespace vm::ui {
class Dialogs;
}

namespace vm::app {

// Runs the program on the records of a database server, given by the client library's connection
// string, until it ends; gives the process's exit code. The tables are made in an empty database
// and brought up to this build's version in an older one; a server that cannot be reached, refuses
// the log-in or holds tables of a newer build ends the start with a message naming it. The data
// folder only gives the installation's values and is never written: the records, both logs
// included, are the server's.
int runOnServer(const std::string& conninfo, const QString& folder, ui::Dialogs& dialogs);

}  // namespace vm::app
