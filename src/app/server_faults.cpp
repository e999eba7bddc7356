// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/server_faults.h"

#include <QApplication>

#include "server/server_error.h"
#include "server/server_records.h"
#include "ui/app_state.h"
#include "ui/busy_cursor.h"
#include "ui/dialogs.h"

namespace vm::app {
namespace {

using server::Fault;
using server::ServerError;

const QString kAgain = QStringLiteral(
    "\n\nChoose Retry to connect to the server again, or Cancel to close Verdimark.");

class ServerFaults {
 public:
  ServerFaults(ui::AppState& state, server::ServerRecords& records,
               std::function<void()> exitProgram)
      : state_(state), records_(records), exit_(std::move(exitProgram)) {}

  bool handle(const std::exception& failure) {
    const auto* fault = dynamic_cast<const ServerError*>(&failure);
    if (!fault) return false;
    // A failure met while a box of this handler stands open is the same lost connection.
    if (handling_) return true;
    handling_ = true;
    const bool lost =
        fault->fault() == Fault::ConnectionLost || fault->fault() == Fault::CannotReach;
    if (lost && QString::fromStdString(fault->server()) == state_.Server)
      connectAgain(*fault);
    else
      state_.dialogs.message(windowInFront(), ui::makeMessage(QStringLiteral("Server Error"),
                                                              QString::fromStdString(fault->what()),
                                                              ui::MessageIcon::Exclamation));
    handling_ = false;
    return true;
  }

 private:
  // The window the box stands over, as every box of the program does: the one in front, else
  // (no window has the focus, as when a box of the work just closed) one that is shown.
  static QWidget* windowInFront() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog))
        return w;
    return nullptr;
  }

  void connectAgain(const ServerError& lost) {
    QString told = QString::fromStdString(lost.what());
    for (;;) {
      QWidget* window = windowInFront();
      const ui::Answer answer = state_.dialogs.message(
          window, ui::makeMessage(QStringLiteral("Connection Lost"), told + kAgain,
                                  ui::MessageIcon::Critical, ui::MessageButtons::RetryCancel,
                                  ui::Answer::Retry));
      if (answer != ui::Answer::Retry) {
        exit_();
        return;
      }
      try {
        const ui::BusyCursor busy(window);
        records_.reconnect();
        return;
      } catch (const ServerError& again) {
        told = QString::fromStdString(again.what());
      }
    }
  }

  ui::AppState& state_;
  server::ServerRecords& records_;
  std::function<void()> exit_;
  bool handling_ = false;
};

}  // namespace

RecoveryHandler serverFaultHandler(ui::AppState& state, server::ServerRecords& records,
                                   std::function<void()> exitProgram) {
  auto faults = std::make_shared<ServerFaults>(state, records, std::move(exitProgram));
  return [faults](const std::exception& failure) { return faults->handle(failure); };
}

}  // namespace vm::app
