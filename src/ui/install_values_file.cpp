// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/install_values_file.h"

#include <QFileInfo>
#include <QSettings>

namespace vm::ui {
namespace {

void take(const QSettings& ini, const char* key, std::string& value) {
  const QString k = QStringLiteral("Installation/") + QLatin1String(key);
  if (ini.contains(k)) value = ini.value(k).toString().toStdString();
}

}  // namespace

print::InstallValues loadInstallValues(const QString& dataFolder) {
  print::InstallValues v;
  const QString path = dataFolder + QLatin1Char('/') + QLatin1String(kInstallFileName);
  if (!QFileInfo::exists(path)) return v;
  const QSettings ini(path, QSettings::IniFormat);
  take(ini, "AccessCode", v.accessCode);
  take(ini, "MakerName", v.makerName);
  take(ini, "AddressLine1", v.addressLine1);
  take(ini, "AddressLine2", v.addressLine2);
  take(ini, "Email", v.email);
  take(ini, "WebHost", v.webHost);
  take(ini, "DownloadPath", v.downloadPath);
  return v;
}

}  // namespace vm::ui
