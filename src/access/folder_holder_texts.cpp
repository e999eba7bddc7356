// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/folder_holder_texts.h"

namespace vm::access {
namespace {

QString who(const store::FolderHolder& h) { return QString::fromStdString(h.who()); }
QString computer(const store::FolderHolder& h) { return QString::fromStdString(h.computer); }

}  // namespace

ui::Message folderInUseMessage(const store::FolderHolder& holder) {
  QString text = QStringLiteral("The Verdimark data folder is in use by %1\non %2")
                     .arg(who(holder), computer(holder));
  if (!holder.since.empty())
    text += QStringLiteral(" since %1").arg(QString::fromStdString(holder.since));
  text += QStringLiteral(
      ".\n\nOpen it read-only to look records up and print lists\n"
      "(nothing can be changed), or close.");
  ui::Message box = ui::makeMessage(QStringLiteral("Data Folder in Use"), text,
                                    ui::MessageIcon::Exclamation, ui::MessageButtons::Close);
  box.otherButton = QStringLiteral("Open Read-Only");
  return box;
}

QString readOnlyStatus(const store::FolderHolder& holder) {
  return QStringLiteral("Read-only: in use by %1 on %2").arg(who(holder), computer(holder));
}

ui::Message holderEndedMessage(const store::FolderHolder& holder) {
  return ui::makeMessage(QStringLiteral("Data Folder Free"),
                         QStringLiteral("%1 on %2 has closed Verdimark:\n"
                                        "the data folder is no longer in use.\n\n"
                                        "Reopen it with changes allowed?\n"
                                        "(You will log in again.)")
                             .arg(who(holder), computer(holder)),
                         ui::MessageIcon::Question, ui::MessageButtons::YesNo);
}

}  // namespace vm::access
