// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/open_link.h"

#include <QDesktopServices>

#include "ui/dialogs.h"

namespace vm::ui {

bool openUrlWithShell(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool OpenLink(print::LinkKind kind, QWidget* owner, const QString& address,
              const print::InstallValues& install, Dialogs& dialogs, const UrlOpener& open) {
  const std::string target = print::linkTarget(kind, address.toStdString(), install);
  const QUrl url(QString::fromStdString(target), QUrl::TolerantMode);
  if (url.isValid() && open(url)) return true;
  dialogs.message(owner,
                  makeMessage("Error", "Could not establish a connection!", MessageIcon::Critical));
  return false;
}

}  // namespace vm::ui
