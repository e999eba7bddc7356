#pragma once

#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/app_state.h"
#include "ui/dialogs.h"
#include "ui/grid/grid.h"
#include "ui/lobby_services.h"
#include "ui/lobby_tab.h"
#include "ui/window_fade.h"

namespace vm::test {

// A bare main window for one tab: it counts the button refreshes it is asked for and
// shows modal windows through the scripted dialogs, so a tab can be tried on its own.
class LobbyStub : public QWidget, public ui::LobbyServices {
 public:
  explicit LobbyStub(ui::AppState& state)
      : state_(state), fade_(this, false), tabs_(new QTabWidget(this)) {
    new QVBoxLayout(this);
    layout()->addWidget(tabs_);
    resize(780, 560);
  }

  template <typename Tab>
  Tab* hold(Tab* tab) {
    tab_ = tab;
    tabs_->addTab(tab, QStringLiteral("tab"));
    return tab;
  }

  QWidget* lobbyWindow() override { return this; }
  ui::WindowFade& lobbyFade() override { return fade_; }
  QTabWidget* tabMain() override { return tabs_; }
  void refreshButtons() override { ++refreshes; }
  void runModalDimmed(QWidget* child) override { state_.dialogs.runModal(child); }
  ui::Grid* nameGrid() override { return tab_->grid(); }
  ui::Grid* courseGrid() override { return nullptr; }
  QString nameDisplayCaption() override { return {}; }
  void updateNameGrid() override { tab_->updateList(); }
  void openTrainingHistory(ui::Grid*) override {}
  void updateCourseGrid() override {}
  bool windowActivated() const override { return activated; }
  void startFlashing() override {}
  void stopFlashing() override {}

  bool activated = false;
  int refreshes = 0;

 private:
  ui::AppState& state_;
  ui::WindowFade fade_;
  QTabWidget* tabs_;
  ui::LobbyTab* tab_ = nullptr;
};

}  // namespace vm::test
