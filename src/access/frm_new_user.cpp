// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/frm_new_user.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/button/command_button.h"
#include "ui/help/help_topics.h"
#include "ui/pictures.h"
#include "ui/settings.h"
#include "ui/tile_picture.h"
#include "ui/window_life.h"

namespace vm::access {
namespace {

constexpr int kOverviewTopic = 300;

}  // namespace

frmNewUser::frmNewUser(ui::AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), life_(new ui::WindowLife(this, state)) {
  setObjectName(QStringLiteral("frmNewUser"));

  txtBox_ = new QTextEdit(this);
  txtBox_->setObjectName(QStringLiteral("txtBox"));
  txtBox_->setReadOnly(true);
  txtBox_->setAcceptRichText(false);
  txtBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtBox_->document()->setDocumentMargin(10);
  chkNoShow_ = new QCheckBox(QStringLiteral("Don't show this screen again"), this);
  chkNoShow_->setObjectName(QStringLiteral("chkNoShow"));
  cmdContinue_ = ui::makeCommandButton(this, QStringLiteral("cmdContinue"), {});
  cmdContinue_->setFixedSize(120, 38);
  cmdContinue_->setCancel(true);  // Esc leaves the overview as Continue does, keeping the tick
  connect(cmdContinue_, &ui::PellamButton::Click, this, &frmNewUser::cmdContinue_Click);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 18, 18, 14);
  layout->setSpacing(12);
  layout->addWidget(txtBox_, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(chkNoShow_);
  bottom->addStretch();
  bottom->addWidget(cmdContinue_);
  layout->addLayout(bottom);

  setFixedSize(620, 470);
  setWindowTitle(" " + ui::applicationTitle() + " - New User Overview");
  ui::TilePicture(ui::pictures::backgroundTile(), this);
  life_->onFirstActivation([this] { firstActivation(); });
}

void frmNewUser::firstActivation() {
  const QString maker = QString::fromStdString(state_.install.makerName);
  txtBox_->setPlainText("Welcome from " + maker + "! Are you a new user? " +
                        "If so, then let's take a moment for a brief but important overview." +
                        "\n\n" + ui::helpTopicText(kOverviewTopic, state_.install));
  cmdContinue_->setCaption(QStringLiteral("&Continue"));
  cmdContinue_->setFocus();
  life_->fadeIn();
}

void frmNewUser::cmdContinue_Click() {
  if (chkNoShow_->isChecked()) state_.settings.setValue("NewUser", "NoShow");
  life_->closeWindow();
}

}  // namespace vm::access
