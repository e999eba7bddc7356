// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QStringList>
#include <array>
#include <vector>

#include "search/matrix_courses.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace vm::ui {
struct AppState;
class LobbyServices;
class PellamButton;
}  // namespace vm::ui

namespace vm::search {

// The third panel of the search and summary options: which courses the training matrix takes
// (those under one category heading of the Course Index, or those whose code begins with a
// text), and cmdMatrix, which builds the matrix of the persons the Name List shows and opens it
// in its own window.
class MatrixPanel : public QFrame {
  Q_OBJECT

 public:
  MatrixPanel(ui::AppState& state, ui::LobbyServices& lobby, QWidget* parent = nullptr);

  // Offers the category headings the Course Index lists now, keeping the one chosen before.
  void refresh();
  // Where the focus goes when the panel is chosen.
  QWidget* firstBox() const;
  // Its controls in the order Tab visits them: each option with its box, then the command.
  QList<QWidget*> tabOrder() const;

 private:
  // Enables the box of the chosen option, and cmdMatrix when that box holds a choice.
  void choiceChanged();
  void cmdMatrix_Click();

  // The courses chosen, and what the matrix says of them ("the courses under 'FA First Aid'").
  std::vector<MatrixCourse> chosenCourses() const;
  QString chosenText() const;
  void tellUser(const QString& title, const QString& text);

  ui::AppState& state_;
  ui::LobbyServices& lobby_;
  std::array<QRadioButton*, 2> optMatrix_{};
  QComboBox* cboMatrixHeading_;
  QLineEdit* txtMatrixCode_;
  ui::PellamButton* cmdMatrix_;
  // The Course Index as it was when the headings were offered, and where each heading is in it.
  std::vector<ListedCourse> courses_;
  std::vector<std::size_t> headings_;
};

}  // namespace vm::search
