// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/frm_training_history.h"

#include <QAction>
#include <QCursor>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "scan/training_pass.h"
#include "store/change_log/record_changes.h"
#include "store/file_table.h"
#include "store/records.h"
#include "training/field_edit.h"
#include "training/history_buttons.h"
#include "training/history_rows.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/busy_cursor.h"
#include "ui/button/command_button.h"
#include "ui/change_author.h"
#include "ui/comments_box.h"
#include "ui/dialogs.h"
#include "ui/elsewhere_watch.h"
#include "ui/escape_stops.h"
#include "ui/field_colours.h"
#include "ui/field_text.h"
#include "ui/fill_gauge.h"
#include "ui/grid/grid.h"
#include "ui/grid_report.h"
#include "ui/keep_place.h"
#include "ui/menu_items.h"
#include "ui/pictures.h"
#include "ui/refused_change.h"
#include "ui/stoppable_work.h"
#include "ui/tab_order.h"
#include "ui/tile_picture.h"

namespace vm::training {
namespace {

constexpr int kHelpTopic = 10;  // "The 'Training History' Window"
constexpr qsizetype kCommentsLimit = 184;
// Widths of the columns the user sees; the name of the course takes whatever room is left.
constexpr std::array<int, 5> kColumnTwips = {1200, 1200, 4100, 2600, 800};

const QColor kLocked{255, 255, 192};   // light yellow
const QColor kEditing{255, 192, 255};  // light pink
const QColor kWithComments{255, 255, 255};
const QColor kWithoutComments{192, 192, 192};
const QColor kFrame{18, 78, 60};

QString qs(const std::string& s) { return QString::fromStdString(s); }

void paintText(QLabel* label, const QColor& colour) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, colour);
  label->setPalette(p);
}

ui::PellamButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
  ui::PellamButton* b = ui::makeCommandButton(parent, QString::fromLatin1(name), caption);
  b->setAutoDefault(false);
  b->setMinimumSize(130, 40);
  return b;
}

}  // namespace

frmTrainingHistory::frmTrainingHistory(ui::AppState& state, const ui::ListedPerson& person,
                                       QWidget* parent)
    : QDialog(parent),
      state_(state),
      life_(this, state),
      personRecNum_(person.recNum),
      personName_(person.name),
      viewOnly_(state.HistoryViewOnly || state.ReadOnly),
      gridTraining_(new ui::Grid(this)),
      picFrame_(new QFrame(this)),
      lblComments_(new QLabel(QStringLiteral("Highlighted training - comments"), picFrame_)),
      txtComments_(new QPlainTextEdit(picFrame_)),
      lblSpaceFull_(ui::makeFillGauge(picFrame_)),
      cmdEditTraining_(makeButton(this, "cmdEditTraining", {})),
      cmdDeleteTraining_(makeButton(this, "cmdDeleteTraining", {})),
      cmdPrintTraining_(makeButton(this, "cmdPrintTraining", QStringLiteral("&Print History"))),
      cmdHelp_(ui::makeCommandButton(this, QStringLiteral("cmdHelp"), {})),
      cmdReturn_(makeButton(this, "cmdReturn", QStringLiteral("&Return"))),
      cmdSaveComments_(makeButton(this, "cmdSaveComments", {})),
      cmdCancelComments_(makeButton(this, "cmdCancelComments", {})),
      menuEditmenu_(new QMenu(QStringLiteral("Editing Menu"), this)) {
  setObjectName(QStringLiteral("frmTrainingHistory"));
  setWindowTitle(ui::applicationTitle() + QStringLiteral(" - Training History of ") + personName_);
  ui::TilePicture(ui::pictures::backgroundTile(), this);

  gridTraining_->setObjectName(QStringLiteral("gridTraining"));
  gridTraining_->reset(QString::fromLatin1(kHistoryGridFormat));
  gridTraining_->setHeightInRows(15);
  gridTraining_->hide();
  ui::keepPlaceWhenHidden(gridTraining_);
  // Room for the five columns at their widths beside the scroll bar.
  int twips = 0;
  for (int w : kColumnTwips) twips += w;
  gridTraining_->setMinimumWidth(gridTraining_->logicalDpiX() * twips / 1440 + 24);

  picFrame_->setObjectName(QStringLiteral("picFrame"));
  picFrame_->setAutoFillBackground(true);
  QPalette framePalette = picFrame_->palette();
  framePalette.setColor(QPalette::Window, kFrame);
  picFrame_->setPalette(framePalette);
  picFrame_->hide();
  picFrame_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  ui::keepPlaceWhenHidden(picFrame_);
  lblComments_->setObjectName(QStringLiteral("lblComments"));
  lblComments_->setBuddy(txtComments_);
  paintText(lblComments_, kWithoutComments);
  paintText(lblSpaceFull_, kWithComments);
  txtComments_->setObjectName(QStringLiteral("txtComments"));
  ui::setUpCommentsBox(txtComments_);
  txtComments_->setReadOnly(true);
  txtComments_->setFixedHeight(fontMetrics().lineSpacing() * 4 + 12);
  ui::FieldColours::paint(txtComments_, kLocked);
  auto* commentsHead = new QHBoxLayout;
  commentsHead->addWidget(lblComments_);
  commentsHead->addStretch();
  commentsHead->addWidget(lblSpaceFull_);
  auto* frameLayout = new QVBoxLayout(picFrame_);
  frameLayout->setContentsMargins(8, 6, 8, 8);
  frameLayout->addLayout(commentsHead);
  frameLayout->addWidget(txtComments_);

  cmdHelp_->setPictureNormal(ui::pictures::help(32));
  cmdHelp_->setFixedSize(48, 48);
  cmdHelp_->setAutoDefault(false);
  cmdReturn_->setDefault(true);  // Enter closes the window when no other button takes it
  cmdSaveComments_->hide();
  cmdCancelComments_->hide();
  auto* buttons = new QHBoxLayout;
  for (ui::PellamButton* b :
       {cmdEditTraining_, cmdDeleteTraining_, cmdSaveComments_, cmdCancelComments_})
    buttons->addWidget(b);
  buttons->addStretch();
  ui::keepPlaceWhenHidden(cmdPrintTraining_);
  buttons->addWidget(cmdPrintTraining_);
  buttons->addWidget(cmdHelp_);
  buttons->addWidget(cmdReturn_);

  ui::setTabOrder({gridTraining_, txtComments_, cmdEditTraining_, cmdDeleteTraining_,
                   cmdSaveComments_, cmdCancelComments_, cmdPrintTraining_, cmdHelp_, cmdReturn_});

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(12, 12, 12, 12);
  page->addWidget(gridTraining_);
  page->addWidget(picFrame_);
  page->addLayout(buttons);
  page->addStretch();
  resize(sizeHint());

  menuEditmenu_->setObjectName(QStringLiteral("menuEditmenu"));
  for (int index = 1; index <= static_cast<int>(kEditMenuCaptions.size()); ++index) {
    const std::string_view caption = kEditMenuCaptions[static_cast<std::size_t>(index - 1)];
    QAction* item = caption.empty() ? menuEditmenu_->addSeparator()
                                    : menuEditmenu_->addAction(QString::fromUtf8(
                                          caption.data(), static_cast<qsizetype>(caption.size())));
    item->setObjectName(QStringLiteral("menuedit%1").arg(index));
    ui::onMenuItem(item, menuEditmenu_, this, [this, index] { menuEdit_Click(index); });
  }

  connect(gridTraining_, &ui::Grid::rowColChange, this,
          &frmTrainingHistory::gridTraining_RowColChange);
  connect(txtComments_, &QPlainTextEdit::textChanged, this,
          &frmTrainingHistory::txtComments_Change);
  connect(cmdEditTraining_, &ui::PellamButton::Click, this,
          &frmTrainingHistory::cmdEditTraining_Click);
  connect(cmdDeleteTraining_, &ui::PellamButton::Click, this,
          &frmTrainingHistory::cmdDeleteTraining_Click);
  connect(cmdPrintTraining_, &ui::PellamButton::Click, this,
          &frmTrainingHistory::cmdPrintTraining_Click);
  connect(cmdHelp_, &ui::PellamButton::Click, this, &frmTrainingHistory::cmdHelp_Click);
  connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
          &frmTrainingHistory::cmdHelp_Click);
  connect(cmdReturn_, &ui::PellamButton::Click, this, &frmTrainingHistory::cmdReturn_Click);
  connect(cmdSaveComments_, &ui::PellamButton::Click, this,
          &frmTrainingHistory::cmdSaveComments_Click);
  connect(cmdCancelComments_, &ui::PellamButton::Click, this,
          &frmTrainingHistory::cmdCancelComments_Click);
  life_.onFirstActivation([this] { Form_Activate(); });
  // Not before the first list, nor over a comment being written.
  new ui::ElsewhereWatch(
      this, state_.records, {.training = true},
      [this] { return gridTraining_->isHidden() || !cmdCancelComments_->isHidden(); },
      [this](const records::ChangedLists&) { listChangesElsewhere(); });
}

void frmTrainingHistory::Form_Activate() {
  person_ = state_.records.person(personRecNum_);
  if (state_.FadeEnabled) {
    life_.fadeIn();
    life_.fade().waitUntilFinished();
  }
  if (fillGrid(true)) {
    setButtons();
  } else {
    cmdReturn_Click();
  }
}

bool frmTrainingHistory::fillGrid(bool first) {
  {
    const ui::BusyCursor busy(this);
    std::vector<HistoryRow> history;
    if (first) {
      // Esc as the history opens leaves it unopened. A read after a change cannot be stopped:
      // the grid must hold the records' numbers as they now stand.
      try {
        ui::EscapeStops escape;
        history = historyRows(state_.records.trainingOf(
            person_.DateCreated, [&](std::int64_t, std::int64_t) { escape.poll(); }));
      } catch (const scan::PassStopped&) {
        return false;
      }
    } else {
      history = historyRows(state_.records.trainingOf(person_.DateCreated, {}));
    }
    gridTraining_->hide();
    picFrame_->hide();
    gridTraining_->setUpdatesEnabled(false);
    gridTraining_->reset(QString::fromLatin1(kHistoryGridFormat));
    gridTraining_->setHeightInRows(15);
    std::vector<QStringList> rows;
    rows.reserve(history.size());
    for (const HistoryRow& r : history)
      rows.push_back({qs(r.date), qs(r.code), qs(r.name), qs(r.provider), qs(r.hours),
                      qs(r.comments), qs(r.dateSort), QString::number(r.recNum)});
    gridTraining_->setRows(std::move(rows));
    gridTraining_->setUpdatesEnabled(true);
  }
  if (gridTraining_->rows() == 0) {
    state_.dialogs.message(
        this, ui::makeMessage(QStringLiteral("No records on file..."),
                              personName_ + QStringLiteral("\nhas no training records on file"),
                              ui::MessageIcon::Information));
    return false;
  }
  gridTraining_->shadeAlternateRows(kDate, kHours);
  for (int c = kDate; c <= kHours; ++c)
    gridTraining_->setColumnWidthTwips(c, kColumnTwips[static_cast<std::size_t>(c)]);
  for (int c : {kComments, kDateSort, kRecNum}) gridTraining_->hideColumn(c);
  // The comments show under the list; a copy or an export of it keeps them beside each record.
  gridTraining_->alsoExport(kComments);
  gridTraining_->show();
  picFrame_->show();
  gridTraining_->fillWidthWith(kName);
  if (first) {
    gridTraining_->selectRow(1, true);
    gridTraining_RowColChange(1);
  }
  gridTraining_->setFocus();
  return true;
}

void frmTrainingHistory::setButtons() {
  const bool shown = !gridTraining_->isHidden();
  for (const HistoryButton& s : historyButtons(state_.changeLevel(), shown, viewOnly_)) {
    auto* b = findChild<ui::PellamButton*>(QString::fromStdString(s.name));
    if (!b) continue;
    b->setToolTip(QString::fromStdString(s.toolTip));
    if (s.caption) b->setCaption(QString::fromStdString(*s.caption));
    b->setVisible(s.visible);
    if (s.enabled) b->setEnabled(*s.enabled);
  }
  cmdHelp_->setAccessibleName(cmdHelp_->toolTip().trimmed());  // a picture button speaks its tip
  picFrame_->setVisible(shown);
}

void frmTrainingHistory::gridTraining_RowColChange(int row) {
  if (row < 1 || gridTraining_->rows() < 1) return;
  const QString comments = gridTraining_->text(row, kComments);
  paintText(lblComments_, comments.isEmpty() ? kWithoutComments : kWithComments);
  txtComments_->setPlainText(ui::fromStoredText(comments));
}

void frmTrainingHistory::txtComments_Change() {
  if (ui::limitStoredLength(txtComments_, kCommentsLimit)) return;  // changes once more
  ui::updateCommentsGauge(lblSpaceFull_, txtComments_, kCommentsLimit);
  if (!cmdCancelComments_->isHidden())
    cmdSaveComments_->setEnabled(txtComments_->toPlainText() != textBeforeEdit_);
}

void frmTrainingHistory::cmdEditTraining_Click() {
  // At the pointer after a click; under the button when it was pressed from the keyboard.
  const QPoint at = cmdEditTraining_->underMouse()
                        ? QCursor::pos()
                        : cmdEditTraining_->mapToGlobal(cmdEditTraining_->rect().bottomLeft());
  state_.dialogs.popupMenu(menuEditmenu_, at);
}

void frmTrainingHistory::menuEdit_Click(int index) {
  if (index >= static_cast<int>(EditField::Date) && index <= static_cast<int>(EditField::Hours)) {
    editField(static_cast<EditField>(index));
  } else if (index == kEditComments) {
    startCommentEdit();
  }
}

void frmTrainingHistory::editField(EditField field) {
  const QString title =
      QString::fromUtf8(kEditTitle.data(), static_cast<qsizetype>(kEditTitle.size()));
  const QString answer =
      ui::trimBlanks(state_.dialogs.input(this, title, qs(editPrompt(field)), QString()));
  if (answer.isEmpty()) return;
  const std::string text = answer.toStdString();
  if (const auto refusal = refuseAnswer(field, text)) {
    state_.dialogs.message(this, ui::makeMessage(QStringLiteral("Entry Error"), qs(*refusal),
                                                 ui::MessageIcon::Critical));
    return;
  }
  writeBack([&](std::int32_t n) {
    state_.records.editTraining(ui::changeAuthor(state_), n, personName(), fieldEdit(field, text));
  });
}

template <typename Write>
void frmTrainingHistory::writeBack(Write&& write) {
  gridTraining_->setEnabled(true);
  const int row = gridTraining_->currentRow();
  const int top = gridTraining_->topRow();
  // A refused edit is told; the grid then shows the records as they now are.
  ui::makeChange(state_, this, [&] { write(highlightedRecNum()); });
  if (!fillGrid(false)) return;
  highlight(row, top);
}

void frmTrainingHistory::highlight(int row, int topRow) {
  gridTraining_->selectRow(row, false);
  if (topRow > 0)
    gridTraining_->scrollTo(gridTraining_->model()->index(topRow - 1, kDate),
                            QAbstractItemView::PositionAtTop);
  gridTraining_RowColChange(gridTraining_->currentRow());
}

void frmTrainingHistory::startCommentEdit() {
  gridTraining_->setEnabled(false);
  for (ui::PellamButton* b : {cmdEditTraining_, cmdDeleteTraining_, cmdPrintTraining_}) b->hide();
  cmdSaveComments_->setEnabled(false);
  cmdSaveComments_->show();
  cmdCancelComments_->show();
  paintText(lblComments_, kWithComments);
  captionBeforeEdit_ = lblComments_->text();
  lblComments_->setText(QStringLiteral("Edit the comments below..."));
  ui::FieldColours::paint(txtComments_, kEditing);
  txtComments_->setReadOnly(false);
  textBeforeEdit_ = txtComments_->toPlainText();
  editSaved_ = false;
  txtComments_->moveCursor(QTextCursor::End);
  txtComments_->setFocus();
}

void frmTrainingHistory::cmdSaveComments_Click() {
  const std::string comments = ui::commentsToStore(txtComments_);
  writeBack([&](std::int32_t n) {
    state_.records.editTraining(ui::changeAuthor(state_), n, personName(), commentsEdit(comments));
  });
  editSaved_ = true;
  cmdCancelComments_Click();
}

void frmTrainingHistory::cmdCancelComments_Click() {
  ui::FieldColours::paint(txtComments_, kLocked);
  txtComments_->setReadOnly(true);
  if (!editSaved_) txtComments_->setPlainText(textBeforeEdit_);
  editSaved_ = false;
  lblComments_->setText(captionBeforeEdit_);
  paintText(lblComments_, txtComments_->toPlainText().isEmpty() ? kWithoutComments : kWithComments);
  if (!gridTraining_->isHidden()) gridTraining_->setEnabled(true);
  cmdSaveComments_->hide();
  cmdCancelComments_->hide();
  setButtons();
  if (!gridTraining_->isHidden()) gridTraining_->setFocus();
}

void frmTrainingHistory::cmdDeleteTraining_Click() {
  const int row = gridTraining_->currentRow();
  if (row < 1) return;
  if (state_.FadeEnabled) {
    life_.fade().dim();
    life_.fade().waitUntilFinished();
  }
  const ui::Answer answer = state_.dialogs.message(
      this, ui::makeMessage(QStringLiteral("Confirm"),
                            QStringLiteral("Are you SURE you want to remove\n"
                                           "the highlighted course dated\n\n") +
                                gridTraining_->text(row, kDate) +
                                QStringLiteral("\n\nfrom this person's 'Training History'?"),
                            ui::MessageIcon::Question, ui::MessageButtons::YesNo, ui::Answer::No));
  if (state_.FadeEnabled) {
    life_.fade().undim();
    life_.fade().waitUntilFinished();
  }
  if (answer != ui::Answer::Yes) return;

  gridTraining_->hide();
  bool done = false;
  const ui::ChangeOutcome outcome = ui::makeChange(state_, this, [&] {
    done = ui::runStoppable(this, [&](const store::PassProgress& progress) {
      state_.records.removeTraining(ui::changeAuthor(state_), highlightedRecNum(), personName(),
                                    progress);
    });
  });
  if (outcome != ui::ChangeOutcome::Made) {
    if (fillGrid(false)) highlight(row, row);
    gridTraining_->show();
    return;
  }
  if (!done) {
    gridTraining_->show();
    return;
  }
  const int above = std::max(1, row - 1);
  if (!fillGrid(false)) {
    cmdReturn_Click();
    return;
  }
  highlight(above, above);
  setButtons();
  state_.dialogs.message(this,
                         ui::makeMessage(QStringLiteral("Training Record Removed"),
                                         QStringLiteral("The training record has been removed\n"
                                                        "from this person's 'Training History'."),
                                         ui::MessageIcon::Information));
}

void frmTrainingHistory::cmdPrintTraining_Click() {
  ui::printGridReport(state_, print::ReportKind::TrainingHistory, *gridTraining_, this);
}

void frmTrainingHistory::listChangesElsewhere() {
  const int row = gridTraining_->currentRow();
  const int top = gridTraining_->topRow();
  if (!fillGrid(false)) {
    cmdReturn_Click();
    return;
  }
  highlight(std::min(row, gridTraining_->rows()), top);
}

// The help window dims this one while it is open.
void frmTrainingHistory::cmdHelp_Click() { state_.openHelp(this, kHelpTopic); }

void frmTrainingHistory::cmdReturn_Click() {
  life_.closeWindow([this] { QDialog::reject(); });
}

void frmTrainingHistory::reject() {
  if (!cmdCancelComments_->isHidden()) {
    cmdCancelComments_Click();
    return;
  }
  cmdReturn_Click();
}

std::string frmTrainingHistory::personName() const { return store::personName(person_); }

std::int32_t frmTrainingHistory::highlightedRecNum() const {
  const int row = gridTraining_->currentRow();
  return row > 0 ? gridTraining_->text(row, kRecNum).toInt() : 0;
}

}  // namespace vm::training
