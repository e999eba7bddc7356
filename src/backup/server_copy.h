// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vm::ui {
struct AppState;
}

namespace vm::backup {

// Moving the data between this data folder and a database on a PostgreSQL server, two commands
// of the backup and restore menu. Each asks for the server's connection string (remembered on
// this computer without its password), works under the busy cursor, Esc stopping the copy, and
// ends with one message: what was copied, or why nothing was.

// Copies the open data folder, every record and both logs, into an empty database, in one
// transaction; the folder is only read.
void CopyFolderToServer(ui::AppState& state, QWidget* window);

// Copies the server's database into a new or empty folder the user picks, which Verdimark then
// opens as any data folder.
void CopyServerToFolder(ui::AppState& state, QWidget* window);

}  // namespace vm::backup
