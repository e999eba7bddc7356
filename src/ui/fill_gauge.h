#pragma once

#include <QString>

class QLabel;

namespace vm::ui {

// How full a comments box is: " 37% full ". One character already shows 1%.
QString fillGaugeText(qsizetype characters, qsizetype limit);

// Hides the gauge for an empty box, shows it with its text otherwise.
void updateFillGauge(QLabel* gauge, qsizetype characters, qsizetype limit);

}  // namespace vm::ui
