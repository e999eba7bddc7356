// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/frm_manual.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextDocument>
#include <QVBoxLayout>

#include "print/wrapped_text.h"
#include "ui/app_state.h"
#include "ui/button/command_button.h"
#include "ui/dialogs.h"
#include "ui/help/help_topics.h"
#include "ui/help/program_version.h"
#include "ui/menu_items.h"
#include "ui/open_modal.h"
#include "ui/pictures.h"
#include "ui/print_job.h"
#include "ui/tab_order.h"
#include "ui/window_life.h"

namespace vm::ui {
namespace {

constexpr int kOverview = 1;  // the menu index the window falls back on

bool runDefaultPrintJob(QWidget* window, Dialogs& dialogs,
                        const std::function<void(print::PrintSurface&)>& body) {
  PrintJobOptions options;
  options.pdfFileName = help::kProgramTitle + " Help.pdf";
  return runPrintJob(window, dialogs, body, options);
}

}  // namespace

frmManual::frmManual(AppState& state, QWidget* owner)
    : QWidget(owner, Qt::Window),
      state_(state),
      life_(new WindowLife(this, state)),
      items_(help::helpMenuItems(state.install)),
      printJob_(runDefaultPrintJob),
      openUrl_(openUrlWithShell) {
  setObjectName("frmManual");
  setWindowTitle(help::kProgramTitle + " - " + " Help Screen");

  // A tiled background as on the program's other windows; the topic reads black on white.
  QPalette background = palette();
  background.setBrush(QPalette::Window, QPixmap::fromImage(pictures::backgroundTile()));
  setPalette(background);
  setAutoFillBackground(true);

  labelHelpTopic_ = new QLabel(this);
  labelHelpTopic_->setObjectName("labelHelpTopic");
  QFont titleFont = labelHelpTopic_->font();
  titleFont.setPointSize(14);
  titleFont.setBold(true);
  labelHelpTopic_->setFont(titleFont);
  labelHelpTopic_->setStyleSheet("color: rgb(18, 78, 60);");
  txtManual_ = new QPlainTextEdit(this);
  txtManual_->setObjectName("txtManual");
  txtManual_->setReadOnly(true);
  txtManual_->document()->setDocumentMargin(10);
  QFont textFont = txtManual_->font();
  textFont.setPointSize(10);
  txtManual_->setFont(textFont);
  cmdHelpTopic_ = makeCommandButton(this, "cmdHelpTopic", "Help &Topics");
  // Without an alpha channel, so that the button draws the picture's mask colour transparent.
  cmdHelpTopic_->setPictureNormal(pictures::help(24));
  cmdPrintHelp_ = makeCommandButton(this, "cmdPrintHelp", "&Print this Topic");
  cmdReturn_ = makeCommandButton(this, "cmdReturn", "&Return");
  cmdReturn_->setCancel(true);
  for (PellamButton* button : {cmdHelpTopic_, cmdPrintHelp_, cmdReturn_})
    button->setMinimumSize(140, 34);

  // The topic's title names the text for screen readers.
  labelHelpTopic_->setBuddy(txtManual_);
  ui::setTabOrder({txtManual_, cmdHelpTopic_, cmdPrintHelp_, cmdReturn_});

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(10);
  buttons->addWidget(cmdHelpTopic_);
  buttons->addStretch();
  buttons->addWidget(cmdPrintHelp_);
  buttons->addWidget(cmdReturn_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 12, 16, 14);
  layout->setSpacing(10);
  layout->addWidget(labelHelpTopic_);
  layout->addWidget(txtManual_, 1);
  layout->addLayout(buttons);

  buildMenu();

  connect(cmdHelpTopic_, &PellamButton::Click, this, &frmManual::cmdHelpTopic_Click);
  connect(cmdPrintHelp_, &PellamButton::Click, this, &frmManual::cmdPrintHelp_Click);
  connect(cmdReturn_, &PellamButton::Click, this, &frmManual::cmdReturn_Click);
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, &frmManual::cmdHelpTopic_Click);

  resize(640, 560);
  if (owner) move(owner->window()->geometry().center() - rect().center());
  life_->onFirstActivation([this] { Form_FirstActivation(); });
}

void frmManual::buildMenu() {
  menuHelpMenu_ = new QMenu("Help Topics", this);
  menuHelpMenu_->setObjectName("menuHelpMenu");
  for (int index = 1; index <= static_cast<int>(items_.size()); ++index) {
    const help::HelpMenuItem& it = item(index);
    QAction* action =
        it.isSeparator() ? menuHelpMenu_->addSeparator() : menuHelpMenu_->addAction(it.caption);
    action->setObjectName(QString("menuHelpTopic%1").arg(index));
    action->setCheckable(it.showsText());
    onMenuItem(action, menuHelpMenu_, this, [this, index] { menuHelpTopic_Click(index); });
    menuHelpTopic_.push_back(action);
  }
}

void frmManual::Form_FirstActivation() {
  cmdPrintHelp_->setToolTip(" Print this Help Topic ");
  cmdHelpTopic_->setToolTip(" Show all Help Topics <F1> ");
  cmdReturn_->setToolTip(" Close this Help window <Esc> ");
  aboutText_ = help::aboutText(help::programVersion());

  // Every caller names a topic; anything else opens the overview rather than an
  // empty window.
  const int topic = state_.HelpTopic;
  const bool named = topic >= 1 && topic <= static_cast<int>(items_.size());
  menuHelpTopic_Click(named && item(topic).showsText() ? topic : kOverview);

  life_->fadeIn();
}

void frmManual::menuHelpTopic_Click(int index) {
  const help::HelpMenuItem& chosen = item(index);
  switch (chosen.number) {
    case help::kAboutProgram:
      state_.dialogs.message(this,
                             makeMessage(chosen.caption, aboutText_, MessageIcon::Information));
      break;
    case help::kMailColleague:
      OpenLink(print::LinkKind::Mail, this, help::colleagueMailQuery(state_.install),
               state_.install, state_.dialogs, openUrl_);
      break;
    case help::kMailMaker:
      OpenLink(print::LinkKind::Mail, this, {}, state_.install, state_.dialogs, openUrl_);
      break;
    case help::kVisitMaker:
      OpenLink(print::LinkKind::Web, this, {}, state_.install, state_.dialogs, openUrl_);
      break;
    default:
      if (chosen.showsText() && index != currentTopic_) showTopic(index);
      break;
  }
  // Choosing a checkable item toggles its mark; the marks always follow the
  // topic shown.
  for (std::size_t i = 0; i < menuHelpTopic_.size(); ++i)
    menuHelpTopic_[i]->setChecked(static_cast<int>(i) + 1 == currentTopic_);
  cmdHelpTopic_->setFocus();
}

void frmManual::showTopic(int index) {
  currentTopic_ = index;
  labelHelpTopic_->setText(item(index).caption.trimmed());
  txtManual_->setPlainText(helpTopicText(item(index).number, state_.install));
}

void frmManual::cmdHelpTopic_Click() {
  state_.dialogs.popupMenu(menuHelpMenu_, cmdHelpTopic_->mapToGlobal(QPoint(0, 0)));
}

void frmManual::cmdPrintHelp_Click() {
  if (currentTopic_ == 0) return;
  print::WrappedTextOptions layout;
  layout.heading = help::printedHeading(item(currentTopic_).caption).toStdString();
  layout.underlineHeading = true;
  layout.left = 1.0;
  layout.right = 7.5;
  const std::string text = txtManual_->toPlainText().toStdString();
  printJob_(this, state_.dialogs, [&](print::PrintSurface& surface) {
    surface.setFont(print::FontSpec{"Arial", 10.0});
    print::PrintWrappedText(surface, text, layout);
  });
}

void frmManual::cmdReturn_Click() { life_->closeWindow(); }

void showHelpViewer(AppState& state, QWidget* owner) {
  openModal(state, owner, new frmManual(state, owner ? owner->window() : nullptr));
}

}  // namespace vm::ui
