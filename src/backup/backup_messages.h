// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "ui/dialogs.h"

namespace vm::backup {

// Every text that the backup and the restore show, word for word.
enum class Flow { Backup, Restore };

QString folderPrompt(Flow flow);

// The refusals and questions, in the order the flows may show them. `shownPath` is the chosen
// folder with its trailing separator; `name` a carried file's name.
ui::Message sameFolderMessage(Flow flow);
ui::Message accessProblemMessage(Flow flow);
ui::Message unrelatedFilesMessage(const QString& shownPath);
ui::Message confirmBackupMessage(const QString& shownPath);
ui::Message requiredFilesMissingMessage(const QString& shownPath);
ui::Message replaceCurrentDataMessage();
ui::Message copyFailedMessage(Flow flow, const QString& name);

// The one message at the end of every flow that got past the folder picker.
QString cancelledText(Flow flow);
QString succeededText(Flow flow);
ui::Message outcomeMessage(const QString& outcome);

// The window's title while a file is copied: "Copying User.List", "Restoring User.List".
QString copyingTitle(Flow flow, const QString& name);

}  // namespace vm::backup
