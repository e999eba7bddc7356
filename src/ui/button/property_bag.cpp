// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/property_bag.h"

#include <algorithm>

namespace vm::ui::button {

void PropertyBag::write(const QString& key, const QVariant& value) {
  for (auto& item : items_) {
    if (item.first == key) {
      item.second = value;
      return;
    }
  }
  items_.emplace_back(key, value);
}

QVariant PropertyBag::read(const QString& key, const QVariant& missing) const {
  for (const auto& item : items_) {
    if (item.first == key) return item.second;
  }
  return missing;
}

bool PropertyBag::contains(const QString& key) const {
  return std::any_of(items_.begin(), items_.end(),
                     [&key](const auto& item) { return item.first == key; });
}

QStringList PropertyBag::keys() const {
  QStringList out;
  for (const auto& item : items_) out << item.first;
  return out;
}

}  // namespace vm::ui::button
