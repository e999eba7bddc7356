// SPDX-License-Identifier: GPL-3.0-or-later
// Times the Name List refresh on a full Name.List (32,767 persons) and the repaint of
// the grid while it is scrolled a page at a time.
#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "app/folder_records.h"
#include "app/frm_lobby.h"
#include "format/clock.h"
#include "store/file_table.h"
#include "store/posix_file_system.h"
#include "store/record_codec.h"
#include "store/work_journal.h"
#include "ui/app_state.h"
#include "ui/grid/grid.h"
#include "ui/qt_dialogs.h"
#include "ui/settings.h"

namespace {

using Clock = std::chrono::steady_clock;

void writeFullNameList(vm::store::FileTable& files) {
  const char* first[] = {"Ann", "Bob", "Carl", "Dora", "Eve", "Finn", "Gus", "Hana", "Ivo", "José"};
  const char* last[] = {"Lee", "Adams", "Brown", "Ibáñez", "Zane", "Young", "Moreau", "Okafor"};
  std::mt19937 random(7);
  std::string records;
  for (int n = 1; n <= vm::store::maxRecords(vm::store::DataFile::Names); ++n) {
    vm::store::NameRecord r;
    r.DateCreated = 40000 + n / 86400.0;
    r.FirstName = first[random() % 10];
    r.MiddleName = random() % 3 == 0 ? "Q" : "";
    r.LastName = std::string(last[random() % 8]) + std::to_string(random() % 1000);
    r.Organization = "Department " + std::to_string(random() % 40);
    r.Comments = "Some comments about this person";
    r.Active = random() % 4 == 0 ? vm::store::kInactive : vm::store::kActive;
    records += vm::store::encoded(r);
  }
  vm::store::doWork(files, {}, {vm::store::AppendRecords{vm::store::DataFile::Names, records}}, {});
}

struct Stats {
  double median, worst;
};

Stats stats(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms.back()};
}

double millisecondsOf(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const auto folder = std::filesystem::temp_directory_path() / "verdimark-bench-names";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);

  vm::store::PosixFileSystem fs;
  vm::store::FileTable files(fs, folder.string());
  writeFullNameList(files);
  vm::ui::Settings settings(QString::fromStdString((folder / "settings.ini").string()));
  vm::ui::QtDialogs dialogs;
  const vm::format::SystemClock clock;
  vm::app::FolderRecords records(files);
  vm::ui::AppState state(files, records, settings, dialogs, clock);
  state.CurrentUserName = "Bench Mark";
  state.CurrentAccessLevel = 4;

  auto* lobby = new vm::app::frmLobby(state);
  lobby->show();
  while (!lobby->windowActivated()) QApplication::processEvents();
  vm::ui::Grid* grid = lobby->nameGrid();

  const auto refill = [&](const char* what) {
    std::vector<double> ms;
    for (int i = 0; i < 7; ++i)
      ms.push_back(millisecondsOf([&] {
        lobby->UpdateNameGrid();
        QApplication::processEvents();  // the first paint of the new rows
      }));
    const Stats s = stats(ms);
    std::printf("UpdateNameGrid, %-28s %6d rows: median %6.1f ms, worst %6.1f ms\n", what,
                grid->rows(), s.median, s.worst);
  };
  refill("active persons");
  lobby->findChild<QRadioButton*>("optDisplay3")->click();
  refill("active and inactive persons");

  std::vector<double> frames;
  QScrollBar* bar = grid->verticalScrollBar();
  for (int page = 0; page < 300; ++page) {
    frames.push_back(millisecondsOf([&] {
      bar->setValue((page * 18) % std::max(1, bar->maximum()));
      grid->viewport()->repaint();
    }));
  }
  const Stats s = stats(frames);
  std::printf("Scrolling a page and repainting the grid: median %.2f ms, worst %.2f ms\n", s.median,
              s.worst);

  delete lobby;
  std::filesystem::remove_all(folder);
  return 0;
}
