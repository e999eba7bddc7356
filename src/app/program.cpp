#include "app/program.h"

#include "app/frm_lobby.h"
#include "ui/app_state.h"

namespace vm::app {

void startProgram(ui::AppState& state) {
  state.showMainWindow = [&state] {
    auto* lobby = new frmLobby(state);
    lobby->setAttribute(Qt::WA_DeleteOnClose);
    lobby->show();
  };
  state.shutdown();
}

}  // namespace vm::app
