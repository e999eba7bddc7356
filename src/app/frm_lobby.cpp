// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_lobby.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "access/folder_holder_texts.h"
#include "access/user_log.h"
#include "app/lobby_buttons.h"
#include "backup/backup_restore_menu.h"
#include "courses/course_index_tab.h"
#include "courses/course_rows.h"
#include "imports/import_command.h"
#include "names/name_list_tab.h"
#include "renewals/renewal_notice.h"
#include "search/results_tab.h"
#include "search/search_tab.h"
#include "store/file_table.h"
#include "store/folder_holder.h"
#include "training/frm_training_history.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/button/command_button.h"
#include "ui/button/geometry.h"
#include "ui/dialogs.h"
#include "ui/elsewhere_watch.h"
#include "ui/grid/grid.h"
#include "ui/grid_place.h"
#include "ui/lobby_tab.h"
#include "ui/open_modal.h"
#include "ui/pictures.h"
#include "ui/tab_order.h"
#include "ui/tile_picture.h"

namespace vm::app {
namespace {

const std::array<const char*, 4> kTabCaptions = {"Name List", "Course Index",
                                                 "Search && Summary Options", "Summary Results"};
// The help topic of each tab, unless its page names one; the results tab keeps the topic last
// shown.
const std::array<int, 4> kTabHelpTopics = {4, 5, 8, 0};
constexpr int kSearchTab = 2;
constexpr int kResultsTab = 3;

// The tool tip, set by the refresh, names what a picture button does.
ui::PellamButton* makePictureButton(QWidget* parent, const QString& name, const QImage& picture) {
  ui::PellamButton* b = ui::makeCommandButton(parent, name, QString());
  b->setPictureNormal(picture);
  b->setPicturePosition(ui::button::kPictureBehind);
  b->setFixedSize(picture.width() + 14, picture.height() + 14);
  return b;
}

}  // namespace

frmLobby::frmLobby(ui::AppState& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      life_(this, state),
      tabMain_(new QTabWidget(this)),
      nameTab_(new names::NameListTab(*this, state)),
      lblUserInfo_(new QLabel(this)),
      lblReadOnly_(new QLabel(this)),
      cmdHelp_(makePictureButton(this, QStringLiteral("cmdHelp"), ui::pictures::help())),
      cmdBackupRestore_(makePictureButton(this, QStringLiteral("cmdBackupRestore"),
                                          ui::pictures::backupRestore())),
      cmdAdminWindow_(
          makePictureButton(this, QStringLiteral("cmdAdminWindow"), ui::pictures::returnToAdmin())),
      cmdQuit_(makePictureButton(this, QStringLiteral("cmdQuit"), ui::pictures::quit())),
      cmdRefresh_(ui::makeCommandButton(this, QStringLiteral("cmdRefresh"),
                                        QStringLiteral("Refresh"),
                                        QStringLiteral(" Read the lists again (F5) "))),
      menuBackupRestoreMenu_(new backup::BackupRestoreMenu(state, this)) {
  setObjectName(QStringLiteral("frmLobby"));
  setWindowTitle(ui::applicationTitle());
  ui::TilePicture(ui::pictures::backgroundTile(), this);

  // Each tab folder brings its own page.
  auto* results = new search::ResultsTab(state, *this);
  courseTab_ = new courses::CourseIndexTab(state, *this);
  pages_ = {nameTab_, courseTab_, new search::SearchTab(state, *this, *results), results};
  // The persons and courses lists take records from spreadsheets, into both lists.
  for (ui::LobbyTab* listed : {pages_[0], pages_[1]})
    imports::offerImport(
        *listed, *listed->grid(), state_, [this] { return lobbyWindow(); },
        [this] {
          updateNameGrid();
          updateCourseGrid();
          refreshButtons();
        });
  tabMain_->setObjectName(QStringLiteral("tabMain"));
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    pages_[i]->setAutoFillBackground(true);
    tabMain_->addTab(pages_[i], QString::fromLatin1(kTabCaptions[i]));
  }

  lblUserInfo_->setObjectName(QStringLiteral("lblUserInfo"));
  lblReadOnly_->setObjectName(QStringLiteral("lblReadOnly"));
  lblReadOnly_->setStyleSheet(QStringLiteral("font-weight: bold; color: #8b0000;"));
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(lblUserInfo_);
  bottom->addSpacing(12);
  bottom->addWidget(lblReadOnly_);
  bottom->addStretch();
  bottom->addWidget(cmdRefresh_);
  for (ui::PellamButton* b : {cmdHelp_, cmdBackupRestore_, cmdAdminWindow_, cmdQuit_})
    bottom->addWidget(b);
  auto* page = new QVBoxLayout(this);
  page->addWidget(tabMain_, 1);
  page->addLayout(bottom);

  timerFlashButton_.setObjectName(QStringLiteral("timerFlashButton"));
  timerFlashButton_.setInterval(15);
  QList<QWidget*> order = {tabMain_};
  for (ui::LobbyTab* p : pages_) order += p->tabOrder();
  order += {cmdRefresh_, cmdHelp_, cmdBackupRestore_, cmdAdminWindow_, cmdQuit_};
  ui::setTabOrder(order);

  connect(&timerFlashButton_, &QTimer::timeout, this, &frmLobby::timerFlashButton_Timer);
  connect(tabMain_, &QTabWidget::currentChanged, this, &frmLobby::tabMain_Click);
  connect(cmdHelp_, &ui::PellamButton::Click, this, &frmLobby::cmdHelp_Click);
  connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
          &frmLobby::cmdHelp_Click);
  connect(cmdBackupRestore_, &ui::PellamButton::Click, this, &frmLobby::cmdBackupRestore_Click);
  connect(menuBackupRestoreMenu_, &backup::BackupRestoreMenu::dataRestored, this,
          &frmLobby::dataRestored);
  connect(cmdAdminWindow_, &ui::PellamButton::Click, this, &frmLobby::cmdAdminWindow_Click);
  connect(cmdQuit_, &ui::PellamButton::Click, this, &frmLobby::cmdQuit_Click);
  connect(cmdRefresh_, &ui::PellamButton::Click, this, &frmLobby::cmdRefresh_Click);
  connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this,
          &frmLobby::cmdRefresh_Click);
  life_.onFirstActivation([this] { Form_Activate(); });
  // Not before the lists are first filled, nor in the middle of a find or a search.
  new ui::ElsewhereWatch(
      this, state_.records, {.persons = true, .courses = true},
      [this] { return !activated_ || timerFlashButton_.isActive(); },
      [this](const records::ChangedLists& changed) { listChangesElsewhere(changed); });

  // Room for the tabs' lists on a screen of 800 x 600, centred on larger ones.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  resize(std::min(790, screen.width() - 10), std::min(570, screen.height() - 30));
  move(screen.center() - rect().center());
}

void frmLobby::Form_Activate() {
  tabMain_->setTabEnabled(kResultsTab, false);
  tabMain_->setCurrentIndex(0);
  lblUserInfo_->setText(QStringLiteral("User: ") + state_.CurrentUserName +
                        QStringLiteral("\nAccess: ") +
                        state_.accessLevelName(state_.CurrentAccessLevel));
  lblReadOnly_->setText(access::readOnlyStatus(state_.holder));
  // The buttons show their captions from the start, also under the lists' first messages.
  refreshButtons();
  if (state_.FadeEnabled) {
    life_.fadeIn();
    life_.fade().waitUntilFinished();
  }
  updateNameGrid();
  QApplication::processEvents();
  updateCourseGrid();
  QApplication::processEvents();
  refreshButtons();
  if (nameGrid()->rows() > 0) nameGrid()->setFocus();
  activated_ = true;
  // The renewals notice comes once the window stands open, not inside its activation.
  QTimer::singleShot(0, this, [this] { renewals::offerRenewalNotice(state_, *this); });
}

ui::Grid* frmLobby::nameGrid() { return nameTab_->grid(); }
ui::Grid* frmLobby::courseGrid() { return courseTab_->grid(); }
std::vector<ui::ListedPerson> frmLobby::listedPersons() { return nameTab_->listedPersons(); }
QString frmLobby::nameListHeading() { return nameTab_->heading(); }
QString frmLobby::nameDisplayCaption() { return nameTab_->displayCaption(); }
std::vector<ui::ListedCourse> frmLobby::listedCourses() { return courseTab_->listedCourses(); }
void frmLobby::updateNameGrid() { nameTab_->UpdateNameGrid(); }
void frmLobby::updateCourseGrid() { courseTab_->UpdateCourseGrid(); }

void frmLobby::openTrainingHistory(const ui::ListedPerson& person) {
  ui::openModal(state_, this, new training::frmTrainingHistory(state_, person, this));
  // Removing records may have removed the last of them, and Training.Records with them.
  refreshButtons();
}

void frmLobby::refreshButtons() {
  LobbyData data;
  data.accessLevel = state_.CurrentAccessLevel;
  data.readOnly = state_.ReadOnly;
  data.userListExists = state_.records.exists(store::DataFile::Users);
  data.trainingRecordsExist = state_.records.exists(store::DataFile::Training);
  data.namesOnFile = state_.records.count(store::DataFile::Names);
  data.nameRows = nameGrid()->rows();
  data.courseRows = courseGrid()->rows();
  data.applicationTitle = ui::applicationTitle().toStdString();
  const LobbyButtons table = computeLobbyButtons(data);

  // Buttons are found by name, so the refresh reaches whichever tabs have been built.
  for (const ButtonState& s : table.buttons) {
    auto* b = findChild<ui::PellamButton*>(QString::fromStdString(s.name));
    if (!b) continue;
    const QString tip = QString::fromStdString(s.toolTip);
    b->setToolTip(tip);
    if (s.caption) b->setCaption(QString::fromStdString(*s.caption));
    if (s.visible) b->setVisible(*s.visible);
    if (s.enabled) b->setEnabled(*s.enabled);
    b->Refresh();
  }
  tabMain_->setTabEnabled(kSearchTab, table.searchTabAvailable);
  cmdRefresh_->setVisible(table.refreshShown);
  lblReadOnly_->setVisible(table.refreshShown);
}

void frmLobby::tabMain_Click(int index) {
  if (!activated_ || index < 0) return;
  pages_[static_cast<std::size_t>(index)]->tabClicked();
}

void frmLobby::cmdHelp_Click() {
  const auto tab = static_cast<std::size_t>(tabMain_->currentIndex());
  const int topic = pages_[tab]->helpTopic() != 0 ? pages_[tab]->helpTopic() : kTabHelpTopics[tab];
  // The help window dims this one while it is open.
  state_.openHelp(this, topic == 0 ? state_.HelpTopic : topic);
}

void frmLobby::cmdBackupRestore_Click() {
  if (state_.CurrentAccessLevel != 4) {
    state_.dialogs.message(this,
                           ui::makeMessage(QStringLiteral("Current Access Level Inadequate"),
                                           QStringLiteral("Full access level privileges\n"
                                                          "are required to use this feature."),
                                           ui::MessageIcon::Critical));
    return;
  }
  // The menu opens above the button, which sits at the foot of the window.
  const int menuHeight = menuBackupRestoreMenu_->sizeHint().height();
  state_.dialogs.popupMenu(menuBackupRestoreMenu_,
                           cmdBackupRestore_->mapToGlobal(QPoint(0, -menuHeight)));
}

// The files were replaced: the lists are rebuilt so that no row or count of the old files stays
// on screen.
void frmLobby::dataRestored() {
  state_.DataRestored = false;
  readListsAgain();
}

void frmLobby::readListsAgain() {
  updateNameGrid();
  QApplication::processEvents();
  updateCourseGrid();
  QApplication::processEvents();
  refreshButtons();
  QApplication::processEvents();
}

void frmLobby::cmdRefresh_Click() {
  if (!activated_) return;
  if (state_.ReadOnly) {
    // The holder may have logged in as someone else since.
    if (const std::optional<store::FolderHolder> h =
            store::readHolder(state_.files.fileSystem(), state_.files.folder()))
      state_.holder = *h;
    lblReadOnly_->setText(access::readOnlyStatus(state_.holder));
  }
  readListsAgain();
}

void frmLobby::listChangesElsewhere(const records::ChangedLists& changed) {
  if (changed.persons)
    ui::refillInPlace(*nameGrid(), names::NameListTab::kColDateCreated,
                      [this] { updateNameGrid(); });
  if (changed.courses)
    ui::refillInPlace(*courseGrid(), courses::kId, [this] { updateCourseGrid(); });
  refreshButtons();
}

void frmLobby::cmdAdminWindow_Click() {
  access::WriteUserLog(state_, access::UserLogKind::LogOut, this);
  leaving_ = true;
  life_.closeWindow([this] {
    close();
    if (state_.showAdminWindow) state_.showAdminWindow();
  });
}

void frmLobby::cmdQuit_Click() {
  if (state_.FadeEnabled) {
    life_.fade().dim();
    life_.fade().waitUntilFinished();
  }
  const QString title = ui::applicationTitle();
  const ui::Answer a = state_.dialogs.message(
      this, ui::makeMessage(QStringLiteral("Exit ") + title + QStringLiteral("?"),
                            QStringLiteral("This will close ") + title +
                                QStringLiteral(".\n\nIs this what you want to do?"),
                            ui::MessageIcon::Question, ui::MessageButtons::YesNo));
  if (a != ui::Answer::Yes) {
    if (state_.FadeEnabled) life_.fade().undim();
    return;
  }
  access::WriteUserLog(state_, access::UserLogKind::LogOut, this);
  leaving_ = true;
  life_.closeWindow([this] { state_.shutdown(); }, 204);
}

void frmLobby::closeEvent(QCloseEvent* event) {
  if (leaving_) {
    event->accept();
    return;
  }
  event->ignore();
  cmdQuit_Click();
}

void frmLobby::timerFlashButton_Timer() {
  flash_.tick();
  auto* b = findChild<ui::PellamButton*>(tabMain_->isTabEnabled(kResultsTab)
                                             ? QStringLiteral("cmdFinishedSummary")
                                             : QStringLiteral("cmdQuitSearching"));
  if (!b) return;
  b->setBackColor(ui::button::rgb(flash_.background, flash_.background, 0));
  b->setForeColor(ui::button::rgb(flash_.text, flash_.text, 0));
}

}  // namespace vm::app
