// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/single_instance.h"

#include <QDir>

#include "ui/dialogs.h"

namespace vm::access {

QString SingleInstance::lockPathFor(const QString& dataFolder) {
  return QDir(dataFolder).filePath(QStringLiteral("Verdimark.lock"));
}

SingleInstance::SingleInstance(const QString& dataFolder)
    : lock_(std::make_unique<QLockFile>(lockPathFor(dataFolder))) {
  lock_->setStaleLockTime(0);  // a lock is stale only when the process that made it is gone
  acquired_ = lock_->tryLock(0);
  heldByAnother_ = !acquired_ && lock_->error() == QLockFile::LockFailedError;
}

void showAlreadyRunning(ui::Dialogs& dialogs) {
  dialogs.message(nullptr, ui::makeMessage(QStringLiteral("Terminating..."),
                                           QStringLiteral("Verdimark is already loaded\n"
                                                          "and running on your computer!"),
                                           ui::MessageIcon::Critical));
}

}  // namespace vm::access
