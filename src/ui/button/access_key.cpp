// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/access_key.h"

namespace vm::ui::button {

QChar accessKeyOf(const QString& caption) {
  if (caption.size() <= 1) return {};
  const qsizetype first = caption.indexOf(u'&');
  if (first < 0 || first == caption.size() - 1) return {};
  if (caption[first + 1] != u'&') return caption[first + 1].toLower();
  // A doubled "&&" is a literal ampersand: only the next marker after the pair may still
  // name a key, and only when it is not doubled too.
  const qsizetype next = caption.indexOf(u'&', first + 2);
  if (next < 0 || next == caption.size() - 1 || caption[next + 1] == u'&') return {};
  return caption[next + 1].toLower();
}

QString readableCaption(const QString& caption) {
  QString out;
  out.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (i + 1 < caption.size() && caption[i + 1] == u'&') out += u'&';
      ++i;
      if (i < caption.size() && caption[i] != u'&') out += caption[i];
      continue;
    }
    out += caption[i];
  }
  return out;
}

}  // namespace vm::ui::button
