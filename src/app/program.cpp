#include "app/program.h"

#include "ui/app_state.h"

namespace vm::app {

void startProgram(ui::AppState& state) { state.shutdown(); }

}  // namespace vm::app
