// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fake_lobby.h"

#include <QApplication>
#include <QVBoxLayout>

#include "app/lobby_buttons.h"
#include "courses/course_index_tab.h"
#include "names/name_list_tab.h"
#include "ui/button/command_button.h"

namespace vm::test {
namespace {

const std::array<const char*, 4> kCaptions = {"Name List", "Course Index",
                                              "Search && Summary Options", "Summary Results"};

}  // namespace

FakeLobby::FakeLobby(TestApp& app)
    : app_(app), fade_(this, false), life_(this, app.state, false), tabMain_(new QTabWidget(this)) {
  setObjectName(QStringLiteral("frmLobby"));
  tabMain_->setObjectName(QStringLiteral("tabMain"));
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    pages_[i] = new ui::LobbyTab;
    tabMain_->addTab(pages_[i], QString::fromLatin1(kCaptions[i]));
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabMain_);
  layout->addWidget(ui::makeCommandButton(this, QStringLiteral("cmdAdminWindow"), {}));
  resize(820, 620);
}

void FakeLobby::place(int page, ui::LobbyTab* tab) {
  const auto at = static_cast<std::size_t>(page);
  tabMain_->removeTab(page);
  delete pages_[at];
  pages_[at] = tab;
  tabMain_->insertTab(page, tab, QString::fromLatin1(kCaptions[at]));
  tabMain_->setCurrentIndex(page);
}

void FakeLobby::activate() {
  show();
  QApplication::processEvents();
  for (ui::LobbyTab* page : pages_) page->updateList();
  refreshButtons();
  activated_ = true;
}

std::vector<ui::ListedPerson> FakeLobby::listedPersons() {
  const auto* names = dynamic_cast<names::NameListTab*>(pages_[kNameList]);
  return names ? names->listedPersons() : standInNames_;
}

QString FakeLobby::nameListHeading() {
  const auto* names = dynamic_cast<names::NameListTab*>(pages_[kNameList]);
  return names ? names->heading() : QStringLiteral("List of all active persons");
}

std::vector<ui::ListedCourse> FakeLobby::listedCourses() {
  const auto* courses = dynamic_cast<courses::CourseIndexTab*>(pages_[kCourseIndex]);
  return courses ? courses->listedCourses() : std::vector<ui::ListedCourse>{};
}

void FakeLobby::refreshButtons() {
  ++refreshes_;
  app::LobbyData data;
  data.accessLevel = app_.state.CurrentAccessLevel;
  data.userListExists = app_.files.exists(store::DataFile::Users);
  data.trainingRecordsExist = app_.files.exists(store::DataFile::Training);
  const int listed = static_cast<int>(listedPersons().size());
  data.namesOnFile = nameGrid() ? app_.files.count(store::DataFile::Names) : listed;
  data.nameRows = listed;
  data.courseRows = courseGrid() ? courseGrid()->rows() : 0;
  const app::LobbyButtons table = app::computeLobbyButtons(data);
  for (const app::ButtonState& s : table.buttons) {
    auto* b = findChild<ui::PellamButton*>(QString::fromStdString(s.name));
    if (!b) continue;
    b->setToolTip(QString::fromStdString(s.toolTip));
    if (s.caption) b->setCaption(QString::fromStdString(*s.caption));
    if (s.visible) b->setVisible(*s.visible);
    if (s.enabled) b->setEnabled(*s.enabled);
  }
  tabMain_->setTabEnabled(kSearch, table.searchTabAvailable);
}

}  // namespace vm::test
