#include "courses/test_lobby.h"

#include <QApplication>
#include <QVBoxLayout>

#include "app/lobby_buttons.h"
#include "ui/button/command_button.h"

namespace vm::test {

TestLobby::TestLobby(TestApp& app) : app_(app), fade_(this, false), tabMain_(new QTabWidget(this)) {
  setObjectName(QStringLiteral("frmLobby"));
  tab_ = new courses::CourseIndexTab(app.state, *this);
  tabMain_->setObjectName(QStringLiteral("tabMain"));
  tabMain_->addTab(new QWidget, QStringLiteral("Name List"));
  tabMain_->addTab(tab_, QStringLiteral("Course Index"));
  tabMain_->addTab(new QWidget, QStringLiteral("Search && Summary Options"));
  tabMain_->addTab(new QWidget, QStringLiteral("Summary Results"));
  tabMain_->setCurrentIndex(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabMain_);
  layout->addWidget(ui::makeCommandButton(this, QStringLiteral("cmdAdminWindow"), {}));
  nameGrid_.reset(QStringLiteral("<Name|RecNum"));
  nameGrid_.addRow({QStringLiteral("Ann Smith"), QStringLiteral("1")});
  resize(820, 620);
}

void TestLobby::activate() {
  show();
  QApplication::processEvents();
  tab_->UpdateCourseGrid();
  refreshButtons();
  activated_ = true;
}

// The main window's own button table, applied to the buttons found by name.
void TestLobby::refreshButtons() {
  ++refreshes_;
  app::LobbyData data;
  data.accessLevel = app_.state.CurrentAccessLevel;
  data.trainingRecordsExist = app_.state.files.exists(store::DataFile::Training);
  data.namesOnFile = 1;
  data.nameRows = nameGrid_.rows();
  data.courseRows = tab_->grid()->rows();
  const app::LobbyButtons table = app::computeLobbyButtons(data);
  for (const app::ButtonState& s : table.buttons) {
    auto* b = findChild<ui::PellamButton*>(QString::fromStdString(s.name));
    if (!b) continue;
    b->setToolTip(QString::fromStdString(s.toolTip));
    if (s.caption) b->setCaption(QString::fromStdString(*s.caption));
    if (s.visible) b->setVisible(*s.visible);
    if (s.enabled) b->setEnabled(*s.enabled);
  }
  tabMain_->setTabEnabled(2, table.searchTabAvailable);
}

}  // namespace vm::test
