// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fill_gauge.h"

#include <QLabel>
#include <algorithm>

#include "format/number_text.h"

namespace vm::ui {

QString fillGaugeText(qsizetype characters, qsizetype limit) {
  const double fill = std::max(
      0.01, static_cast<double>(characters) / static_cast<double>(std::max<qsizetype>(limit, 1)));
  return QStringLiteral(" ") + QString::fromStdString(format::formatPercentNoZero(fill)) +
         QStringLiteral(" full ");
}

QLabel* makeFillGauge(QWidget* parent) {
  auto* gauge = new QLabel(parent);
  gauge->setObjectName(QStringLiteral("lblSpaceFull"));
  gauge->hide();
  return gauge;
}

void updateFillGauge(QLabel* gauge, qsizetype characters, qsizetype limit) {
  if (characters == 0) {
    gauge->hide();
    return;
  }
  gauge->setText(fillGaugeText(characters, limit));
  gauge->show();
}

}  // namespace vm::ui
