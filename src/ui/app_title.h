#pragma once

namespace vm::ui {

// The application title, as window captions, messages and tool tips show it.
inline constexpr char kAppTitle[] = "Verdimark";

}  // namespace vm::ui
