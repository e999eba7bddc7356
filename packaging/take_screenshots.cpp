// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's screenshots: the program on the demonstration data, driven as a user drives
// it (log-in as Dana Demo, the Name List, then the renewals view and the training matrix opened
// from the Search & Summary tab), each window saved as a PNG file as it stands on the screen.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <map>
#include <memory>

#include "app/demo_seed.h"
#include "app/folder_records.h"
#include "app/frm_lobby.h"
#include "format/clock.h"
#include "renewals/renewal_notice.h"
#include "store/file_table.h"
#include "store/posix_file_system.h"
#include "ui/app_state.h"
#include "ui/button/pellam_button.h"
#include "ui/dialogs.h"
#include "ui/settings.h"
#include "ui/window_life.h"

namespace {

// The modal windows the tour opens are photographed instead of waited on; no box or picker is
// ever expected, and one that comes stops the tour.
class Camera final : public vm::ui::Dialogs {
 public:
  Camera(QDir folder, std::map<QString, QString> names)
      : folder_(std::move(folder)), names_(std::move(names)) {}

  bool take(QWidget* window) {
    window->show();
    vm::ui::WindowLife* life = vm::ui::WindowLife::of(window);
    if (life && !QTest::qWaitFor([life] { return life->activated(); }, 5000)) return failed(window);
    QTest::qWait(300);  // lists filled and painted
    const auto name = names_.find(window->objectName());
    if (name == names_.end()) return failed(window);
    const QString path = folder_.filePath(name->second);
    if (!window->grab().save(path)) return failed(window);
    std::printf("%s\n", qPrintable(path));
    return true;
  }
  bool ok() const { return ok_; }

  void runModal(QWidget* window) override {
    take(window);
    delete window;
  }
  vm::ui::Answer message(QWidget*, const vm::ui::Message& box) override {
    unexpected(box.title + ": " + box.text);
    return vm::ui::Answer::Cancel;
  }
  QString input(QWidget*, const QString& title, const QString&, const QString&) override {
    return unexpected(title);
  }
  QString browseForFolder(QWidget*, const QString& title, const QString&) override {
    return unexpected(title);
  }
  QString saveFileName(QWidget*, const QString& title, const QString&, const QString&) override {
    return unexpected(title);
  }
  QString openFileName(QWidget*, const QString& title, const QString&, const QString&) override {
    return unexpected(title);
  }
  QAction* popupMenu(QMenu*, const QPoint&) override {
    unexpected(QStringLiteral("a pop-up menu"));
    return nullptr;
  }

 private:
  bool failed(QWidget* window) {
    std::fprintf(stderr, "verdimark-screenshots: cannot photograph %s\n",
                 qPrintable(window->objectName()));
    ok_ = false;
    return false;
  }
  QString unexpected(const QString& what) {
    std::fprintf(stderr, "verdimark-screenshots: unexpected %s\n", qPrintable(what));
    ok_ = false;
    return {};
  }

  QDir folder_;
  std::map<QString, QString> names_;
  bool ok_ = true;
};

void click(QWidget* window, const char* name) {
  if (auto* b = window->findChild<vm::ui::PellamButton*>(name))
    QTest::mouseClick(b, Qt::LeftButton);
  else
    std::fprintf(stderr, "verdimark-screenshots: no %s\n", name);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: verdimark-screenshots FOLDER\n");
    return 2;
  }
  QTemporaryDir data;
  if (!data.isValid() || !QDir().mkpath(QString::fromLocal8Bit(argv[1]))) return 1;

  // The day of the release, so that the pictures only change when the windows do.
  const vm::format::FixedClock clock({2026, 12, 8, 10, 30, 0});
  vm::store::PosixFileSystem fileSystem;
  vm::store::FileTable files(fileSystem, data.path().toStdString());
  vm::app::seedDemonstrationData(files, clock);
  vm::ui::Settings settings(data.filePath(QStringLiteral("settings.ini")));
  Camera camera(QDir(QString::fromLocal8Bit(argv[1])),
                {{QStringLiteral("frmLobby"), QStringLiteral("name-list.png")},
                 {QStringLiteral("frmRenewals"), QStringLiteral("renewals.png")},
                 {QStringLiteral("frmTrainingMatrix"), QStringLiteral("training-matrix.png")}});
  vm::app::FolderRecords records(files);
  vm::ui::AppState state(files, records, settings, camera, clock);
  state.CurrentUserName = QStringLiteral("Dana Demo");
  state.CurrentAccessLevel = 4;
  // The renewals view is photographed on its own, not under the notice.
  settings.setValue(vm::renewals::noticeSettingKey(state.CurrentUserName),
                    QStringLiteral("NoShow"));

  auto lobby = std::make_unique<vm::app::frmLobby>(state);
  if (!camera.take(lobby.get())) return 1;

  lobby->tabMain()->setCurrentIndex(2);
  lobby->findChild<QRadioButton*>(QStringLiteral("optSearch4"))->click();
  click(lobby.get(), "cmdRenewals");

  lobby->findChild<QRadioButton*>(QStringLiteral("optSearch3"))->click();
  lobby->findChild<QRadioButton*>(QStringLiteral("optMatrix1"))->click();
  auto* heading = lobby->findChild<QComboBox*>(QStringLiteral("cboMatrixHeading"));
  heading->setCurrentIndex(heading->findText(QStringLiteral("HLT-0000 HEALTH AND FIRST AID")));
  click(lobby.get(), "cmdMatrix");
  return camera.ok() ? 0 : 1;
}
