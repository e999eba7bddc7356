// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include "access/frm_admin.h"
#include "access/frm_title_page.h"
#include "app/frm_lobby.h"
#include "app/restart.h"
#include "ui/app_state.h"
#include "ui/help/frm_manual.h"

namespace vm::app {

void startProgram(ui::AppState& state) {
  // Every help button and F1 opens the help window through this.
  state.showHelp = [&state](QWidget* owner) { ui::showHelpViewer(state, owner); };

  // Each visit to the admin window gets a new one, which deletes itself when it closes.
  state.showAdminWindow = [&state] { (new access::frmAdmin(state))->show(); };
  state.showMainWindow = [&state] {
    auto* lobby = new frmLobby(state);
    lobby->setAttribute(Qt::WA_DeleteOnClose);
    lobby->show();
  };
  state.restartOn = [&state](const QString& conninfo) { restartProgram(state, conninfo); };
  (new access::frmTitlePage(state))->show();
}

}  // namespace vm::app
