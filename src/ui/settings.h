// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace vm::ui {

// The per-user settings of the program, section "Defaults" ("FadeStatus", "NewUser").
// The program uses the platform's store under "Verdimark"; tests use a file of their own.
class Settings {
 public:
  // The platform's per-user store.
  Settings();
  // An INI file at the path, for tests and portable installations.
  explicit Settings(const QString& iniPath);
  ~Settings();
  Settings(const Settings&) = delete;
  Settings& operator=(const Settings&) = delete;

  // A value that is missing or cannot be read gives the default.
  QString value(const QString& key, const QString& defaultValue = {}) const;
  void setValue(const QString& key, const QString& value);

 private:
  std::unique_ptr<QSettings> store_;
};

}  // namespace vm::ui
