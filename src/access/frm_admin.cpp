// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/frm_admin.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "access/folder_holding.h"
#include "access/frm_add_edit_user.h"
#include "access/frm_change_log.h"
#include "access/password.h"
#include "access/user_log.h"
#include "access/user_rows.h"
#include "access/user_store.h"
#include "format/number_parse.h"
#include "store/data_files.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/busy_cursor.h"
#include "ui/button/command_button.h"
#include "ui/change_author.h"
#include "ui/dialogs.h"
#include "ui/elsewhere_watch.h"
#include "ui/grid/grid.h"
#include "ui/grid_place.h"
#include "ui/keep_place.h"
#include "ui/open_modal.h"
#include "ui/option_handlers.h"
#include "ui/pictures.h"
#include "ui/record_editor.h"
#include "ui/refused_change.h"
#include "ui/settings.h"
#include "ui/tab_order.h"
#include "ui/tile_picture.h"
#include "ui/window_life.h"

namespace vm::access {
namespace {

constexpr int kHelpTopic = 3;
// The pulse moves on at the pace of the system timer the flashing was made for.
constexpr int kFlashIntervalMs = 16;
const QString kFadeStatus = QStringLiteral("FadeStatus");

QString text(const std::string& s) { return QString::fromStdString(s); }

ui::button::ColourRef colourRef(const Rgb& c) { return ui::button::rgb(c.red, c.green, c.blue); }

}  // namespace

frmAdmin::frmAdmin(ui::AppState& state, QWidget* parent)
    : QWidget(parent), state_(state), life_(new ui::WindowLife(this, state, false)) {
  setObjectName(QStringLiteral("frmAdmin"));
  setAttribute(Qt::WA_DeleteOnClose);
  buildControls();
  prepareFading();
  setWindowTitle(ui::applicationTitle() + " - Admin Window");
  ui::TilePicture(ui::pictures::backgroundTile(), this);
  adminAccessCode_ = text(state_.install.accessCode);
  // Captioned from the start, so the window never shows bare buttons behind a message of its first
  // activation.
  UpdateAdminButtons();
  life_->onFirstActivation([this] { firstActivation(); });
  // Not over a password being typed or the user log being read.
  new ui::ElsewhereWatch(
      this, state_.records, {.users = true},
      [this] {
        return !activated() || leaving_ ||
               (mode_ != AdminMode::Selection && mode_ != AdminMode::Editing);
      },
      [this](const records::ChangedLists& changed) {
        if (changed.users) ui::refillInPlace(*grid_, kUserSortKey, [this] { UpdateUserGrid(); });
        UpdateAdminButtons();
      });
}

void frmAdmin::buildControls() {
  grid_ = new ui::Grid(this);
  grid_->setObjectName(QStringLiteral("grid"));
  grid_->reset(QString::fromLatin1(kUserGridFormat));
  grid_->setHeightInRows(8);
  grid_->setFixedWidth(550);
  grid_->hide();
  connect(grid_, &ui::Grid::rowDoubleClicked, this, &frmAdmin::grid_DblClick);
  connect(grid_, &ui::Grid::mouseOverRow, this, &frmAdmin::grid_MouseMove);

  txtUserLog_ = new QPlainTextEdit(this);
  txtUserLog_->setObjectName(QStringLiteral("txtUserLog"));
  txtUserLog_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Nothing typed here is kept, so Tab moves on rather than typing a tab.
  txtUserLog_->setTabChangesFocus(true);
  txtUserLog_->setFixedSize(grid_->width(), grid_->height());
  txtUserLog_->setStyleSheet(
      QStringLiteral("QPlainTextEdit { color: #000080; background: rgb(255,224,192); }"));
  txtUserLog_->hide();

  auto command = [this](const QString& name, int width, int height) {
    ui::PellamButton* b = ui::makeCommandButton(this, name, {});
    b->setFixedSize(width, height);
    ui::keepPlaceWhenHidden(b);
    return b;
  };
  cmdHelp_ = command(QStringLiteral("cmdHelp"), 46, 46);
  cmdHelp_->setPictureNormal(ui::pictures::help());
  cmdQuit_ = command(QStringLiteral("cmdQuit"), 46, 46);
  cmdQuit_->setPictureNormal(ui::pictures::quit());
  cmdAddUser_ = command(QStringLiteral("cmdAddUser"), 150, 34);
  cmdEditUser_ = command(QStringLiteral("cmdEditUser"), 150, 34);
  cmdDeleteUser_ = command(QStringLiteral("cmdDeleteUser"), 150, 34);
  cmdReviewUserLog_ = command(QStringLiteral("cmdReviewUserLog"), 150, 34);
  cmdReviewChangeLog_ = command(QStringLiteral("cmdReviewChangeLog"), 150, 34);
  cmdUserSelected_ = command(QStringLiteral("cmdUserSelected"), 250, 42);
  cmdContinue_ = command(QStringLiteral("cmdContinue"), 92, 42);
  cmdCancel_ = command(QStringLiteral("cmdCancel"), 92, 42);
  cmdAdmin_ = command(QStringLiteral("cmdAdmin"), 250, 42);
  for (ui::PellamButton* b : {cmdAddUser_, cmdEditUser_, cmdDeleteUser_, cmdReviewUserLog_,
                              cmdReviewChangeLog_, cmdUserSelected_, cmdContinue_, cmdCancel_})
    b->hide();

  txtPassword_ = new QLineEdit(this);
  txtPassword_->setObjectName(QStringLiteral("txtPassword"));
  txtPassword_->setMaxLength(8);
  txtPassword_->setEchoMode(QLineEdit::Password);
  txtPassword_->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
  txtPassword_->setFixedSize(150, 42);
  ui::keepPlaceWhenHidden(txtPassword_);
  txtPassword_->hide();

  fraFadeStatus_ = new QFrame(this);
  fraFadeStatus_->setObjectName(QStringLiteral("fraFadeStatus"));
  fraFadeStatus_->setFrameShape(QFrame::StyledPanel);
  fraFadeStatus_->setFrameShadow(QFrame::Raised);
  chkFadeStatus_ = new QCheckBox(QStringLiteral("Enable form fade effects"), fraFadeStatus_);
  chkFadeStatus_->setObjectName(QStringLiteral("chkFadeStatus"));
  chkFadeStatus_->setToolTip(
      QStringLiteral(" Check this option if your forms fade in and out too slowly "));
  auto* fadeBox = new QHBoxLayout(fraFadeStatus_);
  fadeBox->setContentsMargins(10, 6, 10, 6);
  fadeBox->addWidget(chkFadeStatus_);
  ui::keepPlaceWhenHidden(fraFadeStatus_);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(16, 16, 16, 14);
  layout->setHorizontalSpacing(14);
  layout->setVerticalSpacing(12);
  layout->addWidget(grid_, 0, 0, Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(txtUserLog_, 0, 0, Qt::AlignLeft | Qt::AlignTop);

  auto* side = new QVBoxLayout;
  side->setSpacing(8);
  auto* pictures = new QHBoxLayout;
  pictures->addStretch();
  pictures->addWidget(cmdHelp_);
  pictures->addWidget(cmdQuit_);
  side->addLayout(pictures);
  side->addStretch();
  for (ui::PellamButton* b :
       {cmdAddUser_, cmdEditUser_, cmdDeleteUser_, cmdReviewUserLog_, cmdReviewChangeLog_})
    side->addWidget(b, 0, Qt::AlignRight);
  layout->addLayout(side, 0, 1);

  auto* entry = new QHBoxLayout;
  entry->setSpacing(10);
  entry->addWidget(cmdUserSelected_);
  entry->addWidget(txtPassword_);
  entry->addWidget(cmdContinue_);
  entry->addWidget(cmdCancel_);
  entry->addStretch();
  layout->addLayout(entry, 1, 0, 1, 2);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(cmdAdmin_);
  bottom->addStretch();
  bottom->addWidget(fraFadeStatus_, 0, Qt::AlignBottom);
  layout->addLayout(bottom, 2, 0, 1, 2);
  layout->setRowStretch(0, 1);
  setFixedSize(760, 400);

  ui::setTabOrder({grid_, txtUserLog_, cmdHelp_, cmdQuit_, cmdAddUser_, cmdEditUser_,
                   cmdDeleteUser_, cmdReviewUserLog_, cmdReviewChangeLog_, cmdUserSelected_,
                   txtPassword_, cmdContinue_, cmdCancel_, cmdAdmin_, chkFadeStatus_});

  connect(cmdAdmin_, &ui::PellamButton::Click, this, &frmAdmin::cmdAdmin_Click);
  connect(cmdAddUser_, &ui::PellamButton::Click, this, &frmAdmin::cmdAddUser_Click);
  connect(cmdEditUser_, &ui::PellamButton::Click, this, &frmAdmin::cmdEditUser_Click);
  connect(cmdDeleteUser_, &ui::PellamButton::Click, this, &frmAdmin::cmdDeleteUser_Click);
  connect(cmdReviewUserLog_, &ui::PellamButton::Click, this, &frmAdmin::cmdReviewUserLog_Click);
  connect(cmdReviewChangeLog_, &ui::PellamButton::Click, this, &frmAdmin::cmdReviewChangeLog_Click);
  connect(cmdUserSelected_, &ui::PellamButton::Click, this, &frmAdmin::cmdUserSelected_Click);
  connect(cmdContinue_, &ui::PellamButton::Click, this, &frmAdmin::cmdContinue_Click);
  connect(cmdCancel_, &ui::PellamButton::Click, this, &frmAdmin::cmdCancel_Click);
  connect(cmdHelp_, &ui::PellamButton::Click, this, &frmAdmin::cmdHelp_Click);
  connect(cmdQuit_, &ui::PellamButton::Click, this, &frmAdmin::cmdQuit_Click);
  connect(txtPassword_, &QLineEdit::textChanged, this, &frmAdmin::txtPassword_Change);
  // Enter presses the default button of the password entry.
  connect(txtPassword_, &QLineEdit::returnPressed, this, [this] {
    if (cmdContinue_->isEnabled()) {
      cmdContinue_Click();
    } else {
      cmdCancel_Click();
    }
  });
  ui::onTickChanged(chkFadeStatus_, this, [this] { chkFadeStatus_Click(); });

  // The window sees these keys before its controls.
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, &frmAdmin::cmdHelp_Click);
  auto* accessCode = new QShortcut(QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_A), this);
  connect(accessCode, &QShortcut::activated, this, &frmAdmin::showAccessCode);

  timerFlashButton_ = new QTimer(this);
  timerFlashButton_->setObjectName(QStringLiteral("timerFlashButton"));
  timerFlashButton_->setInterval(kFlashIntervalMs);
  connect(timerFlashButton_, &QTimer::timeout, this, &frmAdmin::timerFlashButton_Timer);
}

void frmAdmin::prepareFading() {
  // Unlike the other windows, this one asks the platform whatever the setting, to learn whether its
  // fade check box can be offered at all.
  if (life_->fade().prepare(state_.settings, 0, true)) {
    const bool wanted =
        format::leadingNumber(state_.settings.value(kFadeStatus, "0").toStdString()) != 0;
    if (!wanted) life_->fade().applyOpacity(255);
    state_.FadeEnabled = wanted;
  } else {
    state_.settings.setValue(kFadeStatus, QStringLiteral("0"));
    state_.FadeEnabled = false;
    fraFadeStatus_->hide();
  }
}

bool frmAdmin::activated() const { return life_->activated(); }

void frmAdmin::firstActivation() {
  firstActivationRunning_ = true;
  UpdateUserGrid();
  firstActivationRunning_ = false;
  UpdateAdminButtons();
  chkFadeStatus_->setChecked(
      format::leadingNumber(state_.settings.value(kFadeStatus, "0").toStdString()) == 1);
  life_->fadeIn();
  if (!cmdUserSelected_->isHidden()) cmdUserSelected_->setFocus();
}

void frmAdmin::UpdateUserGrid() {
  grid_->hide();
  grid_->setUpdatesEnabled(false);
  grid_->reset(QString::fromLatin1(kUserGridFormat));
  grid_->hideColumn(kUserSortKey);
  grid_->hideColumn(kUserRecNum);

  if (!state_.records.exists(store::DataFile::Users)) {
    state_.dialogs.message(this, ui::makeMessage("'User List' Empty",
                                                 "There are currently no 'Users'\n"
                                                 "entered in the 'User List'",
                                                 ui::MessageIcon::Information));
  } else {
    std::vector<QStringList> rows;
    for (const UserRow& user : userRows(state_.records.users()))
      rows.push_back({text(user.name), text(user.accessLevel), text(user.dateCreated),
                      text(user.sortKey), QString::number(user.recNum)});
    grid_->setRows(std::move(rows));
  }

  if (grid_->rows() >= 2) grid_->sortByColumn(kUserSortKey);
  if (grid_->rows() >= 1) {
    grid_->setColumnWidthTwips(0, 4000);
    grid_->setColumnWidthTwips(1, 1900);
    // The level names must show whole in the font in use, which may run wider.
    int levelWidth = grid_->columnWidth(1);
    for (const QString& name : state_.AccessLevelNames)
      levelWidth = std::max(levelWidth, grid_->fontMetrics().horizontalAdvance(name) + 12);
    grid_->setColumnWidth(1, levelWidth);
    grid_->setColumnWidthTwips(2, 1250);
    grid_->fillWidthWith(0);
    grid_->shadeAlternateRows(0, 2);
    grid_->show();
    if (firstActivationRunning_) grid_->selectRow(1);
  }
  grid_->setUpdatesEnabled(true);
}

AdminView frmAdmin::view() const {
  AdminView v;
  v.mode = mode_;
  v.hasUsers = grid_->rows() > 0;
  v.userLogExists = state_.records.logExists(records::Log::User);
  v.changeLogExists = state_.records.logExists(records::Log::Change);
  v.passwordTyped = !txtPassword_->text().isEmpty();
  v.appTitle = ui::applicationTitle().toStdString();
  v.readOnly = state_.ReadOnly;
  return v;
}

void frmAdmin::applyLook(ui::PellamButton* button, const ButtonLook& look) {
  if (!look.caption.empty()) button->setCaption(text(look.caption));
  button->setToolTip(text(look.toolTip));
  button->setFontBold(look.bold);
  if (look.foreColor) button->setForeColor(colourRef(*look.foreColor));
  if (look.backColor) button->setBackColor(colourRef(*look.backColor));
  if (look.backOver) button->setBackOver(colourRef(*look.backOver));
  if (look.backFromHover) button->setBackColor(button->backOver());
  button->setEnabled(look.enabled);
  button->setVisible(look.visible);
  button->Refresh();
}

void frmAdmin::UpdateAdminButtons() {
  const AdminButtons b = computeAdminButtons(view());
  applyLook(cmdAdmin_, b.cmdAdmin);
  applyLook(cmdHelp_, b.cmdHelp);
  applyLook(cmdQuit_, b.cmdQuit);
  applyLook(cmdAddUser_, b.cmdAddUser);
  applyLook(cmdEditUser_, b.cmdEditUser);
  applyLook(cmdDeleteUser_, b.cmdDeleteUser);
  applyLook(cmdUserSelected_, b.cmdUserSelected);
  applyLook(cmdReviewUserLog_, b.cmdReviewUserLog);
  applyLook(cmdReviewChangeLog_, b.cmdReviewChangeLog);
  applyLook(cmdContinue_, b.cmdContinue);
  applyLook(cmdCancel_, b.cmdCancel);
  cmdContinue_->setDefault(b.continueIsDefault);
  cmdCancel_->setDefault(b.cmdCancel.visible && !b.continueIsDefault);
  txtPassword_->setVisible(b.passwordBoxVisible);
  grid_->setEnabled(b.gridEnabled);
  if (b.flashing == FlashingButton::None) {
    timerFlashButton_->stop();
  } else if (!timerFlashButton_->isActive()) {
    timerFlashButton_->start();
  }
}

int frmAdmin::currentRecNum() const {
  const int row = grid_->currentRow();
  return row < 1 ? 0 : grid_->text(row, kUserRecNum).toInt();
}

void frmAdmin::selectRowWhere(int column, const QString& wanted) {
  if (const int row = ui::rowWhere(*grid_, column, wanted)) grid_->selectRow(row);
}

void frmAdmin::cmdAdmin_Click() {
  if (mode_ == AdminMode::Editing) {
    mode_ = AdminMode::Selection;
    timerFlashButton_->stop();
  } else {
    for (;;) {
      const QString answer = state_.dialogs.input(this, "Access Code Required",
                                                  "\nPlease enter the access code\n"
                                                  "needed to add/edit/delete\n"
                                                  "users in this 'User List'",
                                                  "<Enter Access Code Here>");
      if (answer.isEmpty()) return;
      if (answer == adminAccessCode_) break;
      state_.dialogs.message(this, ui::makeMessage("Incorrect Access Code",
                                                   "Sorry, but you have not entered\n"
                                                   "the correct Access Code.",
                                                   ui::MessageIcon::Critical));
    }
    mode_ = AdminMode::Editing;
    UpdateAdminButtons();
    bool empty = false;
    empty = state_.records.count(store::DataFile::Users) == 0;
    if (empty && !state_.ReadOnly) cmdAddUser_Click();
  }
  UpdateAdminButtons();
}

void frmAdmin::cmdAddUser_Click() { openEditor(ui::EditorMode::Add); }

void frmAdmin::cmdEditUser_Click() { openEditor(ui::EditorMode::Edit); }

void frmAdmin::openEditor(ui::EditorMode mode) {
  const std::optional<store::UserRecord> saved =
      ui::openEditor(state_, this, new frmAddEditUser(state_, mode, currentRecNum(), this));
  if (!saved) return;
  const QString key = text(userSortKey(saved->FirstName, saved->LastName));
  UpdateUserGrid();
  QApplication::processEvents();
  selectRowWhere(kUserSortKey, key);
  UpdateAdminButtons();
}

void frmAdmin::cmdDeleteUser_Click() {
  const int row = grid_->currentRow();
  if (row < 1) return;
  const ui::Answer answer = state_.dialogs.message(
      this,
      ui::makeMessage(
          "Confirm Deletion",
          "Are you sure you want to remove\n\n" + grid_->text(row, 0) + "\n\nfrom the 'User List'?",
          ui::MessageIcon::Question, ui::MessageButtons::YesNoCancel, ui::Answer::No));
  if (answer != ui::Answer::Yes) return;
  const ui::ChangeOutcome outcome = ui::makeChange(state_, this, [&] {
    const ui::BusyCursor busy(this);
    state_.records.removeUser(ui::administratorAuthor(state_), currentRecNum());
  });
  if (outcome != ui::ChangeOutcome::Made) {
    UpdateUserGrid();
    UpdateAdminButtons();
    return;
  }
  const int keptRow = state_.records.exists(store::DataFile::Users) ? std::max(row - 1, 1) : 0;
  UpdateUserGrid();
  QApplication::processEvents();
  if (!grid_->isHidden()) grid_->selectRow(keptRow);
  UpdateAdminButtons();
  state_.dialogs.message(this, ui::makeMessage("Name removed",
                                               "The name has been removed\n"
                                               "from the 'User List'.",
                                               ui::MessageIcon::Information));
}

void frmAdmin::cmdReviewUserLog_Click() {
  if (mode_ != AdminMode::LogView) {
    if (!state_.records.logHoldsAny(records::Log::User)) {
      state_.dialogs.message(this, ui::makeMessage("Nothing to View",
                                                   "There is currently no data\n"
                                                   "in the 'User Log'.",
                                                   ui::MessageIcon::Information));
      return;
    }
    mode_ = AdminMode::LogView;
    UpdateAdminButtons();
    captionBeforeLog_ = windowTitle();
    setWindowTitle(ui::applicationTitle() + " - User Log");
    txtUserLog_->setPlainText(readUserLog(state_));
    txtUserLog_->verticalScrollBar()->setValue(0);
    grid_->hide();
    txtUserLog_->show();
    return;
  }
  txtUserLog_->hide();
  txtUserLog_->clear();
  mode_ = AdminMode::Editing;
  setWindowTitle(captionBeforeLog_);
  // An empty list keeps its grid hidden, as a refill would leave it.
  grid_->setVisible(grid_->rows() > 0);
  UpdateAdminButtons();
}

void frmAdmin::cmdReviewChangeLog_Click() {
  if (!state_.records.logHoldsAny(records::Log::Change)) {
    state_.dialogs.message(this, ui::makeMessage("Nothing to View",
                                                 "There is currently no data\n"
                                                 "in the 'Change Log'.",
                                                 ui::MessageIcon::Information));
    return;
  }
  ui::openModal(state_, this, new frmChangeLog(state_, this));
}

void frmAdmin::cmdUserSelected_Click() {
  if (mode_ != AdminMode::Selection || grid_->currentRow() < 1) return;
  mode_ = AdminMode::PasswordEntry;
  txtPassword_->clear();
  QFont font = txtPassword_->font();
  font.setPointSize(20);
  txtPassword_->setFont(font);
  UpdateAdminButtons();
  txtPassword_->setFocus();
}

void frmAdmin::txtPassword_Change() {
  const bool typed = !txtPassword_->text().isEmpty();
  cmdContinue_->setEnabled(typed);
  cmdContinue_->setDefault(typed);
  cmdCancel_->setDefault(!typed);
}

void frmAdmin::cmdCancel_Click() {
  mode_ = AdminMode::Selection;
  txtPassword_->clear();
  UpdateAdminButtons();
}

void frmAdmin::cmdContinue_Click() {
  if (mode_ != AdminMode::PasswordEntry || txtPassword_->text().isEmpty()) return;
  const int row = grid_->currentRow();
  const store::UserRecord user = state_.records.user(currentRecNum());
  if (txtPassword_->text() != text(UnscramblePassword(user.Password))) {
    state_.dialogs.message(this, ui::makeMessage("Incorrect Password",
                                                 "That is not the correct password\n"
                                                 "associated with this name",
                                                 ui::MessageIcon::Critical));
    txtPassword_->clear();
    txtPassword_->setFocus();
    return;
  }
  state_.CurrentUserName = grid_->text(row, 0);
  // A level that another program wrote outside 1 to 4 grants no more than reading.
  const int level = user.AccessLevel;
  state_.CurrentAccessLevel = level >= 1 && level <= 4 ? level : 1;
  WriteUserLog(state_, UserLogKind::LogIn, this);
  noteHolderUser(state_);
  leaving_ = true;
  ui::AppState& state = state_;
  life_->closeWindow([this, &state] {
    close();
    if (state.showMainWindow) state.showMainWindow();
  });
}

void frmAdmin::grid_DblClick() {
  if (!cmdEditUser_->isHidden()) {
    if (cmdEditUser_->isEnabled()) cmdEditUser_Click();
  } else if (!cmdUserSelected_->isHidden()) {
    cmdUserSelected_Click();
  }
}

void frmAdmin::grid_MouseMove(int row) {
  QString tip;
  if (row > 0 && !cmdEditUser_->isHidden()) {
    tip = QStringLiteral(" Double-click to view/edit this user ");
  } else if (row > 0 && !cmdUserSelected_->isHidden()) {
    tip = QStringLiteral(" Double-click to select this user ");
  }
  grid_->setToolTip(tip);
}

void frmAdmin::chkFadeStatus_Click() {
  const bool on = chkFadeStatus_->isChecked();
  state_.settings.setValue(kFadeStatus, on ? QStringLiteral("1") : QStringLiteral("0"));
  state_.FadeEnabled = on;
}

// The help window dims this one while it is open.
void frmAdmin::cmdHelp_Click() { state_.openHelp(this, kHelpTopic); }

void frmAdmin::cmdQuit_Click() {
  const QString title = ui::applicationTitle();
  const ui::Answer answer = state_.dialogs.message(
      this, ui::makeMessage("Exit " + title + "?",
                            "This will close " + title + ".\n\nIs this what you want to do?",
                            ui::MessageIcon::Question, ui::MessageButtons::YesNo, ui::Answer::Yes));
  if (answer != ui::Answer::Yes) return;
  leaving_ = true;
  ui::AppState& state = state_;
  life_->closeWindow([&state] { state.shutdown(); });
}

void frmAdmin::showAccessCode() {
  state_.dialogs.message(
      this, ui::makeMessage("Access Code",
                            "The 'Access Code' for this\nversion of " + ui::applicationTitle() +
                                " is \n\n" + adminAccessCode_,
                            ui::MessageIcon::Information));
}

void frmAdmin::timerFlashButton_Timer() {
  flash_.tick();
  ui::PellamButton* button = mode_ == AdminMode::LogView ? cmdReviewUserLog_ : cmdAdmin_;
  button->setBackColor(ui::button::rgb(flash_.background, flash_.background, 0));
  button->setForeColor(ui::button::rgb(flash_.text, flash_.text, 0));
}

void frmAdmin::closeEvent(QCloseEvent* event) {
  // The close box asks, as the quit button does; with no window left the program would go on
  // running unseen.
  if (!leaving_) {
    event->ignore();
    cmdQuit_Click();
    return;
  }
  timerFlashButton_->stop();
  QWidget::closeEvent(event);
}

}  // namespace vm::access
