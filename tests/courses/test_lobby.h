#pragma once

#include <QTabWidget>
#include <QWidget>

#include "courses/course_index_tab.h"
#include "support/test_app.h"
#include "ui/grid/grid.h"
#include "ui/lobby_services.h"
#include "ui/window_fade.h"

namespace vm::test {

// A main window as small as the Course Index tab needs: the tab control with the tab on page 1, the
// way back to the admin window, the button refresh and the flashing.
class TestLobby : public QWidget, public ui::LobbyServices {
 public:
  explicit TestLobby(TestApp& app);

  courses::CourseIndexTab& tab() { return *tab_; }
  ui::Grid& grid() { return *tab_->grid(); }
  // A button of the window by its name.
  template <typename Button = QWidget>
  Button* button(const QString& name) {
    return findChild<Button*>(name);
  }
  // The main window's first activation as far as the course list goes.
  void activate();

  bool flashing() const { return flashing_; }
  int refreshes() const { return refreshes_; }

  QWidget* lobbyWindow() override { return this; }
  ui::WindowFade& lobbyFade() override { return fade_; }
  QTabWidget* tabMain() override { return tabMain_; }
  void refreshButtons() override;
  void runModalDimmed(QWidget* child) override { app_.dialogs.runModal(child); }
  ui::Grid* nameGrid() override { return &nameGrid_; }
  ui::Grid* courseGrid() override { return tab_->grid(); }
  QString nameDisplayCaption() override { return QStringLiteral("Active Persons"); }
  void updateNameGrid() override {}
  void openTrainingHistory(ui::Grid*) override {}
  void updateCourseGrid() override { tab_->UpdateCourseGrid(); }
  bool windowActivated() const override { return activated_; }
  void startFlashing() override { flashing_ = true; }
  void stopFlashing() override { flashing_ = false; }

  // One person listed on the Name List tab, so that crediting can show.
  ui::Grid nameGrid_;

 private:
  TestApp& app_;
  ui::WindowFade fade_;
  QTabWidget* tabMain_;
  courses::CourseIndexTab* tab_;
  bool activated_ = false;
  bool flashing_ = false;
  int refreshes_ = 0;
};

}  // namespace vm::test
