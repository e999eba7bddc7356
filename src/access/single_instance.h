// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace vm::ui {
class Dialogs;
}

namespace vm::access {

// One running copy per data folder, whoever runs it: a lock file in the data folder itself,
// held for as long as this object lives. A lock left by a copy that ended without releasing
// it (a crash, a kill, a power cut) is taken over.
class SingleInstance {
 public:
  explicit SingleInstance(const QString& dataFolder);

  // Whether this copy holds the folder.
  bool acquired() const { return acquired_; }
  // Whether another running copy holds it; when neither holds it, the lock file could not
  // be made (a folder that cannot be written).
  bool heldByAnother() const { return heldByAnother_; }

  static QString lockPathFor(const QString& dataFolder);

 private:
  std::unique_ptr<QLockFile> lock_;
  bool acquired_ = false;
  bool heldByAnother_ = false;
};

// The message of a second launch: "Terminating...".
void showAlreadyRunning(ui::Dialogs& dialogs);

}  // namespace vm::access
