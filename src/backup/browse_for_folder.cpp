// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/browse_for_folder.h"

#include <QDir>
#include <QFile>

#include "ui/app_state.h"
#include "ui/dialogs.h"

namespace vm::backup {

QString BrowseForFolder(ui::AppState& state, QWidget* owner, const QString& prompt) {
  return state.dialogs.browseForFolder(owner, prompt, QDir::homePath());
}

std::string localPath(const QString& folder) { return QFile::encodeName(folder).toStdString(); }

}  // namespace vm::backup
