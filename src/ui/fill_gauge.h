// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace vm::ui {

// How full a comments box is: " 37% full ". One character already shows 1%.
QString fillGaugeText(qsizetype characters, qsizetype limit);

// The gauge lblSpaceFull of a comments box, hidden while the box is empty.
QLabel* makeFillGauge(QWidget* parent);

// Hides the gauge for an empty box, shows it with its text otherwise.
void updateFillGauge(QLabel* gauge, qsizetype characters, qsizetype limit);

}  // namespace vm::ui
