// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/system_colours.h"

namespace vm::ui::button {

Rgb toRgb(const QColor& c) { return Rgb{c.red(), c.green(), c.blue()}; }

SystemColours systemColoursOf(const QPalette& palette) {
  const auto active = [&palette](QPalette::ColorRole role) {
    return toRgb(palette.color(QPalette::Active, role));
  };
  const auto inactive = [&palette](QPalette::ColorRole role) {
    return toRgb(palette.color(QPalette::Inactive, role));
  };
  SystemColours s{};
  const auto set = [&s](SystemColour which, Rgb c) { s[static_cast<int>(which)] = c; };
  set(SystemColour::ScrollBar, active(QPalette::Button));
  set(SystemColour::Desktop, active(QPalette::Window));
  set(SystemColour::ActiveCaption, active(QPalette::Highlight));
  set(SystemColour::InactiveCaption, inactive(QPalette::Highlight));
  set(SystemColour::Menu, active(QPalette::Window));
  set(SystemColour::Window, active(QPalette::Base));
  set(SystemColour::WindowFrame, active(QPalette::Shadow));
  set(SystemColour::MenuText, active(QPalette::WindowText));
  set(SystemColour::WindowText, active(QPalette::Text));
  set(SystemColour::CaptionText, active(QPalette::HighlightedText));
  set(SystemColour::ActiveBorder, active(QPalette::Window));
  set(SystemColour::InactiveBorder, active(QPalette::Window));
  set(SystemColour::AppWorkspace, active(QPalette::Dark));
  set(SystemColour::Highlight, active(QPalette::Highlight));
  set(SystemColour::HighlightText, active(QPalette::HighlightedText));
  set(SystemColour::ButtonFace, active(QPalette::Button));
  set(SystemColour::ButtonShadow, active(QPalette::Dark));
  set(SystemColour::GrayText, toRgb(palette.color(QPalette::Disabled, QPalette::Text)));
  set(SystemColour::ButtonText, active(QPalette::ButtonText));
  set(SystemColour::InactiveCaptionText, inactive(QPalette::HighlightedText));
  set(SystemColour::ButtonHighlight, active(QPalette::Light));
  set(SystemColour::DarkShadow3D, active(QPalette::Shadow));
  set(SystemColour::Light3D, active(QPalette::Midlight));
  set(SystemColour::InfoText, active(QPalette::ToolTipText));
  set(SystemColour::InfoBackground, active(QPalette::ToolTipBase));
  return s;
}

}  // namespace vm::ui::button
