#include "app/program.h"

#include "access/frm_admin.h"
#include "access/frm_title_page.h"
#include "ui/app_state.h"

namespace vm::app {

void startProgram(ui::AppState &state) {
  // Each visit to the admin window gets a new one, which deletes itself when it
  // closes.
  state.showAdminWindow = [&state] { (new access::frmAdmin(state))->show(); };
  (new access::frmTitlePage(state))->show();
}

}  // namespace vm::app
