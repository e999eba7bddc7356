// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vm::ui::help {

// The version information the program is built with.
struct ProgramVersion {
  QString title;
  int major = 0;
  int minor = 0;
  int revision = 0;
  QString description;
  QString copyright;
};

// This build's version information.
ProgramVersion programVersion();

// The text of the About box: the title, the version as major.minor.revision,
// the description and the copyright notice, one to a line.
QString aboutText(const ProgramVersion& version);

}  // namespace vm::ui::help
