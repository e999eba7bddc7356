// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/frm_training_matrix.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "print/matrix_report.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/button/command_button.h"
#include "ui/dialogs.h"
#include "ui/grid/grid.h"
#include "ui/grid/grid_export.h"
#include "ui/help/help_button.h"
#include "ui/help/help_menu.h"
#include "ui/pictures.h"
#include "ui/print_job.h"
#include "ui/tab_order.h"
#include "ui/tile_picture.h"

namespace vm::search {
namespace {

constexpr int kNameTwips = 2600;
constexpr int kCourseTwips = 1450;  // a date, with room to spare
// The count row stands apart from the persons above it.
const QColor kCountRow{255, 255, 192};

QString qs(const std::string& s) { return QString::fromStdString(s); }

ui::PellamButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                             const QString& toolTip) {
  ui::PellamButton* b = ui::makeCommandButton(parent, QString::fromLatin1(name), caption, toolTip);
  b->setAutoDefault(false);
  b->setMinimumSize(130, 40);
  return b;
}

}  // namespace

frmTrainingMatrix::frmTrainingMatrix(ui::AppState& state, MatrixTable table,
                                     QStringList description, QWidget* parent)
    : QDialog(parent),
      state_(state),
      life_(this, state),
      description_(std::move(description)),
      lblMatrix_(new QLabel(description_.join('\n'), this)),
      gridMatrix_(new ui::Grid(this)),
      cmdPrintMatrix_(makeButton(this, "cmdPrintMatrix", QStringLiteral("&Print Matrix"),
                                 QStringLiteral(" Print this Training Matrix "))),
      cmdExportMatrix_(makeButton(this, "cmdExportMatrix", QStringLiteral("&Export to CSV..."),
                                  QStringLiteral(" Save this Training Matrix as a CSV file "))),
      cmdExportMatrixSheet_(
          makeButton(this, "cmdExportMatrixSheet", QStringLiteral("Export to a &Spreadsheet..."),
                     QStringLiteral(" Save this Training Matrix as a spreadsheet, dates in its "
                                    "cells "))),
      cmdReturn_(makeButton(this, "cmdReturn", QStringLiteral("&Return"),
                            QStringLiteral(" Close this Training Matrix window "))) {
  setObjectName(QStringLiteral("frmTrainingMatrix"));
  setWindowTitle(ui::applicationTitle() + QStringLiteral(" - Training Matrix"));
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
  ui::TilePicture(ui::pictures::backgroundTile(), this);

  lblMatrix_->setObjectName(QStringLiteral("lblMatrix"));
  gridMatrix_->setObjectName(QStringLiteral("gridMatrix"));
  // The headers come from the table after the reset, so that no text is read as the format's
  // separators.
  QString format = QStringLiteral("<");
  for (std::size_t c = 1; c < table.header.size(); ++c) format += QStringLiteral("|^");
  gridMatrix_->reset(format);
  for (std::size_t c = 0; c < table.header.size(); ++c)
    gridMatrix_->setHeaderText(static_cast<int>(c), qs(table.header[c]));
  std::vector<QStringList> rows;
  rows.reserve(table.rows.size());
  for (const std::vector<std::string>& cells : table.rows) {
    QStringList& row = rows.emplace_back();
    row.reserve(static_cast<qsizetype>(cells.size()));
    for (const std::string& cell : cells) row << qs(cell);
  }
  gridMatrix_->setRows(std::move(rows));
  const int columns = gridMatrix_->cols();
  const int persons = gridMatrix_->rows() - 1;
  gridMatrix_->gridModel()->shadeAlternateRows(0, columns - 1, ui::Grid::kShade);
  for (int c = 0; c < columns; ++c) {
    gridMatrix_->gridModel()->setBackground(persons, c, kCountRow);
    gridMatrix_->setColumnWidthTwips(c, c == 0 ? kNameTwips : kCourseTwips);
  }
  // Wider than any window: the courses scroll, as in a spreadsheet.
  gridMatrix_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  ui::PellamButton* cmdHelp = ui::makeHelpButton(this, state, ui::help::kTrainingMatrixTopic, 40);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (ui::PellamButton* b :
       {cmdPrintMatrix_, cmdExportMatrix_, cmdExportMatrixSheet_, cmdHelp, cmdReturn_})
    buttons->addWidget(b);
  ui::setTabOrder(
      {gridMatrix_, cmdPrintMatrix_, cmdExportMatrix_, cmdExportMatrixSheet_, cmdHelp, cmdReturn_});
  cmdReturn_->setDefault(true);
  cmdReturn_->setCancel(true);  // Esc closes the window through its own way out
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(12, 12, 12, 12);
  page->addWidget(lblMatrix_);
  page->addWidget(gridMatrix_, 1);
  page->addLayout(buttons);

  // As wide as the matrix needs, within the screen.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const int wanted =
      gridMatrix_->logicalDpiX() * (kNameTwips + kCourseTwips * (columns - 1)) / 1440 + 60;
  resize(std::clamp(wanted, 640, screen.width() - 40), std::min(600, screen.height() - 60));

  connect(cmdPrintMatrix_, &ui::PellamButton::Click, this,
          &frmTrainingMatrix::cmdPrintMatrix_Click);
  connect(cmdExportMatrix_, &ui::PellamButton::Click, this,
          &frmTrainingMatrix::cmdExportMatrix_Click);
  connect(cmdExportMatrixSheet_, &ui::PellamButton::Click, this,
          &frmTrainingMatrix::cmdExportMatrixSheet_Click);
  connect(cmdReturn_, &ui::PellamButton::Click, this, &frmTrainingMatrix::cmdReturn_Click);
  life_.onFirstActivation([this] { Form_Activate(); });
}

void frmTrainingMatrix::Form_Activate() {
  if (state_.FadeEnabled) {
    life_.fadeIn();
    life_.fade().waitUntilFinished();
  }
  gridMatrix_->selectRow(1);
  gridMatrix_->setFocus();
}

void frmTrainingMatrix::cmdPrintMatrix_Click() {
  // The count row is no person.
  const auto pages = print::matrixPageEstimate(static_cast<std::size_t>(gridMatrix_->rows()),
                                               static_cast<std::size_t>(gridMatrix_->cols() - 1));
  ui::Message question = ui::makeMessage(
      QStringLiteral("Print the Training Matrix?"),
      QStringLiteral("This printout will consist\nof about %1 page(s).\n\nAre you ready to print?")
          .arg(pages),
      ui::MessageIcon::None, ui::MessageButtons::YesNo);
  question.otherButton = QStringLiteral("Save as PDF...");
  const ui::Answer answer = state_.dialogs.message(this, question);
  if (answer != ui::Answer::Yes && answer != ui::Answer::Other) return;

  print::MatrixReportInput input;
  input.windowTitle = windowTitle().toStdString();
  for (const QString& line : description_) input.description.push_back(line.toStdString());
  ui::GridTable table = ui::gridTable(*gridMatrix_);
  input.header = std::move(table.header);
  input.rows = std::move(table.rows);

  ui::PrintJobOptions options;
  options.printer = state_.defaultPrinter();
  options.pdfOnly = answer == ui::Answer::Other;
  options.orientation = QPageLayout::Landscape;
  options.pdfFileName = ui::applicationTitle() + QStringLiteral(" Training Matrix.pdf");
  ui::runPrintJob(
      this, state_.dialogs,
      [&](print::PrintSurface& surface) { print::PrintMatrixReport(surface, input, state_.clock); },
      options);
}

void frmTrainingMatrix::cmdExportMatrix_Click() { ui::exportGridToCsv(state_, *gridMatrix_); }

void frmTrainingMatrix::cmdExportMatrixSheet_Click() {
  ui::exportGridToSpreadsheet(state_, *gridMatrix_);
}

void frmTrainingMatrix::cmdReturn_Click() { life_.closeWindow(); }

}  // namespace vm::search
