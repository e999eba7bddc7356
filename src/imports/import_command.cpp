// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/import_command.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <optional>

#include "imports/frm_import.h"
#include "sheets/sheet_file.h"
#include "ui/app_state.h"
#include "ui/busy_cursor.h"
#include "ui/dialogs.h"
#include "ui/grid/grid.h"
#include "ui/menu_items.h"
#include "ui/open_modal.h"
#include "ui/settings.h"

namespace vm::imports {
namespace {

const QString kTitle = QStringLiteral("Import from a Spreadsheet");
const QString kFolderKey = QStringLiteral("ImportFolder");
const QString kCaption = QStringLiteral("&Import from a Spreadsheet...");
// The level from which a user may add persons and courses.
constexpr int kAddLevel = 3;

QString startFolder(const ui::Settings& settings) {
  const QString last = settings.value(kFolderKey);
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace

void importFromSpreadsheet(ui::AppState& state, QWidget* owner,
                           const std::function<void()>& imported) {
  const QString path = state.dialogs.openFileName(
      owner, kTitle, startFolder(state.settings),
      QStringLiteral("Spreadsheets (*.xlsx *.ods *.csv);;All files (*)"));
  if (path.isEmpty()) return;
  state.settings.setValue(kFolderKey, QFileInfo(path).absolutePath());
  sheets::Workbook book;
  std::optional<std::string> problem;
  {
    ui::BusyCursor busy(owner);
    try {
      book = sheets::readWorkbook(QFile::encodeName(path).toStdString());
    } catch (const sheets::SheetError& e) {
      problem = e.what();
    }
  }
  if (problem) {
    state.dialogs.message(owner, ui::makeMessage(kTitle,
                                                 "The file\n" + QDir::toNativeSeparators(path) +
                                                     "\ncannot be imported: " +
                                                     QString::fromStdString(*problem) + ".",
                                                 ui::MessageIcon::Critical));
    return;
  }
  if (ui::openModal(state, owner,
                    new frmImport(state, QDir::toNativeSeparators(path).toStdString(),
                                  std::move(book), owner)) &&
      imported)
    imported();
}

void offerImport(QWidget& page, ui::Grid& grid, ui::AppState& state,
                 std::function<QWidget*()> owner, std::function<void()> imported) {
  // Absent where nothing may be added, a copy that only reads the folder included.
  const auto offered = [&state] { return state.changeLevel() >= kAddLevel; };
  const auto run = [&state, owner, imported] { importFromSpreadsheet(state, owner(), imported); };
  grid.addMenuCommand({kCaption, offered, run});
  page.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(&page, &QWidget::customContextMenuRequested, &page,
                   [&page, &grid, &state, offered, run](const QPoint& at) {
                     if (!grid.isHidden() || !offered()) return;
                     QMenu menu(&page);
                     menu.setObjectName(QStringLiteral("menuPage"));
                     ui::onMenuItem(menu.addAction(kCaption), &menu, &page, run);
                     state.dialogs.popupMenu(&menu, page.mapToGlobal(at));
                   });
}

}  // namespace vm::imports
