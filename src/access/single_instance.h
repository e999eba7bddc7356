// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>

namespace vm::ui {
class Dialogs;
}

namespace vm::access {

// Who made a lock file, as the lock and its file tell it.
struct LockOwner {
  QString computer;
  qint64 pid = 0;
  uint account = 0;  // the system account's number
  bool operator==(const LockOwner&) const = default;
};

// Whether the lock was made by a copy of this account on this computer (whose second launch is
// refused), rather than by someone else, whose folder this copy may still read.
bool sameUserHere(const LockOwner& lock, const LockOwner& here);

// One running copy per data folder, whoever runs it: a lock file in the data folder itself,
// held for as long as this object lives. A lock left by a copy that ended without releasing
// it (a crash, a kill, a power cut) on this computer is taken over, whoever ran that copy.
class SingleInstance {
 public:
  explicit SingleInstance(const QString& dataFolder);

  // Whether this copy holds the folder.
  bool acquired() const { return acquired_; }
  // Whether another running copy holds it; when neither holds it, the lock file could not
  // be made (a folder that cannot be written).
  bool heldByAnother() const { return heldByAnother_; }

  static QString lockPathFor(const QString& dataFolder);
  // Who holds the lock now; nothing when there is no lock file or it cannot be read.
  static std::optional<LockOwner> lockOwner(const QString& dataFolder);
  // This copy, as a lock it made would name it.
  static LockOwner thisCopy();
  // Whether the copy that made the lock still holds it: its lock file is there, names it, and
  // on this computer its process still runs.
  static bool stillHeldBy(const QString& dataFolder, const LockOwner& owner);

 private:
  // Removes a lock whose process on this computer is gone, whichever account made it.
  static bool removeLeftLock(const QString& dataFolder);

  std::unique_ptr<QLockFile> lock_;
  bool acquired_ = false;
  bool heldByAnother_ = false;
};

// The message of a second launch: "Terminating...".
void showAlreadyRunning(ui::Dialogs& dialogs);

}  // namespace vm::access
