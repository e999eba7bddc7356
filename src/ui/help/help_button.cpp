// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/help_button.h"

#include <QShortcut>

#include "ui/app_state.h"
#include "ui/button/command_button.h"
#include "ui/pictures.h"

namespace vm::ui {

PellamButton* makeHelpButton(QWidget* window, AppState& state, int helpTopic, int height) {
  PellamButton* button =
      makeCommandButton(window, QStringLiteral("cmdHelp"), {},
                        QStringLiteral(" Click here for more information about this window "));
  button->setPictureNormal(pictures::help(height * 2 / 3));
  button->setFixedSize(height, height);
  button->setAutoDefault(false);
  const auto open = [window, &state, helpTopic] { state.openHelp(window, helpTopic); };
  QObject::connect(button, &PellamButton::Click, window, open);
  QObject::connect(new QShortcut(QKeySequence(Qt::Key_F1), window), &QShortcut::activated, window,
                   open);
  return button;
}

}  // namespace vm::ui
