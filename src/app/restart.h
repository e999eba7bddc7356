// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace vm::ui {
struct AppState;
}

namespace vm::app {

// The arguments of a new start of the program: those of this one (the program first) without any
// server they named, then "--server" and the connection string when one is given.
QStringList restartArguments(const QStringList& arguments, const QString& conninfo);

// Starts the program again with those arguments and ends this run. A password in the connection
// string goes to the new run in its environment, not among its arguments, which every user of the
// computer may read.
void restartProgram(ui::AppState& state, const QString& conninfo);

}  // namespace vm::app
