// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace vm::ui {
struct AppState;
class Settings;
}  // namespace vm::ui

namespace vm::access {

// The server this computer chose last on the title window, which a start that names neither a
// server nor a data folder works on; empty while it works on its data folder.
QString rememberedServer(const ui::Settings& settings);

// The title window's "Connect to a Server...": asks for the connection string, tries it under the
// busy cursor (the tables readied as at a start on the server) and, when it serves, remembers the
// choice and starts the program again on that server. A server that does not serve is told, and
// the program goes on with what it has.
void connectToServer(ui::AppState& state, QWidget* window);

// The title window's "Work on the Data Folder", on a server: forgets the server and starts the
// program again on its data folder.
void workOnDataFolder(ui::AppState& state);

}  // namespace vm::access
