// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/frm_title_page.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "access/frm_new_user.h"
#include "access/server_choice.h"
#include "access/title_texts.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/button/command_button.h"
#include "ui/dialogs.h"
#include "ui/link_label.h"
#include "ui/open_modal.h"
#include "ui/pictures.h"
#include "ui/settings.h"
#include "ui/window_life.h"

namespace vm::access {
namespace {

template <typename Label = QLabel>
Label* makeLabel(QWidget* parent, const QString& name, int points, bool bold = false) {
  auto* label = new Label(parent);
  label->setObjectName(name);
  QFont font = label->font();
  font.setPointSize(points);
  font.setBold(bold);
  label->setFont(font);
  label->setAlignment(Qt::AlignHCenter);
  label->setStyleSheet(QStringLiteral("color: white;"));
  return label;
}

}  // namespace

frmTitlePage::frmTitlePage(ui::AppState& state, QWidget* parent)
    : QWidget(parent), state_(state), life_(new ui::WindowLife(this, state)) {
  setObjectName(QStringLiteral("frmTitlePage"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(ui::applicationTitle() + " - Title Window");
  screenSize_ = [this] {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->size() : QSize(800, 600);
  };
  buildControls();
  life_->onFirstActivation([this] { firstActivation(); });
}

void frmTitlePage::buildControls() {
  setFixedSize(600, 400);
  // The picture reaches a little beyond every edge, so no border of the window shows.
  picBackground_ = new QLabel(this);
  picBackground_->setObjectName(QStringLiteral("picBackground"));
  picBackground_->setGeometry(-1, -1, width() + 2, height() + 2);
  picBackground_->setPixmap(
      QPixmap::fromImage(ui::pictures::titleBackground(picBackground_->size())));

  labelAppTitle_ = makeLabel(this, QStringLiteral("labelAppTitle"), 40, true);
  labelAppDescription_ = makeLabel(this, QStringLiteral("labelAppDescription"), 15);
  labelVersion_ = makeLabel(this, QStringLiteral("labelVersion"), 10);
  labelPellamSoftware_ = makeLabel(this, QStringLiteral("labelPellamSoftware"), 13, true);
  labelPellamAddress_ = makeLabel(this, QStringLiteral("labelPellamAddress"), 10);
  for (int i = 0; i < 2; ++i) {
    auto* link =
        makeLabel<ui::LinkLabel>(this, QStringLiteral("labelPellamContact%1").arg(i + 1), 10);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    link->setStyleSheet(QStringLiteral("color: rgb(255, 255, 160);"));
    connect(link, &ui::LinkLabel::clicked, this, [this, i] { labelPellamContact_Click(i + 1); });
    labelPellamContact_[i] = link;
  }
  labelPellamContact_[0]->setToolTip(QStringLiteral(" Click here to email Pellam Software! "));
  labelPellamContact_[1]->setToolTip(QStringLiteral(" Click here to visit Pellam Software! "));

  cmdContinue_ = ui::makeCommandButton(this, QStringLiteral("cmdContinue"), {});
  cmdContinue_->setFixedSize(130, 40);
  connect(cmdContinue_, &ui::PellamButton::Click, this, &frmTitlePage::cmdContinue_Click);

  // Beside the title window's own controls, in its corner: where the records are to be found.
  cmdServer_ = ui::makeCommandButton(this, QStringLiteral("cmdServer"), {});
  cmdServer_->setGeometry(width() - 182, height() - 40, 170, 28);
  connect(cmdServer_, &ui::PellamButton::Click, this, &frmTitlePage::cmdServer_Click);
  // Tab reaches it after the window's own controls, which keep their order.
  setTabOrder(labelPellamContact_[1], cmdServer_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 34, 24, 22);
  layout->setSpacing(4);
  layout->addWidget(labelAppTitle_);
  layout->addWidget(labelAppDescription_);
  layout->addSpacing(4);
  layout->addWidget(labelVersion_);
  layout->addStretch();
  layout->addWidget(labelPellamSoftware_);
  layout->addWidget(labelPellamAddress_);
  layout->addWidget(labelPellamContact_[0]);
  layout->addWidget(labelPellamContact_[1]);
  layout->addSpacing(14);
  layout->addWidget(cmdContinue_, 0, Qt::AlignHCenter);
}

void frmTitlePage::firstActivation() {
  const print::InstallValues& install = state_.install;
  labelAppTitle_->setText(ui::applicationTitle());
  labelAppDescription_->setText(QStringLiteral(VERDIMARK_DESCRIPTION));
  labelVersion_->setText(QString::fromStdString(
      versionText(VERDIMARK_VERSION_MAJOR, VERDIMARK_VERSION_MINOR, VERDIMARK_VERSION_PATCH)));
  labelPellamSoftware_->setText(QStringLiteral("Pellam Software"));
  labelPellamAddress_->setText(
      QString::fromStdString(install.addressLine1 + "\n" + install.addressLine2));
  labelPellamContact_[0]->setText(QString::fromStdString(install.email));
  labelPellamContact_[1]->setText(QString::fromStdString(install.webHost));
  cmdContinue_->setCaption(QStringLiteral("&Continue"));
  if (state_.Server.isEmpty()) {
    cmdServer_->setCaption(QStringLiteral("Connect to a &Server..."));
    cmdServer_->setToolTip(QStringLiteral(" Work on the records of a database server "));
  } else {
    cmdServer_->setCaption(QStringLiteral("Work on the &Data Folder"));
    cmdServer_->setToolTip(" The records are on the server " + state_.Server +
                           "; click here to work on the data folder instead ");
  }
  cmdContinue_->setFocus();
  life_->fadeIn(10);
}

void frmTitlePage::labelPellamContact_Click(int index) {
  ui::OpenLink(index == 1 ? print::LinkKind::Mail : print::LinkKind::Web, this, {}, state_.install,
               state_.dialogs, open_);
}

void frmTitlePage::cmdContinue_Click() {
  if (state_.settings.value(QStringLiteral("NewUser")) != QLatin1String("NoShow"))
    ui::openModal(state_, this, new frmNewUser(state_, this));

  const QSize screen = screenSize_();
  if (const auto warning = screenResolutionWarning(ui::applicationTitle().toStdString(),
                                                   screen.width(), screen.height())) {
    state_.dialogs.message(
        this, ui::makeMessage("Screen Resolution Issue", QString::fromStdString(*warning),
                              ui::MessageIcon::None));
  }

  handingOver_ = true;
  ui::AppState& state = state_;
  life_->closeWindow([this, &state] {
    close();
    if (state.showAdminWindow) state.showAdminWindow();
  });
}

void frmTitlePage::cmdServer_Click() {
  if (state_.Server.isEmpty())
    connectToServer(state_, this);
  else
    workOnDataFolder(state_);
}

void frmTitlePage::closeEvent(QCloseEvent* event) {
  // Closed from its frame, the first window ends the run: nothing else is open yet.
  if (!handingOver_) {
    handingOver_ = true;
    if (state_.shutdown) state_.shutdown();
  }
  QWidget::closeEvent(event);
}

}  // namespace vm::access
