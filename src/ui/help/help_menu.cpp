// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/help_menu.h"

namespace vm::ui::help {
namespace {

// Sub-topics stand out in the menu by this indent.
const QString kIndent(9, ' ');
// Lines of the prepared mail, as the mail program expects them in a link.
const QString kNewParagraph = QStringLiteral("%0D%0A%0D%0A");

}  // namespace

bool HelpMenuItem::showsText() const {
  return number != 0 && number != kAboutProgram && number != kMailColleague &&
         number != kMailMaker && number != kVisitMaker;
}

std::vector<HelpMenuItem> helpMenuItems(const print::InstallValues& install) {
  const QString maker = QString::fromStdString(install.makerName);
  return {
      {"Overview", 300},
      {},
      {"The Admin Window", 400},
      {"The 'Name List' Tab", 500},
      {"The 'Course Index' Tab", 600},
      {kIndent + "Course Code Conventions", 700},
      {kIndent + "Course Code Example", 701},
      {"The 'Search/Summary' Tab", 800},
      {},
      {"The 'Training History' Window", 900},
      {"The 'Training Matrix' Window", 801},
      {"The 'Renewals' Window", 802},
      {kIndent + "Renewal Periods", 803},
      {"The 'Change Log' Window", 401},
      {"Exporting a List to CSV", 310},
      {"Spreadsheets: Import and Export", 311},
      {"Copying to and from a Server", 312},
      {},
      {"About " + kProgramTitle, kAboutProgram},
      {"About " + maker, 1000},
      {},
      {"Email a colleague about " + kProgramTitle, kMailColleague},
      {"Email " + maker, kMailMaker},
      {"Visit " + maker + "'s Web Page", kVisitMaker},
      {},
      {"Exit this Menu", 0},
  };
}

QString colleagueMailQuery(const print::InstallValues& install) {
  const QString maker = QString::fromStdString(install.makerName);
  const QString web = QString::fromStdString(install.webHost);
  const QString download = QString::fromStdString(install.downloadPath);
  return "?subject='" + kProgramTitle + "' - Training Record Management software from " + maker +
         "&body=I came across a 'training records software for business' "
         "computer " +
         "program from " + maker + " called '" + kProgramTitle +
         "' that you might want to know about." + kNewParagraph +
         "You can download and install it for free at " + maker +
         "'s website. The direct download link is" + kNewParagraph + "http://" + web + download +
         kNewParagraph + maker + "'s website (" + web +
         ") also has other law enforcement programs that you'd probably find "
         "as interesting as I "
         "did." +
         kNewParagraph + "Let me know what you think.";
}

QString printedHeading(const QString& menuCaption) {
  return kProgramTitle + ", Help Section: " + menuCaption;
}

}  // namespace vm::ui::help
