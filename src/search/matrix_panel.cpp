// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/matrix_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

#include "format/text_case.h"
#include "scan/training_blocks.h"
#include "scan/training_pass.h"
#include "search/frm_training_matrix.h"
#include "search/progress_caption.h"
#include "search/training_matrix.h"
#include "ui/app_state.h"
#include "ui/busy_cursor.h"
#include "ui/button/command_button.h"
#include "ui/dialogs.h"
#include "ui/escape_stops.h"
#include "ui/lobby_services.h"
#include "ui/open_modal.h"
#include "ui/option_handlers.h"

namespace vm::search {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

MatrixPanel::MatrixPanel(ui::AppState& state, ui::LobbyServices& lobby, QWidget* parent)
    : QFrame(parent),
      state_(state),
      lobby_(lobby),
      cboMatrixHeading_(new QComboBox(this)),
      txtMatrixCode_(new QLineEdit(this)),
      cmdMatrix_(ui::makeCommandButton(this, QStringLiteral("cmdMatrix"), {})) {
  setObjectName(QStringLiteral("frame3"));
  setFrameShape(QFrame::StyledPanel);
  const std::array<QString, 2> captions = {QStringLiteral("Courses under the category heading"),
                                           QStringLiteral("Courses whose code begins with")};
  for (int i = 0; i < 2; ++i) {
    auto* option = new QRadioButton(captions[static_cast<std::size_t>(i)], this);
    option->setObjectName(QStringLiteral("optMatrix%1").arg(i + 1));
    ui::onChosen(option, this, [this] { choiceChanged(); });
    optMatrix_[static_cast<std::size_t>(i)] = option;
  }
  cboMatrixHeading_->setObjectName(QStringLiteral("cboMatrixHeading"));
  cboMatrixHeading_->setAccessibleName(captions[0]);
  cboMatrixHeading_->setMinimumContentsLength(30);
  txtMatrixCode_->setObjectName(QStringLiteral("txtMatrixCode"));
  txtMatrixCode_->setAccessibleName(captions[1]);
  txtMatrixCode_->setMaxLength(8);
  txtMatrixCode_->setFixedWidth(110);
  cmdMatrix_->setMinimumSize(190, 44);
  cmdMatrix_->setEnabled(false);

  auto* layout = new QGridLayout(this);
  layout->addWidget(optMatrix_[0], 0, 0);
  layout->addWidget(cboMatrixHeading_, 0, 1);
  layout->addWidget(optMatrix_[1], 1, 0);
  layout->addWidget(txtMatrixCode_, 1, 1, Qt::AlignLeft);
  layout->addWidget(cmdMatrix_, 2, 0, 1, 2, Qt::AlignLeft);
  layout->setColumnStretch(2, 1);

  // Only the box of the chosen option is enabled.
  connect(cboMatrixHeading_, &QComboBox::currentIndexChanged, this, &MatrixPanel::choiceChanged);
  connect(txtMatrixCode_, &QLineEdit::textChanged, this, &MatrixPanel::choiceChanged);
  connect(txtMatrixCode_, &QLineEdit::returnPressed, this, [this] {
    if (cmdMatrix_->isEnabled()) cmdMatrix_Click();
  });
  connect(cmdMatrix_, &ui::PellamButton::Click, this, &MatrixPanel::cmdMatrix_Click);
  optMatrix_[1]->setChecked(true);
}

void MatrixPanel::refresh() {
  courses_.clear();
  for (const ui::ListedCourse& c : lobby_.listedCourses())
    courses_.push_back(
        {c.code.toStdString(), c.name.toStdString(), c.hours.isEmpty(), c.dateCreated});
  headings_ = headingsOf(courses_);

  const QString before = cboMatrixHeading_->currentText();
  cboMatrixHeading_->clear();
  for (std::size_t h : headings_)
    cboMatrixHeading_->addItem(qs(courses_[h].code) + QStringLiteral(" ") + qs(courses_[h].name));
  cboMatrixHeading_->setCurrentIndex(std::max(0, cboMatrixHeading_->findText(before)));
  const bool anyHeading = !headings_.empty();
  optMatrix_[0]->setEnabled(anyHeading);
  if (!anyHeading) optMatrix_[1]->setChecked(true);
  choiceChanged();
}

QWidget* MatrixPanel::firstBox() const {
  return optMatrix_[0]->isChecked() ? static_cast<QWidget*>(cboMatrixHeading_) : txtMatrixCode_;
}

QList<QWidget*> MatrixPanel::tabOrder() const {
  return {optMatrix_[0], cboMatrixHeading_, optMatrix_[1], txtMatrixCode_, cmdMatrix_};
}

void MatrixPanel::choiceChanged() {
  const bool byHeading = optMatrix_[0]->isChecked();
  cboMatrixHeading_->setEnabled(byHeading && !headings_.empty());
  txtMatrixCode_->setEnabled(!byHeading);
  cmdMatrix_->setEnabled(byHeading ? cboMatrixHeading_->currentIndex() >= 0
                                   : !txtMatrixCode_->text().trimmed().isEmpty());
}

std::vector<MatrixCourse> MatrixPanel::chosenCourses() const {
  if (!optMatrix_[0]->isChecked())
    return coursesStartingWith(courses_, txtMatrixCode_->text().toStdString());
  const int at = cboMatrixHeading_->currentIndex();
  if (at < 0) return {};
  return coursesUnder(courses_, headings_[static_cast<std::size_t>(at)]);
}

QString MatrixPanel::chosenText() const {
  return optMatrix_[0]->isChecked()
             ? QStringLiteral("the courses under '") + cboMatrixHeading_->currentText() + "'"
             : QStringLiteral("the courses whose code begins with '") +
                   txtMatrixCode_->text().trimmed() + "'";
}

void MatrixPanel::tellUser(const QString& title, const QString& text) {
  state_.dialogs.message(lobby_.lobbyWindow(),
                         ui::makeMessage(title, text, ui::MessageIcon::Information));
}

void MatrixPanel::cmdMatrix_Click() {
  const std::vector<MatrixCourse> courses = chosenCourses();
  if (courses.empty()) {
    tellUser(QStringLiteral("No Courses"),
             optMatrix_[0]->isChecked()
                 ? QStringLiteral("There are no courses under the heading\n'") +
                       cboMatrixHeading_->currentText() + QStringLiteral("'.")
                 : QStringLiteral("There are no courses whose code\nbegins with '") +
                       txtMatrixCode_->text().trimmed() + QStringLiteral("'."));
    return;
  }
  if (courses.size() > kMostMatrixCourses) {
    tellUser(QStringLiteral("Too Many Courses"),
             QStringLiteral("The training matrix shows at most %1 courses;\n%2 are %3.\n\n"
                            "Please choose fewer courses.")
                 .arg(kMostMatrixCourses)
                 .arg(courses.size())
                 .arg(chosenText()));
    return;
  }

  const std::vector<ui::ListedPerson> persons = lobby_.listedPersons();
  std::vector<std::string> personNames;
  personNames.reserve(persons.size());
  for (const ui::ListedPerson& p : persons) personNames.push_back(p.name.toStdString());
  const std::string heading = lobby_.nameListHeading().toStdString();
  MatrixTable table;
  cmdMatrix_->setTag(cmdMatrix_->caption());
  try {
    const ui::BusyCursor busy(lobby_.lobbyWindow());
    ui::EscapeStops escape;
    const std::vector<double> stamps = ui::stampsOf(persons);
    const TrainingMatrix matrix =
        trainingMatrix(*state_.records.trainingBlocks(scan::personsHint(stamps)), stamps, courses,
                       progressOnCaption(cmdMatrix_, escape));
    table = matrixTable(matrix, heading, personNames, courses);
  } catch (const scan::PassStopped&) {
    cmdMatrix_->setCaption(cmdMatrix_->tag());
    return;
  }
  cmdMatrix_->setCaption(cmdMatrix_->tag());

  const QStringList description = {
      QStringLiteral("The below is a ") + qs(format::lowerCase(heading)),
      QStringLiteral("and the dates of their latest training in ") + chosenText()};
  ui::openModal(state_, lobby_.lobbyWindow(),
                new frmTrainingMatrix(state_, std::move(table), description, lobby_.lobbyWindow()));
}

}  // namespace vm::search
