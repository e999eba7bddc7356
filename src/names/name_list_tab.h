// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "names/name_list_rows.h"
#include "ui/dialogs.h"
#include "ui/listed_records.h"
#include "ui/lobby_tab.h"

class QRadioButton;

namespace vm::ui {
struct AppState;
class Grid;
class LobbyServices;
class PellamButton;
}  // namespace vm::ui

namespace vm::names {

// The Name List tab of the main window: the persons of Name.List, filtered by the
// active/inactive choice and sorted by last name, with the buttons that add, view, edit
// and remove them. The highlighted row is the person the other commands act on.
class NameListTab : public ui::LobbyTab {
  Q_OBJECT

 public:
  // Grid columns: display name, organisation, then the hidden DateCreated, sort key and
  // record number.
  static constexpr int kColName = 0, kColOrganization = 1, kColDateCreated = 2, kColSortKey = 3,
                       kColRecNum = 4;

  NameListTab(ui::LobbyServices& lobby, ui::AppState& state, QWidget* parent = nullptr);

  // Rebuilds gridName from Name.List for the display choice.
  void UpdateNameGrid();

  void updateList() override { UpdateNameGrid(); }
  ui::Grid* grid() override { return gridName_; }
  void tabClicked() override;

  NameDisplay display() const { return display_; }
  QString displayCaption() const;
  // The persons listed, in the list's order, and the heading of their names.
  std::vector<ui::ListedPerson> listedPersons() const;
  QString heading() const;
  QList<QWidget*> tabOrder() override;

 private:
  void optDisplay_Click(NameDisplay choice);
  void gridName_DblClick(int row);
  void gridName_MouseMove(int row);
  void cmdAddName_Click();
  void cmdEditName_Click();
  void cmdDeleteName_Click();
  void cmdPrintNameList_Click();
  void cmdTrainingHistory_Click();

  // The refill itself; returns the message to show when there is nobody to list.
  std::optional<ui::Message> fillGrid();
  void showChoices(const DisplayChoices& available);
  // Opens the editor over the main window; when it saved, rebuilds the list and
  // highlights the person saved.
  void openEditor(std::int32_t recNum);
  void reselect(const QString& dateCreated);
  ui::ListedPerson personAt(int row) const;

  ui::LobbyServices& lobby_;
  ui::AppState& state_;
  ui::Grid* gridName_;
  std::array<QRadioButton*, 3> optDisplay_{};
  ui::PellamButton* cmdAddName_;
  ui::PellamButton* cmdEditName_;
  ui::PellamButton* cmdDeleteName_;
  ui::PellamButton* cmdTrainingHistory_;
  ui::PellamButton* cmdPrintNameList_;
  std::vector<double> dateCreated_;  // of every person on file, by record number from 1
  NameDisplay display_ = NameDisplay::Active;
  bool updating_ = false;  // a refresh is running: display clicks are ignored
};

}  // namespace vm::names
