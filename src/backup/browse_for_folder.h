// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace vm::ui {
struct AppState;
}

namespace vm::backup {

// The platform's folder picker over the owner, with the prompt; it opens on the user's home
// folder. Returns the chosen folder's full path, or an empty text when the user cancels.
QString BrowseForFolder(ui::AppState& state, QWidget* owner, const QString& prompt);

// A chosen folder's path as the file system takes it.
std::string localPath(const QString& folder);

}  // namespace vm::backup
