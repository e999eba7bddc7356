// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace vm::test {

// Pages in a PDF written by the toolkit: one "/Type /Page" object each (not "/Type /Pages").
// -1 when the file cannot be read or is not a PDF.
inline int pdfPageCount(const QString& fileName) {
  QFile pdf(fileName);
  if (!pdf.open(QIODevice::ReadOnly)) return -1;
  const QByteArray bytes = pdf.readAll();
  if (!bytes.startsWith("%PDF-")) return -1;
  const QByteArray tag = "/Type /Page";
  int pages = 0;
  for (qsizetype at = bytes.indexOf(tag); at >= 0; at = bytes.indexOf(tag, at + 1))
    pages += bytes.mid(at + tag.size(), 1) != "s";
  return pages;
}

}  // namespace vm::test
