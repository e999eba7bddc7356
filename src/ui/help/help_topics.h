// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "print/install_values.h"

namespace vm::ui {

// The text of a help topic by its number (300 to 1000, see help_menu.cpp), with the maker's
// contact details of the installation filled in. Paragraphs are single lines separated by
// empty lines ("\n"), for a text box that wraps them. Empty for any other number.
QString helpTopicText(int number, const print::InstallValues& install);

}  // namespace vm::ui
