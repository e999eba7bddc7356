// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "ui/window_life.h"

class QCheckBox;

namespace vm::ui {
struct AppState;
class LobbyServices;
class PellamButton;
}  // namespace vm::ui

namespace vm::renewals {

// The setting in section "Defaults" that turns the log-in notice off ("NoShow") for one user of
// the program: colleagues who share a computer decide each for themselves.
QString noticeSettingKey(const QString& userName);

// The notice shown once after log-in: how many trainings of the listed persons have expired and
// how many fall due within 30 days, with the way to the renewals view and the check box that
// turns the notice off.
class frmRenewalNotice : public QDialog {
  Q_OBJECT

 public:
  frmRenewalNotice(ui::AppState& state, const QString& text, QWidget* parent = nullptr);

 signals:
  // The user asked for the renewals view; the notice closes.
  void renewalsAsked();

 private:
  void chkShowNotice_Click();

  ui::AppState& state_;
  ui::WindowLife life_;
  QCheckBox* chkShowNotice_;
  ui::PellamButton* cmdShowRenewals_;
  ui::PellamButton* cmdOK_;
};

// Once the main window has opened: when the user has not turned the notice off, some course has a
// renewal period, and a training of a person the Name List lists has expired or falls due within
// 30 days, shows the notice over the main window, and the renewals view when asked for.
void offerRenewalNotice(ui::AppState& state, ui::LobbyServices& lobby);

}  // namespace vm::renewals
