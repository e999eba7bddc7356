// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTabWidget>
#include <QWidget>
#include <array>
#include <vector>

#include "support/test_app.h"
#include "ui/grid/grid.h"
#include "ui/lobby_services.h"
#include "ui/lobby_tab.h"
#include "ui/window_fade.h"
#include "ui/window_life.h"

namespace vm::test {

// The main window as a tab's tests need it: the tab control with its four pages, on which a test
// puts the tab it tries, the way back to the admin window, the main window's own button table
// applied to the buttons found by name (and counted), and the flashing. Modal windows open over it
// through the scripted dialogs, and its grids export through them. Until a Name List tab is held,
// the Name List lists one person, so that the Course Index can offer crediting.
class FakeLobby : public QWidget, public ui::LobbyServices {
 public:
  static constexpr int kNameList = 0, kCourseIndex = 1, kSearch = 2, kResults = 3;

  explicit FakeLobby(TestApp& app);

  // Puts the tab on its page and shows that page.
  template <typename Tab>
  Tab* hold(int page, Tab* tab) {
    place(page, tab);
    return tab;
  }

  // The main window's first activation: shown, every list built, the buttons refreshed.
  void activate();
  // Marks the first activation as run without running it.
  void setActivated() { activated_ = true; }

  // A control of the window by its name.
  template <typename Control = QWidget>
  Control* button(const QString& name) {
    return findChild<Control*>(name);
  }
  int refreshes() const { return refreshes_; }
  bool flashing() const { return flashing_; }

  QWidget* lobbyWindow() override { return this; }
  ui::WindowFade& lobbyFade() override { return fade_; }
  QTabWidget* tabMain() override { return tabMain_; }
  void refreshButtons() override;
  std::vector<ui::ListedPerson> listedPersons() override;
  QString nameListHeading() override;
  QString nameDisplayCaption() override { return QStringLiteral("Active Persons"); }
  std::vector<ui::ListedCourse> listedCourses() override;
  void updateNameGrid() override { pages_[kNameList]->updateList(); }
  void updateCourseGrid() override { pages_[kCourseIndex]->updateList(); }
  // Records the person whose history was asked for.
  void openTrainingHistory(const ui::ListedPerson& person) override {
    historyOpenedFor.push_back(person);
  }
  bool windowActivated() const override { return activated_; }
  void startFlashing() override { flashing_ = true; }
  void stopFlashing() override { flashing_ = false; }

  // The lists of the tabs held.
  ui::Grid* nameGrid() { return pages_[kNameList]->grid(); }
  ui::Grid* courseGrid() { return pages_[kCourseIndex]->grid(); }

  std::vector<ui::ListedPerson> historyOpenedFor;

 private:
  void place(int page, ui::LobbyTab* tab);

  TestApp& app_;
  ui::WindowFade fade_;
  ui::WindowLife life_;  // as every window holds one; its grids find the program's state there
  QTabWidget* tabMain_;
  std::array<ui::LobbyTab*, 4> pages_{};
  const std::vector<ui::ListedPerson> standInNames_ = {
      {41000.125, 1, QStringLiteral("Ann Smith"), {}, QStringLiteral("Smith Ann")}};
  bool activated_ = false;
  bool flashing_ = false;
  int refreshes_ = 0;
};

}  // namespace vm::test
