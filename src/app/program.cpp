#include "app/program.h"

#include "app/frm_lobby.h"
#include "ui/app_state.h"
#include "ui/help/frm_manual.h"

namespace vm::app {

void startProgram(ui::AppState& state) {
  // Every help button and F1 opens the help window through this.
  state.showHelp = [&state](QWidget* owner) { ui::showHelpViewer(state, owner); };

  state.showMainWindow = [&state] {
    auto* lobby = new frmLobby(state);
    lobby->setAttribute(Qt::WA_DeleteOnClose);
    lobby->show();
  };
  state.shutdown();
}

}  // namespace vm::app
