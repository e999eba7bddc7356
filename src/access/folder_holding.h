// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "access/single_instance.h"
#include "store/folder_holder.h"

namespace vm::ui {
struct AppState;
}

namespace vm::format {
struct Clock;
}

namespace vm::access {

// This copy as the holder of the folder it has just taken, before anyone has logged in.
store::FolderHolder thisCopyAsHolder(const format::Clock& clock);

// Who holds a folder that another copy has locked: what its holder file says, else what the lock
// tells (the account that made it, its computer, and when).
store::FolderHolder holderOf(const QString& dataFolder, const LockOwner& lock);

// Writes the holder file again with the user who has just logged in, so that a copy starting
// beside this one names him. Nothing when this copy only reads; a failure leaves the old file.
void noteHolderUser(ui::AppState& state);

}  // namespace vm::access
