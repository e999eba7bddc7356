#include "print/qt/open_link.h"

#include <QDesktopServices>

#include "ui/dialogs.h"

namespace vm::print {

bool openUrlWithShell(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool OpenLink(LinkKind kind, QWidget* owner, const QString& address, const InstallValues& install,
              ui::Dialogs& dialogs, const UrlOpener& open) {
  const std::string target = linkTarget(kind, address.toStdString(), install);
  const QUrl url(QString::fromStdString(target), QUrl::TolerantMode);
  if (url.isValid() && open(url)) return true;
  dialogs.message(owner, ui::makeMessage("Error", "Could not establish a connection!",
                                         ui::MessageIcon::Critical));
  return false;
}

}  // namespace vm::print
