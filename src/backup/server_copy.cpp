// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/server_copy.h"

#include <QDir>
#include <QLocale>
#include <QPointer>
#include <QScopeGuard>
#include <QWidget>
#include <functional>
#include <optional>

#include "backup/browse_for_folder.h"
#include "format/number_text.h"
#include "server/connection.h"
#include "server/folder_transfer.h"
#include "server/schema.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/busy_cursor.h"
#include "ui/dialogs.h"
#include "ui/server_connection_box.h"
#include "ui/stoppable_work.h"

namespace vm::backup {
namespace {

const QString kToServer = QStringLiteral("Copy this Data Folder to a Server");
const QString kToFolder = QStringLiteral("Copy the Server to a Data Folder");
const QString kStopped = QStringLiteral("The copy was stopped with Esc.\n");
const QString kNothingCopied = QStringLiteral("Nothing was copied.");
const QString kNoFolder = QStringLiteral("No folder was written.");
QString counted(std::int64_t n, const char* one, const char* many) {
  return QLocale(QLocale::English).toString(static_cast<qlonglong>(n)) + " " +
         QString::fromLatin1(n == 1 ? one : many);
}

QString copiedText(const server::TransferCount& n) {
  return counted(n.users, "user", "users") + "\n" + counted(n.persons, "person", "persons") + "\n" +
         counted(n.courses, "course", "courses") + "\n" +
         counted(n.training, "training record", "training records") + "\n" +
         counted(n.renewals, "renewal period", "renewal periods") + "\n" +
         counted(n.changeLines, "line", "lines") + " of the change log\n" +
         counted(n.userLogLines, "line", "lines") + " of the user log";
}

QString databaseOf(const server::Connection& c) {
  return "database '" + QString::fromStdString(c.database()) + "'\non the server '" +
         QString::fromStdString(c.server()) + "'";
}

void tell(ui::AppState& state, QWidget* window, const QString& title, const QString& text,
          ui::MessageIcon icon) {
  state.dialogs.message(window, ui::makeMessage(title, text, icon));
}

// Runs a copy under the busy cursor, Esc stopping it, with how far it has come in the window's
// title ("Copying to the server: 37%"); the window has its title back however the copy ends.
// Returns false when Esc stopped it.
bool runShowingProgress(QWidget* window, const QString& doing,
                        const std::function<void(const store::PassProgress&)>& work) {
  const QString title = window->windowTitle();
  const QPointer<QWidget> shownOn(window);
  const auto restore = qScopeGuard([&] {
    if (shownOn) shownOn->setWindowTitle(title);
  });
  return ui::runStoppable(window, work, [&](std::int32_t done, std::int32_t total, std::int32_t) {
    if (shownOn && total > 0)
      shownOn->setWindowTitle(
          doing + QString::fromStdString(format::formatPercent(static_cast<double>(done) / total)));
  });
}

// Runs a copy; a failure of any kind ends it with its own message, saying that nothing was
// copied unless the server may have saved it after all.
template <typename Work>
void runCopy(ui::AppState& state, QWidget* window, const QString& title,
             const QString& nothingCopied, Work&& work) {
  QString problem;
  try {
    work();
    return;
  } catch (const server::ServerError& e) {
    problem = QString::fromStdString(e.what());
    if (!e.commitInDoubt()) problem += "\n\n" + nothingCopied;
  } catch (const server::TransferRefused& e) {
    problem = QString::fromStdString(e.what());
  } catch (const std::exception& e) {
    problem = "The copy failed: " + QString::fromStdString(e.what()) + "\n\n" + nothingCopied;
  }
  tell(state, window, title, problem, ui::MessageIcon::Exclamation);
}

}  // namespace

void CopyFolderToServer(ui::AppState& state, QWidget* window) {
  // Another copy of the program may be writing the folder that this one only reads.
  if (state.ReadOnly) return;
  const QString conninfo = ui::askServerConnection(state, window, kToServer,
                                                   "host=db1.example.org dbname=verdimark "
                                                   "user=verdimark_owner");
  if (conninfo.isEmpty()) return;
  runCopy(state, window, kToServer, kNothingCopied, [&] {
    std::optional<server::Connection> c;
    {
      const ui::BusyCursor busy(window);
      c.emplace(conninfo.toStdString());
    }
    if (state.dialogs.message(
            window, ui::makeMessage(kToServer,
                                    "Every record of this data folder, with its change log and its "
                                    "user log,\nis about to be copied into the " +
                                        databaseOf(*c) + ".\n\nPlease click <OK> to continue.",
                                    ui::MessageIcon::Information, ui::MessageButtons::OkCancel)) !=
        ui::Answer::Ok)
      return;
    server::TransferCount n;
    if (!runShowingProgress(window,
                            "Copying to the server: ", [&](const store::PassProgress& progress) {
                              server::prepareSchema(*c);
                              n = server::copyFolderToServer(*c, state.files, progress);
                            })) {
      tell(state, window, kToServer, kStopped + kNothingCopied, ui::MessageIcon::Information);
      return;
    }
    tell(state, window, kToServer,
         "This data folder has been copied into the\n" + databaseOf(*c) + ":\n\n" + copiedText(n),
         ui::MessageIcon::Information);
  });
}

void CopyServerToFolder(ui::AppState& state, QWidget* window) {
  const QString conninfo = ui::askServerConnection(state, window, kToFolder,
                                                   "host=db1.example.org dbname=verdimark "
                                                   "user=verdimark_program");
  if (conninfo.isEmpty()) return;
  const QString chosen =
      BrowseForFolder(state, window,
                      "Select a new or empty folder for a copy\nof the server's " +
                          ui::applicationTitle() + " data...");
  if (chosen.isEmpty()) return;
  const QString shown = QDir::toNativeSeparators(chosen);
  runCopy(state, window, kToFolder, kNoFolder, [&] {
    std::optional<server::Connection> c;
    server::TransferCount n;
    if (!runShowingProgress(window,
                            "Copying from the server: ", [&](const store::PassProgress& progress) {
                              c.emplace(conninfo.toStdString());
                              server::prepareSchema(*c);
                              n = server::copyServerToFolder(*c, state.files.fileSystem(),
                                                             localPath(chosen), progress);
                            })) {
      tell(state, window, kToFolder, kStopped + kNoFolder, ui::MessageIcon::Information);
      return;
    }
    tell(state, window, kToFolder,
         "The " + databaseOf(*c) + "\nhas been copied into the folder\n'" + shown + "':\n\n" +
             copiedText(n) + "\n\n" + ui::applicationTitle() +
             " works on that folder when started with\n--data-dir \"" + shown + "\"",
         ui::MessageIcon::Information);
  });
}

}  // namespace vm::backup
