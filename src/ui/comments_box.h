// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

class QLabel;
class QPlainTextEdit;

namespace vm::ui {

// Comments are stored with CR LF line breaks, as the boxes of the stored files have them, while a
// box holds plain line feeds. The limits and the fill gauges count the stored characters.
qsizetype storedLength(const QString& boxText);
QString toStoredText(const QString& boxText);
QString fromStoredText(const QString& stored);

// A comments box as every editor has it: a vertical scroll bar always, and Tab moves on.
void setUpCommentsBox(QPlainTextEdit* box);

// A record's comments into their box, and the box's text as they are stored: trimmed of blanks.
void showComments(QPlainTextEdit* box, const std::string& stored);
std::string commentsToStore(const QPlainTextEdit* box);

// Keeps a comments box within `limit` stored characters by taking back the excess just typed or
// pasted before the cursor. Returns whether it took anything back (the box then reports a second
// change).
bool limitStoredLength(QPlainTextEdit* box, qsizetype limit);

// Shows in `gauge` how much of `limit` the box's stored text takes.
void updateCommentsGauge(QLabel* gauge, const QPlainTextEdit* box, qsizetype limit);

}  // namespace vm::ui
