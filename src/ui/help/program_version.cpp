// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/program_version.h"

#include "ui/help/help_menu.h"

namespace vm::ui::help {

ProgramVersion programVersion() {
  return {kProgramTitle,
          VERDIMARK_VERSION_MAJOR,
          VERDIMARK_VERSION_MINOR,
          VERDIMARK_VERSION_PATCH,
          QStringLiteral("Training Record Management"),
          QStringLiteral("Copyright \u00A9 2026 Pellam Software. Free software under the GNU "
                         "General Public License, version 3 or later.")};
}

QString aboutText(const ProgramVersion& version) {
  const QString number =
      QString("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision);
  return version.title + "\nVersion " + number + "\n" + version.description + "\n" +
         version.copyright;
}

}  // namespace vm::ui::help
