// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/frm_import.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

#include "imports/cell_text.h"
#include "imports/import_work.h"
#include "imports/on_file.h"
#include "imports/preview_model.h"
#include "imports/refused_rows.h"
#include "sheets/sheet_file.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/busy_cursor.h"
#include "ui/button/command_button.h"
#include "ui/change_author.h"
#include "ui/dialogs.h"
#include "ui/grid/grid_export.h"
#include "ui/help/help_button.h"
#include "ui/help/help_menu.h"
#include "ui/stoppable_work.h"

namespace vm::imports {
namespace {

const QString kTitle = QStringLiteral("Import from a Spreadsheet");

// The kinds in the order cboKind lists them.
constexpr SheetKind kKinds[] = {SheetKind::Rows, SheetKind::Matrix, SheetKind::Skip};

QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString columnLetter(std::size_t c) {
  QString letters;
  for (std::size_t n = c + 1; n > 0; n = (n - 1) / 26)
    letters.prepend(QChar('A' + static_cast<int>((n - 1) % 26)));
  return letters;
}

QString counted(std::size_t n, const char* one, const char* many) {
  return QString::number(n) + ' ' + QString::fromLatin1(n == 1 ? one : many);
}

ui::PellamButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                             const QString& toolTip) {
  ui::PellamButton* b = ui::makeCommandButton(parent, QString::fromLatin1(name), caption, toolTip);
  b->setAutoDefault(false);
  b->setMinimumSize(150, 40);
  return b;
}

}  // namespace

frmImport::frmImport(ui::AppState& state, std::string path, sheets::Workbook book, QWidget* parent)
    : QDialog(parent),
      state_(state),
      life_(this, state),
      path_(std::move(path)),
      book_(std::move(book)),
      lblFile_(new QLabel(this)),
      cboSheet_(new QComboBox(this)),
      cboKind_(new QComboBox(this)),
      optMonthFirst_(new QRadioButton(QStringLiteral("&Month first (03/15/2004)"), this)),
      optDayFirst_(new QRadioButton(QStringLiteral("&Day first (15/03/2004)"), this)),
      lblDates_(new QLabel(this)),
      scrollColumns_(new QScrollArea(this)),
      gridPreview_(new QTableView(this)),
      preview_(new PreviewModel(this)),
      lblCounts_(new QLabel(this)),
      cmdImport_(makeButton(this, "cmdImport", QStringLiteral("&Import"),
                            QStringLiteral(" Add the new records of every sheet "))),
      cmdSaveRefused_(makeButton(
          this, "cmdSaveRefused", QStringLiteral("Save &Refused Rows..."),
          QStringLiteral(" Save the refused rows with their reasons as a spreadsheet "))),
      cmdCancel_(makeButton(this, "cmdCancel", QStringLiteral("&Cancel"),
                            QStringLiteral(" Close this window without importing "))) {
  setObjectName(QStringLiteral("frmImport"));
  setWindowTitle(ui::applicationTitle() + QStringLiteral(" - ") + kTitle);
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);

  {
    ui::BusyCursor busy(parent);
    onFile_ = readOnFile(state_.records);
  }
  for (const sheets::Sheet& sheet : book_.sheets) choices_.push_back(guessChoice(sheet));

  lblFile_->setObjectName(QStringLiteral("lblFile"));
  lblFile_->setText(QStringLiteral("File: ") + qs(path_));
  lblFile_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  cboSheet_->setObjectName(QStringLiteral("cboSheet"));
  for (const sheets::Sheet& sheet : book_.sheets) cboSheet_->addItem(qs(sheet.name));
  cboKind_->setObjectName(QStringLiteral("cboKind"));
  cboKind_->addItems({QStringLiteral("Rows of records"), QStringLiteral("A training matrix"),
                      QStringLiteral("Nothing to import")});
  optMonthFirst_->setObjectName(QStringLiteral("optMonthFirst"));
  optDayFirst_->setObjectName(QStringLiteral("optDayFirst"));
  lblDates_->setObjectName(QStringLiteral("lblDates"));
  lblDates_->setWordWrap(true);

  scrollColumns_->setObjectName(QStringLiteral("scrollColumns"));
  scrollColumns_->setWidgetResizable(true);
  scrollColumns_->setFocusPolicy(Qt::NoFocus);

  gridPreview_->setObjectName(QStringLiteral("gridPreview"));
  gridPreview_->setModel(preview_);
  gridPreview_->setAccessibleName(QStringLiteral("What each row comes to"));
  gridPreview_->verticalHeader()->hide();
  gridPreview_->horizontalHeader()->setStretchLastSection(true);
  gridPreview_->setSelectionBehavior(QAbstractItemView::SelectRows);
  gridPreview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  gridPreview_->setTabKeyNavigation(false);  // Tab leaves the list; the arrows move in it
  lblCounts_->setObjectName(QStringLiteral("lblCounts"));

  auto* sheetLabel = new QLabel(QStringLiteral("&Sheet:"), this);
  sheetLabel->setBuddy(cboSheet_);
  cboSheet_->setAccessibleName(QStringLiteral("Sheet"));
  auto* kindLabel = new QLabel(QStringLiteral("&What it holds:"), this);
  kindLabel->setBuddy(cboKind_);
  cboKind_->setAccessibleName(QStringLiteral("What it holds"));
  auto* dates = new QHBoxLayout;
  dates->addWidget(optMonthFirst_);
  dates->addWidget(optDayFirst_);
  dates->addStretch();
  auto* form = new QFormLayout;
  form->addRow(sheetLabel, cboSheet_);
  form->addRow(kindLabel, cboKind_);
  form->addRow(new QLabel(QStringLiteral("Text dates:"), this), dates);
  form->addRow(QString(), lblDates_);

  auto* top = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addLayout(form);
  left->addWidget(new QLabel(QStringLiteral("The columns of the sheet:"), this));
  left->addWidget(scrollColumns_, 1);
  top->addLayout(left, 2);
  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(QStringLiteral("What each row comes to:"), this));
  right->addWidget(gridPreview_, 1);
  right->addWidget(lblCounts_);
  top->addLayout(right, 3);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  ui::PellamButton* cmdHelp = ui::makeHelpButton(this, state, ui::help::kSpreadsheetTopic, 40);
  for (ui::PellamButton* b : {cmdImport_, cmdSaveRefused_, cmdHelp, cmdCancel_})
    buttons->addWidget(b);
  setTabOrder(cmdSaveRefused_, cmdHelp);
  setTabOrder(cmdHelp, cmdCancel_);
  cmdCancel_->setCancel(true);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(12, 12, 12, 12);
  page->addWidget(lblFile_);
  page->addLayout(top, 1);
  page->addLayout(buttons);
  resize(1100, 640);

  connect(cboSheet_, &QComboBox::currentIndexChanged, this, &frmImport::cboSheet_Click);
  connect(cboKind_, &QComboBox::currentIndexChanged, this, &frmImport::cboKind_Click);
  connect(optMonthFirst_, &QRadioButton::toggled, this, &frmImport::optDates_Click);
  connect(cmdImport_, &ui::PellamButton::Click, this, &frmImport::cmdImport_Click);
  connect(cmdSaveRefused_, &ui::PellamButton::Click, this, &frmImport::cmdSaveRefused_Click);
  connect(cmdCancel_, &ui::PellamButton::Click, this, &frmImport::cmdCancel_Click);

  showSheet();
  replan();
  life_.onFirstActivation([this] { cboSheet_->setFocus(); });
}

frmImport::~frmImport() = default;

void frmImport::showSheet() {
  const int s = cboSheet_->currentIndex();
  if (s < 0) return;
  const sheets::Sheet& sheet = book_.sheets[static_cast<std::size_t>(s)];
  SheetChoice& choice = choices_[static_cast<std::size_t>(s)];
  showing_ = true;
  for (std::size_t k = 0; k < std::size(kKinds); ++k)
    if (kKinds[k] == choice.kind) cboKind_->setCurrentIndex(static_cast<int>(k));
  (choice.dates == DateOrder::DayFirst ? optDayFirst_ : optMonthFirst_)->setChecked(true);
  lblDates_->setText(datesAmbiguous(sheet, choice)
                         ? QStringLiteral("The text dates of this sheet read either way: check "
                                          "the order.")
                         : QString());

  const std::size_t header = headerRow(sheet);
  choice.fields.resize(sheet.columns(), Field::None);
  // One field box per column, each named by its label: "A: First Name".
  auto* columns = new QWidget;
  auto* form = new QFormLayout(columns);
  std::vector<QWidget*> fields;
  for (std::size_t c = 0; c < choice.fields.size(); ++c) {
    const QString name = columnLetter(c) + QStringLiteral(": ") + qs(cellText(sheet.at(header, c)));
    auto* field = new QComboBox(columns);
    field->setObjectName(QStringLiteral("cboField%1").arg(c + 1));
    field->setAccessibleName(name);
    for (Field f : kFields) field->addItem(qs(fieldLabel(f)));
    field->setCurrentIndex(static_cast<int>(choice.fields[c]));
    connect(field, &QComboBox::currentIndexChanged, this,
            [this, c](int index) { column_Change(static_cast<int>(c), index); });
    auto* label = new QLabel(name, columns);
    label->setBuddy(field);
    form->addRow(label, field);
    fields.push_back(field);
  }
  // The old fields go with the widget they sit in.
  scrollColumns_->setWidget(columns);
  // Tab takes the fields in the order of the columns, between the date order and the preview.
  QWidget* previous = optDayFirst_;
  for (QWidget* field : fields) {
    setTabOrder(previous, field);
    previous = field;
  }
  setTabOrder(previous, gridPreview_);
  showing_ = false;
}

void frmImport::replan() {
  preview_->clear();
  {
    ui::BusyCursor busy(isVisible() ? this : nullptr);
    plan_ = planImport(book_, choices_, onFile_, state_.clock.now());
    settleTrainingOnFile(plan_,
                         trainingOnFile(*state_.records.trainingBlocks(onFileHint(plan_.trainings)),
                                        plan_.trainings));
  }
  preview_->show(book_, plan_);
  gridPreview_->resizeColumnsToContents();
  gridPreview_->horizontalHeader()->setStretchLastSection(true);
  lblCounts_->setText(
      counted(plan_.count(Outcome::New), "row new", "rows new") + QStringLiteral(", ") +
      counted(plan_.count(Outcome::OnFile), "on file", "on file") + QStringLiteral(", ") +
      counted(plan_.count(Outcome::Refused), "refused", "refused") + QStringLiteral(": ") +
      counted(plan_.persons.size(), "person", "persons") + QStringLiteral(", ") +
      counted(plan_.courses.size(), "course", "courses") + QStringLiteral(" and ") +
      counted(plan_.trainings.size(), "training record", "training records") +
      QStringLiteral(" to add."));
  cmdImport_->setEnabled(!plan_.persons.empty() || !plan_.courses.empty() ||
                         !plan_.trainings.empty());
  cmdSaveRefused_->setEnabled(plan_.count(Outcome::Refused) > 0);
}

void frmImport::cboSheet_Click() { showSheet(); }

void frmImport::cboKind_Click() {
  const int s = cboSheet_->currentIndex();
  if (showing_ || s < 0 || cboKind_->currentIndex() < 0) return;
  SheetChoice& choice = choices_[static_cast<std::size_t>(s)];
  const DateOrder dates = choice.dates;
  choice = choiceAs(book_.sheets[static_cast<std::size_t>(s)], kKinds[cboKind_->currentIndex()]);
  choice.dates = dates;
  showSheet();
  replan();
}

void frmImport::optDates_Click() {
  const int s = cboSheet_->currentIndex();
  if (showing_ || s < 0) return;
  choices_[static_cast<std::size_t>(s)].dates =
      optDayFirst_->isChecked() ? DateOrder::DayFirst : DateOrder::MonthFirst;
  replan();
}

void frmImport::column_Change(int column, int fieldIndex) {
  const int s = cboSheet_->currentIndex();
  if (showing_ || s < 0 || fieldIndex < 0) return;
  choices_[static_cast<std::size_t>(s)].fields[static_cast<std::size_t>(column)] =
      kFields[static_cast<std::size_t>(fieldIndex)];
  replan();
}

void frmImport::cmdImport_Click() {
  const QString what = counted(plan_.persons.size(), "person", "persons") + QStringLiteral(", ") +
                       counted(plan_.courses.size(), "course", "courses") +
                       QStringLiteral(" and ") +
                       counted(plan_.trainings.size(), "training record", "training records");
  ui::Message question =
      ui::makeMessage(kTitle, QStringLiteral("Add ") + what + QStringLiteral("?"),
                      ui::MessageIcon::Question, ui::MessageButtons::YesNo, ui::Answer::No);
  if (state_.dialogs.message(this, question) != ui::Answer::Yes) return;
  bool written = false;
  // Stopped with Esc, the import wrote nothing and its window stays as it was.
  if (!ui::runStoppable(this, [&](const store::PassProgress& progress) {
        written = state_.records.addRecords(ui::changeAuthor(state_), importAdditions(plan_, path_),
                                            progress);
      }))
    return;
  if (!written) {
    state_.dialogs.message(
        this, ui::makeMessage(kTitle,
                              QStringLiteral("This file holds too many rows for one import.\n"
                                             "Please split it into smaller files and import each."),
                              ui::MessageIcon::Critical));
    return;
  }
  state_.dialogs.message(this, ui::makeMessage(kTitle, what + QStringLiteral(" added."),
                                               ui::MessageIcon::Information));
  life_.reportRecordSaved();
  life_.closeWindow();
}

void frmImport::cmdSaveRefused_Click() {
  ui::exportFile(state_, this, QStringLiteral("Refused Rows"), ui::kSpreadsheetExport,
                 [this](const std::string& path) {
                   sheets::writeWorkbook(path, refusedRows(book_, choices_, plan_));
                 });
}

void frmImport::cmdCancel_Click() { life_.closeWindow(); }

}  // namespace vm::imports
