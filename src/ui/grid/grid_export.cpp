// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/grid_export.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <optional>

#include "format/csv_text.h"
#include "sheets/sheet_file.h"
#include "sheets/typed_table.h"
#include "store/store_error.h"
#include "store/whole_file.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/busy_cursor.h"
#include "ui/dialogs.h"
#include "ui/grid/grid.h"
#include "ui/settings.h"

namespace vm::ui {
namespace {

const QString kFolderKey = QStringLiteral("ExportFolder");

// A tab caption as it shows: "&&" is one ampersand, a single one marks the access key.
QString shownCaption(QString caption) {
  caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  caption.remove(QLatin1Char('&'));
  caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  return caption;
}

QString startFolder(const Settings& settings) {
  const QString last = settings.value(kFolderKey);
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

Message failure(const QString& title, const QString& path, const std::string& reason) {
  return makeMessage(title,
                     "The list could not be saved as\n" + QDir::toNativeSeparators(path) +
                         "\n\nThe system reports: " + QString::fromStdString(reason) +
                         ".\n\nPlease choose another name or folder and try again.",
                     MessageIcon::Critical);
}

}  // namespace

std::vector<int> exportedColumns(const Grid& grid) {
  std::vector<int> columns;
  const QHeaderView* header = grid.horizontalHeader();
  for (int v = 0; v < grid.cols(); ++v) {
    const int c = header->logicalIndex(v);
    if (!grid.isColumnHidden(c)) columns.push_back(c);
  }
  for (int c : grid.alsoExported())
    if (c < grid.cols() && grid.isColumnHidden(c)) columns.push_back(c);
  return columns;
}

GridTable gridTable(const Grid& grid, const std::vector<int>& rows) {
  const std::vector<int> columns = exportedColumns(grid);
  GridTable table;
  for (int c : columns) {
    table.header.push_back(grid.headerText(c).toStdString());
    const bool numbers = grid.gridModel()->alignment(c) & (Qt::AlignRight | Qt::AlignHCenter);
    table.kinds.push_back(numbers ? format::CellKind::Number : format::CellKind::Text);
  }
  table.rows.reserve(rows.size());
  for (int r : rows) {
    std::vector<std::string>& cells = table.rows.emplace_back();
    cells.reserve(columns.size());
    for (int c : columns) cells.push_back(grid.text(r, c).toStdString());
  }
  return table;
}

GridTable gridTable(const Grid& grid) {
  std::vector<int> rows(static_cast<std::size_t>(grid.rows()));
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<int>(i) + 1;
  return gridTable(grid, rows);
}

QString listNameOf(const Grid& grid) {
  for (const QWidget* w = &grid; w->parentWidget(); w = w->parentWidget()) {
    const auto* stack = qobject_cast<const QStackedWidget*>(w->parentWidget());
    const auto* tabs = stack ? qobject_cast<const QTabWidget*>(stack->parentWidget()) : nullptr;
    if (tabs && tabs->indexOf(const_cast<QWidget*>(w)) >= 0)
      return shownCaption(tabs->tabText(tabs->indexOf(const_cast<QWidget*>(w))));
  }
  const QString title = grid.window()->windowTitle();
  const QString prefix = applicationTitle() + QStringLiteral(" - ");
  return title.startsWith(prefix) ? title.mid(prefix.size()) : title;
}

QString suggestedFileName(const QString& listName, const format::DateTime& today,
                          const QString& suffix) {
  QString name;
  for (const QChar c : listName.simplified())
    name += c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c) ? QChar('-') : c;
  if (name.isEmpty()) name = applicationTitle();
  return name +
         QStringLiteral(" %1-%2-%3")
             .arg(today.year, 4, 10, QChar('0'))
             .arg(today.month, 2, 10, QChar('0'))
             .arg(today.day, 2, 10, QChar('0')) +
         suffix;
}

QString suggestedCsvName(const QString& listName, const format::DateTime& today) {
  return suggestedFileName(listName, today, kCsvExport.suffix);
}

bool exportCsv(AppState& state, QWidget* window, const QString& listName,
               const std::function<void(const std::string& path)>& write) {
  return exportFile(state, window, listName, kCsvExport, write);
}

bool exportFile(AppState& state, QWidget* window, const QString& listName, const ExportKind& kind,
                const std::function<void(const std::string& path)>& write) {
  const QString suggested =
      QDir(startFolder(state.settings))
          .filePath(suggestedFileName(listName, state.clock.now(), kind.suffix));
  QString path = state.dialogs.saveFileName(window, kind.title, suggested, kind.filter);
  if (path.isEmpty()) return false;
  if (!path.endsWith(kind.suffix, Qt::CaseInsensitive)) path += kind.suffix;

  std::optional<Message> report;
  {
    BusyCursor busy(window);
    try {
      write(QFile::encodeName(path).toStdString());
    } catch (const store::StoreError& error) {
      report = failure(kind.title, path, error.systemText());
    } catch (const sheets::SheetError& error) {
      report = failure(kind.title, path, error.what());
    }
  }
  // Shown once the window is enabled again, so the box is not disabled with it.
  if (report) {
    state.dialogs.message(window, *report);
    return false;
  }
  state.settings.setValue(kFolderKey, QFileInfo(path).absolutePath());
  return true;
}

bool exportGridToCsv(AppState& state, Grid& grid) {
  return exportCsv(state, grid.window(), listNameOf(grid), [&](const std::string& path) {
    const GridTable table = gridTable(grid);
    store::writeWholeFile(state.files.fileSystem(), path,
                          format::csvDocument(table.header, table.rows, table.kinds));
  });
}

bool exportGridToSpreadsheet(AppState& state, Grid& grid) {
  const QString listName = listNameOf(grid);
  return exportFile(
      state, grid.window(), listName, kSpreadsheetExport, [&](const std::string& path) {
        GridTable table = gridTable(grid);
        std::vector<bool> numeric;
        for (int c : exportedColumns(grid))
          numeric.push_back(
              (grid.gridModel()->alignment(c) & (Qt::AlignRight | Qt::AlignHCenter)) != 0);
        sheets::writeWorkbook(
            path, sheets::Workbook{{sheets::typedSheet(listName.toStdString(), table.header,
                                                       table.rows, numeric)}});
      });
}

}  // namespace vm::ui
