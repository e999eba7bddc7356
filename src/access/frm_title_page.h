// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QWidget>
#include <functional>

#include "ui/open_link.h"

class QLabel;

namespace vm::ui {
struct AppState;
class PellamButton;
class WindowLife;
}  // namespace vm::ui

namespace vm::access {

// The first window of every run: the program's name, version and maker. "Continue" shows the
// new-user overview (until the user declines it for good), warns about a screen narrower than 800
// pixels, and hands over to the admin window (AppState::showAdminWindow).
class frmTitlePage : public QWidget {
  Q_OBJECT

 public:
  explicit frmTitlePage(ui::AppState& state, QWidget* parent = nullptr);

  // The platform's by default: what opens the maker's mail and web links, and the size of the
  // screen in pixels.
  void setUrlOpener(ui::UrlOpener open) { open_ = std::move(open); }
  void setScreenSize(std::function<QSize()> size) { screenSize_ = std::move(size); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void firstActivation();
  void labelPellamContact_Click(int index);
  void cmdContinue_Click();
  void cmdServer_Click();

  ui::AppState& state_;
  ui::WindowLife* life_;
  ui::UrlOpener open_ = ui::openUrlWithShell;
  std::function<QSize()> screenSize_;
  bool handingOver_ = false;

  QLabel* picBackground_ = nullptr;
  QLabel* labelAppTitle_ = nullptr;
  QLabel* labelAppDescription_ = nullptr;
  QLabel* labelVersion_ = nullptr;
  QLabel* labelPellamSoftware_ = nullptr;
  QLabel* labelPellamAddress_ = nullptr;
  QLabel* labelPellamContact_[2] = {};
  ui::PellamButton* cmdContinue_ = nullptr;
  ui::PellamButton* cmdServer_ = nullptr;
};

}  // namespace vm::access
