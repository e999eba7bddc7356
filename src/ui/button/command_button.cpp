// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/command_button.h"

#include "ui/button/colour_set.h"

namespace vm::ui {

PellamButton* makeCommandButton(QWidget* parent, const QString& name, const QString& caption,
                                const QString& toolTip) {
  using button::SystemColour;
  using button::systemColour;
  auto* b = new PellamButton(name, parent);
  b->setButtonType(button::kSoftStyle);
  b->setColorScheme(button::kOwnColours);
  b->setBackColor(systemColour(SystemColour::ButtonFace));
  b->setBackOver(systemColour(SystemColour::ButtonFace));
  b->setForeColor(systemColour(SystemColour::ButtonText));
  b->setForeOver(systemColour(SystemColour::ButtonText));
  b->setCaption(caption);
  b->setToolTip(toolTip);
  return b;
}

}  // namespace vm::ui
