// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/single_instance.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>
#include <csignal>

#include "ui/dialogs.h"

namespace vm::access {

QString SingleInstance::lockPathFor(const QString& dataFolder) {
  return QDir(dataFolder).filePath(QStringLiteral("Verdimark.lock"));
}

bool sameUserHere(const LockOwner& lock, const LockOwner& here) {
  // A lock whose computer cannot be read was made here: the refusal stays the safe answer.
  return lock.account == here.account &&
         (lock.computer.isEmpty() || lock.computer == here.computer);
}

std::optional<LockOwner> SingleInstance::lockOwner(const QString& dataFolder) {
  const QString path = lockPathFor(dataFolder);
  const QFileInfo file(path);
  if (!file.exists()) return std::nullopt;
  LockOwner owner;
  owner.account = file.ownerId();
  QString application;
  QLockFile(path).getLockInfo(&owner.pid, &owner.computer, &application);
  return owner;
}

LockOwner SingleInstance::thisCopy() {
  return {QSysInfo::machineHostName(), QCoreApplication::applicationPid(),
          static_cast<uint>(getuid())};
}

bool SingleInstance::stillHeldBy(const QString& dataFolder, const LockOwner& owner) {
  const std::optional<LockOwner> now = lockOwner(dataFolder);
  if (!now || now->pid != owner.pid || now->computer != owner.computer) return false;
  if (owner.computer == QSysInfo::machineHostName() && owner.pid > 0 &&
      ::kill(static_cast<pid_t>(owner.pid), 0) == -1 && errno == ESRCH)
    return false;
  return true;
}

namespace {

bool madeByAGoneProcessHere(const std::optional<LockOwner>& lock) {
  return lock && lock->pid > 0 && lock->computer == QSysInfo::machineHostName() &&
         ::kill(static_cast<pid_t>(lock->pid), 0) == -1 && errno == ESRCH;
}

}  // namespace

// The toolkit takes a left lock over only when it may write to the lock file, which a lock left
// by another account's copy does not allow; removing it needs only the folder. Copies that find
// it at once agree through the same removal lock as the toolkit's, so only one removes it.
bool SingleInstance::removeLeftLock(const QString& dataFolder) {
  const std::optional<LockOwner> left = lockOwner(dataFolder);
  if (!madeByAGoneProcessHere(left)) return false;
  const QString path = lockPathFor(dataFolder);
  QLockFile removal(path + QStringLiteral(".rmlock"));
  if (!removal.tryLock(0)) return false;
  return lockOwner(dataFolder) == left && QFile::remove(path);
}

SingleInstance::SingleInstance(const QString& dataFolder)
    : lock_(std::make_unique<QLockFile>(lockPathFor(dataFolder))) {
  lock_->setStaleLockTime(0);  // a lock is stale only when the process that made it is gone
  acquired_ = lock_->tryLock(0);
  if (!acquired_ && lock_->error() == QLockFile::LockFailedError && removeLeftLock(dataFolder))
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
