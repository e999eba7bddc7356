// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comments_box.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include "ui/field_text.h"
#include "ui/fill_gauge.h"

namespace vm::ui {

qsizetype storedLength(const QString& boxText) { return boxText.size() + boxText.count(u'\n'); }

QString toStoredText(const QString& boxText) {
  return QString(boxText).replace(u'\n', QStringLiteral("\r\n"));
}

QString fromStoredText(const QString& stored) {
  return QString(stored).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void setUpCommentsBox(QPlainTextEdit* box) {
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setTabChangesFocus(true);
}

void showComments(QPlainTextEdit* box, const std::string& stored) {
  box->setPlainText(fromStoredText(trimmedField(stored)));
}

std::string commentsToStore(const QPlainTextEdit* box) {
  return toStoredText(trimBlanks(box->toPlainText())).toStdString();
}

bool limitStoredLength(QPlainTextEdit* box, qsizetype limit) {
  const QString text = box->toPlainText();
  qsizetype over = storedLength(text) - limit;
  if (over <= 0) return false;
  QTextCursor cursor = box->textCursor();
  const int end = cursor.position();
  int from = end;
  while (over > 0 && from > 0) over -= text[--from] == u'\n' ? 2 : 1;
  if (over > 0) {
    // The cursor stood too near the start: cut the end instead.
    from = static_cast<int>(text.size());
    over = storedLength(text) - limit;
    while (over > 0 && from > 0) over -= text[--from] == u'\n' ? 2 : 1;
    cursor.setPosition(from);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  } else {
    cursor.setPosition(from);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
  }
  cursor.removeSelectedText();
  return true;
}

void updateCommentsGauge(QLabel* gauge, const QPlainTextEdit* box, qsizetype limit) {
  updateFillGauge(gauge, storedLength(box->toPlainText()), limit);
}

}  // namespace vm::ui
