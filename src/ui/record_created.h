// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QWidget;

namespace vm::ui {

// The line lblDateCreated of the editors: hidden while a record is being added; for a record
// shown, " Record Created " and its DateCreated as "mm/dd/yyyy hh:mmam/pm ".
QLabel* makeRecordCreatedLabel(QWidget* parent);
void showRecordCreated(QLabel* lblDateCreated, double dateCreated);

}  // namespace vm::ui
