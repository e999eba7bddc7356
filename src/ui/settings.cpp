// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings.h"

#include <QSettings>

namespace vm::ui {
namespace {
const QString kSection = QStringLiteral("Defaults/");
}

Settings::Settings()
    : store_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                         QStringLiteral("Verdimark"),
                                         QStringLiteral("Verdimark"))) {}

Settings::Settings(const QString& iniPath)
    : store_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

Settings::~Settings() = default;

QString Settings::value(const QString& key, const QString& defaultValue) const {
  if (store_->status() != QSettings::NoError) return defaultValue;
  return store_->value(kSection + key, defaultValue).toString();
}

void Settings::setValue(const QString& key, const QString& value) {
  store_->setValue(kSection + key, value);
  store_->sync();
}

}  // namespace vm::ui
