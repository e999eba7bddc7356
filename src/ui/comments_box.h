#pragma once

#include <QString>

class QPlainTextEdit;

namespace vm::ui {

// Comments are stored with CR LF line breaks, as the boxes of the stored files have them, while a
// box holds plain line feeds. The limits and the fill gauges count the stored characters.
qsizetype storedLength(const QString& boxText);
QString toStoredText(const QString& boxText);
QString fromStoredText(const QString& stored);

// Keeps a comments box within `limit` stored characters by taking back the excess just typed or
// pasted before the cursor. Returns whether it took anything back (the box then reports a second
// change).
bool limitStoredLength(QPlainTextEdit* box, qsizetype limit);

}  // namespace vm::ui
