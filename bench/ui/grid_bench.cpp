// SPDX-License-Identifier: GPL-3.0-or-later
// Times the largest list (32,767 rows) filled, its working columns hidden and its last row chosen
// while assistive technology listens to every change, as a screen reader user meets it. Asked:
// well under a second.
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ui/grid/grid.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QAccessible::setActive(true);  // the toolkit then reports every change to the listener

  std::vector<double> ms;
  for (int run = 0; run < 5; ++run) {
    vm::ui::Grid grid;
    grid.resize(600, 400);
    grid.show();
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(&grid)->tableInterface();
    std::vector<QStringList> rows;
    for (int i = 1; i <= 32767; ++i)
      rows.push_back({QString::number(i), "Org", "1", QString::number(i)});
    QElapsedTimer clock;
    clock.start();
    grid.reset("|Organization|^DateCreated|RecNum");
    grid.setRows(std::move(rows));
    grid.hideColumn(2);
    grid.hideColumn(3);
    grid.selectRow(1);
    table->selectRow(32766);
    QApplication::processEvents();
    ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    if (grid.currentRow() != 32767) std::printf("the last row was not chosen\n");
  }
  std::sort(ms.begin(), ms.end());
  std::printf(
      "Largest list with assistive technology: median %.1f ms, worst %.1f ms "
      "(asked: under 1000 ms)\n",
      ms[ms.size() / 2], ms.back());
  return 0;
}
