// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

namespace vm::ui::button {

// Named stored values in the order they were written, as a window keeps the settings of
// its controls.
class PropertyBag {
 public:
  // Writing a key again replaces its value in place.
  void write(const QString& key, const QVariant& value);

  // The stored value, or `missing` when the key was never written.
  QVariant read(const QString& key, const QVariant& missing) const;

  bool contains(const QString& key) const;
  QStringList keys() const;

 private:
  std::vector<std::pair<QString, QVariant>> items_;
};

}  // namespace vm::ui::button
