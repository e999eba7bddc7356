// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/record_created.h"

#include <QLabel>

#include "format/date_text.h"

namespace vm::ui {

QLabel* makeRecordCreatedLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QStringLiteral("lblDateCreated"));
  label->hide();
  return label;
}

void showRecordCreated(QLabel* lblDateCreated, double dateCreated) {
  lblDateCreated->setText(QStringLiteral(" Record Created ") +
                          QString::fromStdString(format::formatDateTimeAmPm(dateCreated)));
  lblDateCreated->show();
}

}  // namespace vm::ui
