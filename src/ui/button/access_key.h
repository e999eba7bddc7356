// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

namespace vm::ui::button {

// The access key of a caption in lower case: the character after its first single "&"
// ("&&" stands for a literal ampersand); QChar() when it has none.
QChar accessKeyOf(const QString& caption);

// The caption as it reads on the button: single "&" marks dropped, "&&" shown as "&".
QString readableCaption(const QString& caption);

}  // namespace vm::ui::button
