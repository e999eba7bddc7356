// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/course_index_tab.h"

#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "courses/course_deletion.h"
#include "courses/course_find.h"
#include "courses/course_rows.h"
#include "courses/frm_add_edit_course.h"
#include "format/number_parse.h"
#include "training/frm_credit_training.h"
#include "ui/app_state.h"
#include "ui/busy_cursor.h"
#include "ui/button/command_button.h"
#include "ui/dialogs.h"
#include "ui/grid/grid.h"
#include "ui/grid_report.h"
#include "ui/keep_place.h"
#include "ui/lobby_services.h"
#include "ui/open_modal.h"
#include "ui/record_editor.h"

namespace vm::courses {
namespace {

constexpr int kSearchTab = 2;

QString qs(const std::string& s) { return QString::fromStdString(s); }

ui::PellamButton* makeButton(QWidget* parent, const QString& name, int minimumWidth) {
  ui::PellamButton* b = ui::makeCommandButton(parent, name, {});
  b->setMinimumSize(minimumWidth, 44);
  ui::keepPlaceWhenHidden(b);
  return b;
}

}  // namespace

CourseIndexTab::CourseIndexTab(ui::AppState& state, ui::LobbyServices& lobby, QWidget* parent)
    : ui::LobbyTab(parent),
      state_(state),
      lobby_(lobby),
      gridCourse_(new ui::Grid(this)),
      cmdSearch_(makeButton(this, QStringLiteral("cmdSearch"), 100)),
      cmdQuitSearching_(makeButton(this, QStringLiteral("cmdQuitSearching"), 120)),
      cmdCreditTraining_(makeButton(this, QStringLiteral("cmdCreditTraining"), 300)),
      cmdAddCourse_(makeButton(this, QStringLiteral("cmdAddCourse"), 120)),
      cmdEditCourse_(makeButton(this, QStringLiteral("cmdEditCourse"), 120)),
      cmdDeleteCourse_(makeButton(this, QStringLiteral("cmdDeleteCourse"), 120)),
      cmdPrintCourseIndex_(makeButton(this, QStringLiteral("cmdPrintCourseIndex"), 120)) {
  setObjectName(QStringLiteral("CourseIndexTab"));
  gridCourse_->setObjectName(QStringLiteral("gridCourse"));
  gridCourse_->reset(QString::fromLatin1(kCourseGridFormat));
  gridCourse_->setHeightInRows(15);
  gridCourse_->hide();
  ui::keepPlaceWhenHidden(gridCourse_);

  // The find's two buttons share one place: cmdSearch narrows while cmdQuitSearching shows.
  QSizePolicy giveWay = cmdQuitSearching_->sizePolicy();
  giveWay.setRetainSizeWhenHidden(false);
  cmdQuitSearching_->setSizePolicy(giveWay);
  cmdQuitSearching_->hide();
  auto* find = new QHBoxLayout;
  find->setSpacing(0);
  find->addWidget(cmdSearch_, 1);
  find->addWidget(cmdQuitSearching_);
  auto* findPlace = new QWidget(this);
  findPlace->setLayout(find);
  find->setContentsMargins(0, 0, 0, 0);
  findPlace->setFixedWidth(300);

  auto* upper = new QHBoxLayout;
  upper->addWidget(findPlace);
  upper->addStretch();
  upper->addWidget(cmdCreditTraining_);
  auto* lower = new QHBoxLayout;
  for (ui::PellamButton* b : {cmdAddCourse_, cmdEditCourse_, cmdDeleteCourse_}) lower->addWidget(b);
  lower->addStretch();
  lower->addWidget(cmdPrintCourseIndex_);

  auto* page = new QVBoxLayout(this);
  page->addWidget(gridCourse_);
  page->addSpacing(4);
  page->addLayout(upper);
  page->addLayout(lower);
  page->addStretch();

  connect(cmdSearch_, &ui::PellamButton::Click, this, &CourseIndexTab::cmdSearch_Click);
  connect(cmdQuitSearching_, &ui::PellamButton::Click, this,
          &CourseIndexTab::cmdQuitSearching_Click);
  connect(cmdCreditTraining_, &ui::PellamButton::Click, this,
          &CourseIndexTab::cmdCreditTraining_Click);
  connect(cmdAddCourse_, &ui::PellamButton::Click, this, &CourseIndexTab::cmdAddCourse_Click);
  connect(cmdEditCourse_, &ui::PellamButton::Click, this, &CourseIndexTab::cmdEditCourse_Click);
  connect(cmdDeleteCourse_, &ui::PellamButton::Click, this, &CourseIndexTab::cmdDeleteCourse_Click);
  connect(cmdPrintCourseIndex_, &ui::PellamButton::Click, this,
          &CourseIndexTab::cmdPrintCourseIndex_Click);
  connect(gridCourse_, &ui::Grid::rowDoubleClicked, this, &CourseIndexTab::gridcourse_DblClick);
  connect(gridCourse_, &ui::Grid::mouseOverRow, this, &CourseIndexTab::gridCourse_MouseMove);
  connect(gridCourse_, &ui::Grid::rowColChange, this, &CourseIndexTab::gridCourse_RowColChange);
}

QList<QWidget*> CourseIndexTab::tabOrder() {
  return {gridCourse_,   cmdSearch_,     cmdQuitSearching_, cmdCreditTraining_,
          cmdAddCourse_, cmdEditCourse_, cmdDeleteCourse_,  cmdPrintCourseIndex_};
}

void CourseIndexTab::UpdateCourseGrid() {
  const ui::BusyCursor busy(lobby_.lobbyWindow());
  gridCourse_->hide();
  gridCourse_->setUpdatesEnabled(false);
  gridCourse_->reset(QString::fromLatin1(kCourseGridFormat));
  gridCourse_->setHeightInRows(15);

  const std::vector<CourseRow> courses = courseRows(state_.records.courses());
  std::vector<QStringList> rows;
  rows.reserve(courses.size());
  for (const CourseRow& c : courses)
    rows.push_back(
        {qs(c.code), qs(c.name), qs(c.provider), qs(c.hours), qs(c.id), QString::number(c.recNum)});
  const std::size_t count = rows.size();
  gridCourse_->setRows(std::move(rows));
  if (count >= 2) gridCourse_->sortByColumn(kCode);
  if (count >= 1) {
    gridCourse_->shadeAlternateRows(kCode, kHours);
    gridCourse_->setColumnWidthTwips(kName, 3600);
    gridCourse_->setColumnWidthTwips(kProvider, 3200);
    gridCourse_->hideColumn(kId);
    gridCourse_->hideColumn(kRecNum);
    gridCourse_->show();
    gridCourse_->fillWidthWith(kName);
    // A listed course is always highlighted, so the commands that act on the highlighted course
    // never find none; a caller that worked on another one highlights it afterwards.
    gridCourse_->selectRow(1, true);
  }
  gridCourse_->setUpdatesEnabled(true);
}

std::vector<ui::ListedCourse> CourseIndexTab::listedCourses() const {
  std::vector<ui::ListedCourse> courses;
  courses.reserve(static_cast<std::size_t>(gridCourse_->rows()));
  for (int r = 1; r <= gridCourse_->rows(); ++r)
    courses.push_back({courseIdValue(gridCourse_->text(r, kId).toStdString()),
                       gridCourse_->text(r, kRecNum).toInt(), gridCourse_->text(r, kCode),
                       gridCourse_->text(r, kName), gridCourse_->text(r, kProvider),
                       gridCourse_->text(r, kHours)});
  return courses;
}

void CourseIndexTab::tabClicked() {
  if (!gridCourse_->isHidden()) {
    gridCourse_->setFocus();
  } else if (cmdAddCourse_->isEnabled()) {
    cmdAddCourse_->setFocus();
  }
}

void CourseIndexTab::cmdSearch_Click() {
  if (cmdQuitSearching_->isHidden()) {
    findText_ = state_.dialogs.input(lobby_.lobbyWindow(), QStringLiteral("Find Course(s)"),
                                     QStringLiteral("Which course are you looking for?\n\n"
                                                    "(Enter any word or sequence of characters,\n"
                                                    "whole or partial, you wish to search for)"),
                                     findText_);
    if (findText_.isEmpty()) return;
    enterFindMode();
  }
  findNext();
}

void CourseIndexTab::enterFindMode() {
  cmdSearch_->setTag(cmdSearch_->caption());
  cmdSearch_->setCaption(QStringLiteral("Find Next..."));
  cmdSearch_->setToolTip(QStringLiteral(" Looking for '") + findText_ + QStringLiteral("' "));
  lobby_.tabMain()->setTabEnabled(kSearchTab, false);
  if (auto* admin = lobby_.lobbyWindow()->findChild<QWidget*>(QStringLiteral("cmdAdminWindow")))
    admin->hide();
  for (ui::PellamButton* b :
       {cmdCreditTraining_, cmdAddCourse_, cmdEditCourse_, cmdDeleteCourse_, cmdPrintCourseIndex_})
    b->hide();
  cmdQuitSearching_->show();
  lobby_.startFlashing();
}

void CourseIndexTab::findNext() {
  const std::string wanted = findText_.toStdString();
  const int row = findNextRow(gridCourse_->rows(), gridCourse_->currentRow(), [&](int candidate) {
    return courseMatches(gridCourse_->text(candidate, kCode).toStdString(),
                         gridCourse_->text(candidate, kName).toStdString(), wanted);
  });
  if (row > 0) {
    gridCourse_->selectRow(row, !isRowVisible(row));
    return;
  }
  cmdSearch_->hide();
  cmdQuitSearching_->hide();
  state_.dialogs.message(lobby_.lobbyWindow(),
                         ui::makeMessage(QStringLiteral("No match"),
                                         QStringLiteral("The text '") + findText_ +
                                             QStringLiteral("'\ncould not be found in this "
                                                            "'Course Index'."),
                                         ui::MessageIcon::None));
  cmdSearch_->show();
  cmdQuitSearching_Click();
}

void CourseIndexTab::cmdQuitSearching_Click() {
  lobby_.stopFlashing();
  cmdSearch_->setCaption(cmdSearch_->tag());
  cmdSearch_->setToolTip({});
  lobby_.refreshButtons();
}

bool CourseIndexTab::isRowVisible(int row) const {
  const int top = gridCourse_->topRow();
  int bottom = gridCourse_->rowAt(QPoint(0, gridCourse_->viewport()->height() - 1));
  if (bottom == 0) bottom = gridCourse_->rows();
  return top > 0 && row >= top && row <= bottom;
}

void CourseIndexTab::highlight(int row) { gridCourse_->selectRow(row, true); }

std::int32_t CourseIndexTab::highlightedRecNum() const {
  const int row = gridCourse_->currentRow();
  return row > 0 ? gridCourse_->text(row, kRecNum).toInt() : 0;
}

void CourseIndexTab::cmdCreditTraining_Click() {
  const int row = gridCourse_->currentRow();
  // A category heading is never credited, whatever the state of the button.
  if (row < 1 || !(format::leadingNumber(gridCourse_->text(row, kHours).toStdString()) > 0)) return;
  training::CreditChoice choice{
      gridCourse_->text(row, kCode),           gridCourse_->text(row, kName),
      gridCourse_->text(row, kProvider),       gridCourse_->text(row, kHours),
      gridCourse_->text(row, kRecNum).toInt(), {}};
  // Every person the Name List shows, as it shows them.
  const std::vector<ui::ListedPerson> persons = lobby_.listedPersons();
  choice.persons.reserve(persons.size());
  for (const ui::ListedPerson& p : persons) choice.persons.push_back({p.name, p.recNum});
  if (ui::openModal(
          state_, lobby_.lobbyWindow(),
          new training::frmCreditTraining(state_, std::move(choice), lobby_.lobbyWindow())))
    lobby_.refreshButtons();
}

// The Course Index printout comes with the report engine, which the program does not have yet.
void CourseIndexTab::cmdPrintCourseIndex_Click() {
  ui::printGridReport(state_, print::ReportKind::CourseIndex, *gridCourse_, lobby_.lobbyWindow());
}

void CourseIndexTab::cmdAddCourse_Click() { openEditor(ui::EditorMode::Add, 0); }

void CourseIndexTab::cmdEditCourse_Click() {
  const std::int32_t recNum = highlightedRecNum();
  if (recNum > 0) openEditor(ui::EditorMode::Edit, recNum);
}

void CourseIndexTab::openEditor(ui::EditorMode mode, std::int32_t recNum) {
  const std::optional<store::CourseRecord> saved =
      ui::openEditor(state_, lobby_.lobbyWindow(),
                     new frmAddEditCourse(state_, mode, recNum, lobby_.lobbyWindow()));
  if (!saved) return;
  UpdateCourseGrid();
  if (gridCourse_->rows() >= 2) {
    for (int row = 1; row <= gridCourse_->rows(); ++row) {
      if (courseIdValue(gridCourse_->text(row, kId).toStdString()) == saved->DateCreated) {
        highlight(row);
        break;
      }
    }
  }
  lobby_.refreshButtons();
}

void CourseIndexTab::cmdDeleteCourse_Click() {
  const int row = gridCourse_->currentRow();
  if (row < 1) return;
  if (!removeCourse(state_, lobby_.lobbyWindow(), gridCourse_->text(row, kCode),
                    highlightedRecNum()))
    return;
  const int above = std::max(1, row - 1);
  UpdateCourseGrid();
  const bool listed = !gridCourse_->isHidden();
  if (listed) highlight(above);
  lobby_.refreshButtons();
  if (listed)
    state_.dialogs.message(lobby_.lobbyWindow(),
                           ui::makeMessage(QStringLiteral("Course Removed"),
                                           QStringLiteral("The course has been removed\n"
                                                          "from the 'Course Index'."),
                                           ui::MessageIcon::Information));
}

void CourseIndexTab::gridcourse_DblClick(int row) {
  if (row > 0 && !cmdEditCourse_->isHidden()) cmdEditCourse_Click();
}

void CourseIndexTab::gridCourse_MouseMove(int row) {
  if (row > 0 && !cmdEditCourse_->isHidden()) {
    gridCourse_->setToolTip(QStringLiteral(" Double-click to view") +
                            (state_.changeLevel() >= 2 ? QStringLiteral("/edit") : QString()) +
                            QStringLiteral(" this course "));
  } else {
    gridCourse_->setToolTip({});
  }
}

void CourseIndexTab::gridCourse_RowColChange(int row) {
  if (gridCourse_->rows() < 1) return;
  cmdCreditTraining_->setEnabled(
      row > 0 &&
      canCreditCourse(state_.changeLevel(), gridCourse_->text(row, kHours).toStdString()));
}

}  // namespace vm::courses
