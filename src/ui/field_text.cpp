// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/field_text.h"

#include <QLineEdit>

#include "format/trim.h"

namespace vm::ui {

QString trimBlanks(const QString& text) {
  qsizetype first = 0, last = text.size();
  while (first < last && text[first] == u' ') ++first;
  while (last > first && text[last - 1] == u' ') --last;
  return text.mid(first, last - first);
}

QString trimmedField(const std::string& field) {
  const std::string_view trimmed = format::trimView(field);
  return QString::fromUtf8(trimmed.data(), static_cast<qsizetype>(trimmed.size()));
}

bool allFilledIn(std::span<const QLineEdit* const> boxes) {
  for (const QLineEdit* box : boxes)
    if (trimBlanks(box->text()).isEmpty()) return false;
  return true;
}

bool allFilledIn(std::initializer_list<const QLineEdit*> boxes) {
  return allFilledIn(std::span(boxes.begin(), boxes.size()));
}

}  // namespace vm::ui
