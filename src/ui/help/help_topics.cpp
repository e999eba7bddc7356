// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/help_topics.h"

#include <QFile>
#include <mutex>

// The topics live in this static library; its resources must be registered by name, and
// only from the global namespace.
static void registerHelpTopics() { Q_INIT_RESOURCE(help_topics); }

namespace vm::ui {

QString helpTopicText(int number, const print::InstallValues& install) {
  static std::once_flag registered;
  std::call_once(registered, registerHelpTopics);

  QFile file(QString(":/help/topics/%1.txt").arg(number));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QString text = QString::fromUtf8(file.readAll());
  text.replace("{maker}", QString::fromStdString(install.makerName))
      .replace("{address1}", QString::fromStdString(install.addressLine1))
      .replace("{address2}", QString::fromStdString(install.addressLine2))
      .replace("{email}", QString::fromStdString(install.email))
      .replace("{web}", QString::fromStdString(install.webHost))
      .replace("{download}", QString::fromStdString(install.downloadPath));
  return text.trimmed();
}

}  // namespace vm::ui
