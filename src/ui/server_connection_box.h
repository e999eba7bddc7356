// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace vm::ui {

struct AppState;

// Where the settings keep the last connection string typed on this computer, without its password.
inline const QString kServerConnectionKey = QStringLiteral("ServerConnection");

// Asks for the connection string of a server's database in an input box titled `title` that
// offers the last one typed on this computer, and keeps what is typed (without its password) for
// the next time. Empty when the user cancels.
QString askServerConnection(AppState& state, QWidget* window, const QString& title,
                            const QString& example);

}  // namespace vm::ui
