// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "names/name_bytes.h"
#include "names/name_list_tab.h"
#include "support/fake_lobby.h"
#include "support/test_app.h"
#include "ui/grid/grid.h"

namespace vm::test {

// A test application whose bare main window holds the Name List tab, shown, with "Dana Demo"
// logged in at full access.
class NameTabFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    app.logIn(4);
    tab = lobby.hold(FakeLobby::kNameList, new names::NameListTab(lobby, app.state));
    lobby.show();
  }

  void write(std::initializer_list<NameBytes> records) {
    app.folder.write("Name.List", nameList(records));
  }
  ui::Grid* grid() { return lobby.findChild<ui::Grid*>("gridName"); }

  TestApp app;
  FakeLobby lobby{app};
  names::NameListTab* tab = nullptr;
};

}  // namespace vm::test
