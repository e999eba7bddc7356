#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace vm::ui {
class Dialogs;
}

namespace vm::access {

// One running copy per user and data folder: a lock file in the user's runtime folder,
// named from the data folder, held for as long as this object lives. A lock left by a
// copy that crashed is taken over.
class SingleInstance {
 public:
  explicit SingleInstance(const QString& dataFolder);
  bool acquired() const { return acquired_; }
  static QString lockPathFor(const QString& dataFolder);

 private:
  std::unique_ptr<QLockFile> lock_;
  bool acquired_ = false;
};

// The message of a second launch: "Terminating...".
void showAlreadyRunning(ui::Dialogs& dialogs);

}  // namespace vm::access
