// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vm::ui {

// Puts the program's own accessibility interfaces in place of the toolkit's for the controls
// whose toolkit interface tells assistive technology something untrue or lets it change what
// the user cannot: locked text boxes (AccessibleLineEdit, AccessibleTextBox) and the tab bars of
// tab controls (AccessibleTabBar); and adds the interface of the program's own links
// (AccessibleLink) and the program's pop-up menus among its children (AccessibleApplication).
// Called once, by the application object, before any window is made.
void installAccessibleInterfaces();

}  // namespace vm::ui
