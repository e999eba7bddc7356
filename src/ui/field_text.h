// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <initializer_list>
#include <span>
#include <string>

class QLineEdit;

namespace vm::ui {

// The text fields of the records are padded with blanks to their width, so the editors trim
// blanks, and only blanks, from both ends of what they show and store.
QString trimBlanks(const QString& text);

// A record's text field as its box shows it.
QString trimmedField(const std::string& field);

// Whether every one of these boxes holds more than blanks (what a mandatory entry needs).
bool allFilledIn(std::span<const QLineEdit* const> boxes);
bool allFilledIn(std::initializer_list<const QLineEdit*> boxes);

}  // namespace vm::ui
