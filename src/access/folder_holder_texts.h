// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "store/folder_holder.h"
#include "ui/dialogs.h"

namespace vm::access {

// The box of a start on a folder that someone else holds: who, where and since when, with
// "Open Read-Only" (answered Other) and "Close".
ui::Message folderInUseMessage(const store::FolderHolder& holder);

// The main window's line while this copy only reads.
QString readOnlyStatus(const store::FolderHolder& holder);

// The box that tells a reading copy that the holder has ended: Yes reopens the folder with
// changes allowed.
ui::Message holderEndedMessage(const store::FolderHolder& holder);

}  // namespace vm::access
