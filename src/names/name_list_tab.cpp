// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/name_list_tab.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "format/number_text.h"
#include "names/frm_add_edit_name.h"
#include "names/person_deletion.h"
#include "store/file_table.h"
#include "ui/app_state.h"
#include "ui/busy_cursor.h"
#include "ui/button/command_button.h"
#include "ui/change_author.h"
#include "ui/dialogs.h"
#include "ui/grid/grid.h"
#include "ui/grid_place.h"
#include "ui/grid_report.h"
#include "ui/keep_place.h"
#include "ui/lobby_services.h"
#include "ui/open_modal.h"
#include "ui/option_handlers.h"
#include "ui/record_editor.h"
#include "ui/refused_change.h"
#include "ui/stoppable_work.h"

namespace vm::names {
namespace {

const QString kFormat = QStringLiteral("|Organization|^DateCreated|NameSort|RecNum");
const QColor kOptionText{0, 0, 64};
const QColor kOptionGreyed{192, 192, 192};

QString qs(const std::string& s) { return QString::fromStdString(s); }
QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void paintOption(QRadioButton* option, bool available) {
  QPalette p = option->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    p.setColor(group, QPalette::WindowText, available ? kOptionText : kOptionGreyed);
  option->setPalette(p);
  option->setEnabled(available);
}

// Captions and tool tips come from the main window's refresh.
ui::PellamButton* makeButton(QWidget* parent, const QString& name) {
  ui::PellamButton* b = ui::makeCommandButton(parent, name, QString());
  b->setAutoDefault(false);
  return b;
}

// Clears the refresh flag on every way out of a refresh.
struct UpdatingScope {
  explicit UpdatingScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~UpdatingScope() { flag_ = false; }
  bool& flag_;
};

}  // namespace

NameListTab::NameListTab(ui::LobbyServices& lobby, ui::AppState& state, QWidget* parent)
    : ui::LobbyTab(parent), lobby_(lobby), state_(state), gridName_(new ui::Grid(this)) {
  setObjectName(QStringLiteral("NameListTab"));
  gridName_->setObjectName(QStringLiteral("gridName"));
  gridName_->reset(kFormat);
  ui::keepPlaceWhenHidden(gridName_);
  gridName_->setMinimumWidth(gridName_->logicalDpiX() * (4000 + 2400) / 1440 + 24);

  auto* options = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) {
    const auto choice = static_cast<NameDisplay>(i + 1);
    auto* option = new QRadioButton(qs(names::displayCaption(choice)), this);
    option->setObjectName(QStringLiteral("optDisplay%1").arg(i + 1));
    ui::keepPlaceWhenHidden(option);
    ui::onChosen(option, this, [this, choice] { optDisplay_Click(choice); });
    optDisplay_[static_cast<std::size_t>(i)] = option;
    options->addWidget(option);
  }
  options->addStretch();

  cmdAddName_ = makeButton(this, QStringLiteral("cmdAddName"));
  cmdEditName_ = makeButton(this, QStringLiteral("cmdEditName"));
  cmdDeleteName_ = makeButton(this, QStringLiteral("cmdDeleteName"));
  cmdTrainingHistory_ = makeButton(this, QStringLiteral("cmdTrainingHistory"));
  cmdPrintNameList_ = makeButton(this, QStringLiteral("cmdPrintNameList"));
  auto* buttons = new QVBoxLayout;
  for (ui::PellamButton* b :
       {cmdAddName_, cmdEditName_, cmdDeleteName_, cmdTrainingHistory_, cmdPrintNameList_}) {
    ui::keepPlaceWhenHidden(b);
    b->setMinimumSize(140, 34);
    buttons->addWidget(b);
  }
  buttons->addStretch();

  auto* body = new QHBoxLayout;
  body->addWidget(gridName_, 1, Qt::AlignTop);
  body->addLayout(buttons);
  auto* page = new QVBoxLayout(this);
  page->addLayout(options);
  page->addLayout(body, 1);

  connect(cmdAddName_, &ui::PellamButton::Click, this, &NameListTab::cmdAddName_Click);
  connect(cmdEditName_, &ui::PellamButton::Click, this, &NameListTab::cmdEditName_Click);
  connect(cmdDeleteName_, &ui::PellamButton::Click, this, &NameListTab::cmdDeleteName_Click);
  connect(cmdPrintNameList_, &ui::PellamButton::Click, this, &NameListTab::cmdPrintNameList_Click);
  connect(cmdTrainingHistory_, &ui::PellamButton::Click, this,
          &NameListTab::cmdTrainingHistory_Click);
  connect(gridName_, &ui::Grid::rowDoubleClicked, this, &NameListTab::gridName_DblClick);
  connect(gridName_, &ui::Grid::mouseOverRow, this, &NameListTab::gridName_MouseMove);
}

QList<QWidget*> NameListTab::tabOrder() {
  return {optDisplay_[0], optDisplay_[1], optDisplay_[2],      gridName_,        cmdAddName_,
          cmdEditName_,   cmdDeleteName_, cmdTrainingHistory_, cmdPrintNameList_};
}

QString NameListTab::displayCaption() const { return qs(names::displayCaption(display_)); }

void NameListTab::UpdateNameGrid() {
  UpdatingScope updating(updating_);
  std::optional<ui::Message> report;
  {
    ui::BusyCursor busy(lobby_.lobbyWindow());
    report = fillGrid();
  }
  // Shown once the window is enabled again, so the box is not disabled with it.
  if (report) state_.dialogs.message(lobby_.lobbyWindow(), *report);
}

std::optional<ui::Message> NameListTab::fillGrid() {
  gridName_->hide();
  gridName_->setUpdatesEnabled(false);
  gridName_->reset(kFormat);
  gridName_->setHeightInRows(19);
  struct Redraw {
    ui::Grid* grid;
    ~Redraw() { grid->setUpdatesEnabled(true); }
  } redraw{gridName_};

  const std::vector<NameEntry> entries = nameEntries(state_.records.persons());
  dateCreated_.clear();
  dateCreated_.reserve(entries.size());
  for (const NameEntry& e : entries) dateCreated_.push_back(e.dateCreated);

  if (entries.empty()) {
    for (QRadioButton* option : optDisplay_) option->hide();
    return ui::makeMessage(QStringLiteral("No Names on File..."),
                           QStringLiteral("There are currently no names\nin the Name List"),
                           ui::MessageIcon::Information);
  }

  const DisplayChoices available = availableChoices(entries);
  showChoices(available);
  display_ = chooseDisplay(available, display_, !lobby_.windowActivated());
  optDisplay_[static_cast<std::size_t>(display_) - 1]->setChecked(true);

  std::vector<QStringList> rows;
  rows.reserve(entries.size());
  for (const NameEntry& e : entries) {
    if (!isListedUnder(display_, e.active)) continue;
    rows.push_back({qs(e.name), qs(e.organization), qs(format::generalNumber(e.dateCreated)),
                    qs(e.sortKey), QString::number(e.recNum)});
  }
  const bool sort = rows.size() >= 2;
  gridName_->setRows(std::move(rows));
  if (sort) gridName_->sortByColumn(kColSortKey);

  const QString chosen = displayCaption().toLower();
  if (gridName_->rows() == 0) {
    return ui::makeMessage(
        QStringLiteral("Nothing to display"),
        QStringLiteral("There are no ") + chosen + QStringLiteral("\n to display."),
        ui::MessageIcon::Information);
  }
  gridName_->setColumnWidthTwips(kColName, 4000);
  gridName_->setColumnWidthTwips(kColOrganization, 2400);
  gridName_->shadeAlternateRows(kColName, kColOrganization);
  gridName_->setHeaderText(kColName, QStringLiteral("List of all ") + chosen);
  for (int c : {kColDateCreated, kColSortKey, kColRecNum}) gridName_->hideColumn(c);
  gridName_->show();
  gridName_->fillWidthWith(kColOrganization);
  // A listed person is always highlighted, so the commands that act on the highlighted
  // person never find none; a caller may highlight another one afterwards.
  gridName_->selectRow(1, true);
  return std::nullopt;
}

void NameListTab::showChoices(const DisplayChoices& available) {
  for (QRadioButton* option : optDisplay_) option->show();
  paintOption(optDisplay_[0], available.active);
  paintOption(optDisplay_[1], available.inactive);
  paintOption(optDisplay_[2], available.all());
}

void NameListTab::optDisplay_Click(NameDisplay choice) {
  if (updating_) return;
  display_ = choice;
  UpdateNameGrid();
  lobby_.refreshButtons();
}

void NameListTab::tabClicked() {
  if (gridName_->isVisible()) {
    gridName_->setFocus();
  } else if (cmdAddName_->isEnabled()) {
    cmdAddName_->setFocus();
  }
}

void NameListTab::gridName_DblClick(int row) {
  if (row > 0 && cmdEditName_->isVisible()) cmdEditName_Click();
}

void NameListTab::gridName_MouseMove(int row) {
  if (row > 0 && cmdEditName_->isVisible()) {
    gridName_->setToolTip(QStringLiteral(" Double-click to view") +
                          (state_.changeLevel() >= 2 ? QStringLiteral("/edit") : QString()) +
                          QStringLiteral(" this user "));
  } else {
    gridName_->setToolTip(QString());
  }
}

void NameListTab::cmdAddName_Click() { openEditor(0); }

void NameListTab::cmdEditName_Click() {
  const int row = gridName_->currentRow();
  if (row < 1) return;
  openEditor(gridName_->text(row, kColRecNum).toInt());
}

void NameListTab::cmdTrainingHistory_Click() {
  const int row = gridName_->currentRow();
  if (row > 0) lobby_.openTrainingHistory(personAt(row));
}

ui::ListedPerson NameListTab::personAt(int row) const {
  const std::int32_t recNum = gridName_->text(row, kColRecNum).toInt();
  return {dateCreated_[static_cast<std::size_t>(recNum - 1)], recNum,
          gridName_->text(row, kColName), gridName_->text(row, kColOrganization),
          gridName_->text(row, kColSortKey)};
}

std::vector<ui::ListedPerson> NameListTab::listedPersons() const {
  std::vector<ui::ListedPerson> persons;
  persons.reserve(static_cast<std::size_t>(gridName_->rows()));
  for (int r = 1; r <= gridName_->rows(); ++r) persons.push_back(personAt(r));
  return persons;
}

QString NameListTab::heading() const { return gridName_->headerText(kColName); }

void NameListTab::cmdDeleteName_Click() {
  const int row = gridName_->currentRow();
  if (row < 1) return;
  QWidget* window = lobby_.lobbyWindow();
  const ui::Answer offer = state_.dialogs.message(
      window, ui::makeMessage(QStringLiteral("Print Training History before Deletion?"),
                              QStringLiteral("Once deleted, this person's training history,\n"
                                             "if any, will also be permanenetly deleted.\n\n"
                                             "Do you want to see/print this person's\n"
                                             "training history before you delete this\n"
                                             "person from the 'Name List'?"),
                              ui::MessageIcon::Question, ui::MessageButtons::YesNoCancel,
                              ui::Answer::Cancel));
  if (offer == ui::Answer::Yes) {
    // The history can be seen and printed first; the user deletes again afterwards.
    cmdTrainingHistory_Click();
    return;
  }
  if (offer != ui::Answer::No) return;
  const ui::Answer confirm = state_.dialogs.message(
      window, ui::makeMessage(QStringLiteral("Confirm Deletion"),
                              QStringLiteral("Please press 'OK' to confirm your intent to\n"
                                             "permanently delete this person from the "
                                             "'Name List'."),
                              ui::MessageIcon::Information, ui::MessageButtons::OkCancel,
                              ui::Answer::Cancel));
  if (confirm != ui::Answer::Ok) return;

  std::int32_t removed = 0;
  bool done = false;
  if (ui::makeChange(state_, window, [&] {
        done = ui::runStoppable(window, [&](const store::PassProgress& progress) {
          removed = state_.records.removePerson(ui::changeAuthor(state_),
                                                gridName_->text(row, kColRecNum).toInt(), progress);
        });
      }) != ui::ChangeOutcome::Made) {
    UpdateNameGrid();
    return;
  }
  if (!done) return;
  state_.dialogs.message(
      window, ui::makeMessage(QStringLiteral("For your information..."),
                              QStringLiteral("There were %1 training records\n"
                                             "associated with this person")
                                      .arg(removed) +
                                  (removed == 0 ? QStringLiteral(".")
                                                : QStringLiteral("\nthat were permanently "
                                                                 "deleted.")),
                              ui::MessageIcon::Information));
  const int select = std::max(1, row - 1);
  UpdateNameGrid();
  const bool listed = !gridName_->isHidden();
  if (listed) gridName_->selectRow(select, true);
  lobby_.refreshButtons();
  if (listed)
    state_.dialogs.message(window, ui::makeMessage(QStringLiteral("Name removed"),
                                                   QStringLiteral("The name has been removed\n"
                                                                  "from the 'Name List'."),
                                                   ui::MessageIcon::Information));
}

void NameListTab::cmdPrintNameList_Click() {
  ui::printGridReport(state_, print::ReportKind::NameList, *gridName_, lobby_.lobbyWindow());
}

void NameListTab::openEditor(std::int32_t recNum) {
  const ui::EditorMode mode = recNum == 0 ? ui::EditorMode::Add : ui::EditorMode::Edit;
  const std::optional<store::NameRecord> saved = ui::openEditor(
      state_, lobby_.lobbyWindow(), new frmAddEditName(state_, mode, recNum, lobby_.lobbyWindow()));
  if (!saved) return;
  UpdateNameGrid();
  reselect(qs(format::generalNumber(saved->DateCreated)));
  lobby_.refreshButtons();
}

void NameListTab::reselect(const QString& dateCreated) {
  if (gridName_->rows() < 2) return;
  if (const int row = ui::rowWhere(*gridName_, kColDateCreated, dateCreated))
    gridName_->selectRow(row, true);
}

}  // namespace vm::names
