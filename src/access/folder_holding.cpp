// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/folder_holding.h"

#include <pwd.h>
#include <unistd.h>

#include <QDateTime>
#include <QFileInfo>
#include <QSysInfo>

#include "format/clock.h"
#include "store/posix_file_system.h"
#include "store/store_error.h"
#include "ui/app_state.h"

namespace vm::access {
namespace {

std::string accountName(uint account) {
  if (const passwd* p = getpwuid(static_cast<uid_t>(account)); p && p->pw_name) return p->pw_name;
  return std::to_string(account);
}

}  // namespace

store::FolderHolder thisCopyAsHolder(const format::Clock& clock) {
  return {"", accountName(static_cast<uint>(getuid())), QSysInfo::machineHostName().toStdString(),
          store::holderSince(clock.now())};
}

store::FolderHolder holderOf(const QString& dataFolder, const LockOwner& lock) {
  store::PosixFileSystem fs;
  if (std::optional<store::FolderHolder> h = store::readHolder(fs, dataFolder.toStdString()))
    return *h;
  const QDateTime made = QFileInfo(SingleInstance::lockPathFor(dataFolder)).lastModified();
  return {"", accountName(lock.account), lock.computer.toStdString(),
          made.isValid() ? made.toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString() : ""};
}

void noteHolderUser(ui::AppState& state) {
  if (state.ReadOnly) return;
  state.holder.user = state.CurrentUserName.toStdString();
  try {
    store::writeHolder(state.files.fileSystem(), state.files.folder(), state.holder);
  } catch (const store::StoreError&) {
    // Others are then told the account instead of the user: nothing of the data is at stake.
  }
}

}  // namespace vm::access
