#include "access/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

#include "ui/dialogs.h"

namespace vm::access {

QString SingleInstance::lockPathFor(const QString& dataFolder) {
  QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (base.isEmpty()) base = QDir::tempPath();
  const QByteArray key =
      QCryptographicHash::hash(QDir(dataFolder).canonicalPath().toUtf8(), QCryptographicHash::Sha1);
  return base + QStringLiteral("/verdimark-") + QString::fromLatin1(key.toHex().left(16)) +
         QStringLiteral(".lock");
}

SingleInstance::SingleInstance(const QString& dataFolder)
    : lock_(std::make_unique<QLockFile>(lockPathFor(dataFolder))) {
  lock_->setStaleLockTime(0);  // a lock is stale only when its process is gone
  acquired_ = lock_->tryLock(0);
}

void showAlreadyRunning(ui::Dialogs& dialogs) {
  dialogs.message(nullptr, ui::makeMessage(QStringLiteral("Terminating..."),
                                           QStringLiteral("Verdimark is already loaded\n"
                                                          "and running on your computer!"),
                                           ui::MessageIcon::Critical));
}

}  // namespace vm::access
