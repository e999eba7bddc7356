// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "print/install_values.h"

namespace vm::ui::help {

// The program's title as the help window shows and prints it.
inline const QString kProgramTitle = QStringLiteral("Verdimark");

// The numbers that the help topics menu items carry besides the topic texts.
inline constexpr int kAboutProgram = 7777;
inline constexpr int kMailColleague = 4444;
inline constexpr int kMailMaker = 1111;
inline constexpr int kVisitMaker = 2222;

// One item of the help topics menu: its caption as shown (sub-topics are
// indented with blanks) and the number it carries. A separator has an empty
// caption; it and the last item, which closes the menu, carry no number.
struct HelpMenuItem {
  QString caption;
  int number = 0;

  bool isSeparator() const { return caption.isEmpty(); }
  // A topic whose text the window shows (as opposed to the About box and the
  // links).
  bool showsText() const;
};

// The menu indexes of the topics that the newer windows open on; the older
// windows name theirs beside their help buttons.
inline constexpr int kTrainingMatrixTopic = 11;
inline constexpr int kRenewalsTopic = 12;
inline constexpr int kRenewalPeriodsTopic = 13;
inline constexpr int kChangeLogTopic = 14;
inline constexpr int kExportTopic = 15;
inline constexpr int kSpreadsheetTopic = 16;

// The items of the help topics menu, by index from 1 (element 0 is index 1);
// the callers' HelpTopic values are these indexes, so a new topic joins the
// menu after the ones that callers already use. The maker's items carry the
// maker's name.
std::vector<HelpMenuItem> helpMenuItems(const print::InstallValues& install);

// The query of the prepared mail that tells a colleague about the program; it
// goes to OpenLink as a mail address without a recipient.
QString colleagueMailQuery(const print::InstallValues& install);

// The heading above a printed topic: the caption as it stands in the menu,
// blanks included.
QString printedHeading(const QString& menuCaption);

}  // namespace vm::ui::help
