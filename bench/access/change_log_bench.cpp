// SPDX-License-Identifier: GPL-3.0-or-later
// The change log at 1,000,000 lines: opening the viewer on it (the model with its first page, and
// the window shown with its visible rows drawn), a filter that finds nothing and so reads the whole
// log, an export of every line, and one more line appended, which never reads the log. Each is the
// best of a few runs.

#include <QApplication>
#include <QTableView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "access/change_log_model.h"
#include "access/frm_change_log.h"
#include "app/folder_records.h"
#include "format/clock.h"
#include "store/change_log/change_log.h"
#include "store/change_log/change_log_export.h"
#include "store/change_log/change_log_reader.h"
#include "store/posix_file_system.h"
#include "store/work_journal.h"
#include "ui/app_state.h"
#include "ui/qt_dialogs.h"
#include "ui/settings.h"

namespace {

using namespace vm;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int kLines = 1'000'000;
constexpr int kRuns = 5;

double best(const std::function<void()>& run) {
  double fastest = 1e9;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = Clock::now();
    run();
    fastest = std::min(fastest, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return fastest;
}

// A million changes over a few years, the kinds taking turns.
void writeLog(const fs::path& path) {
  std::ofstream out(path, std::ios::binary);
  const char* const kinds[] = {
      "person edited\tAnn Lee\tLast Name: \"Lee\" -> \"Li\"; Organization: \"\" -> \"Plant 2\"",
      "training credited\tBob Li, 03/15/2024, FA-02, First Aid\tProvided by: \"Red Cross\"; Hours: "
      "\"2.5\"",
      "course change carried\tFA-02, First Aid\t12 of 250 training records updated",
      "person deleted\tCy M\xFCller\t4 training records removed"};
  char when[32];
  for (int i = 0; i < kLines; ++i) {
    std::snprintf(when, sizeof when, "%02d/%02d/%04d %02d:%02d:%02d", 1 + (i / 28000) % 12,
                  1 + (i / 1000) % 28, 2020 + i / 336000, 8 + (i / 3600) % 9, (i / 60) % 60,
                  i % 60);
    out << when << '\t' << (i % 3 ? "Dana Demo" : "(administrator)") << '\t' << kinds[i % 4]
        << "\r\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  const fs::path folder = fs::temp_directory_path() / "verdimark-bench-change-log";
  fs::remove_all(folder);
  fs::create_directories(folder);
  writeLog(folder / "Change.Log");
  const std::string log = (folder / "Change.Log").string();
  std::printf("change log of %d lines, %.0f MB, best of %d runs\n", kLines,
              static_cast<double>(fs::file_size(log)) / 1e6, kRuns);

  store::PosixFileSystem posix;
  store::FileTable table(posix, folder.string());
  ui::Settings settings(QString::fromStdString((folder / "settings.ini").string()));
  ui::QtDialogs dialogs;
  format::SystemClock clock;
  app::FolderRecords records(table);
  ui::AppState state(table, records, settings, dialogs, clock);

  const double model = best([&] {
    access::ChangeLogModel m(records);
    for (int row = 0; row < 40; ++row) m.index(row, access::ChangeLogModel::Details).data();
  });
  std::printf("viewer model with its first page and 40 rows read   %8.4f s\n", model);

  const double window = best([&] {
    access::frmChangeLog viewer(state);
    viewer.show();
    QApplication::processEvents();
    viewer.findChild<QTableView*>("gridChangeLog")->viewport()->repaint();
  });
  std::printf("viewer window opened, shown and drawn               %8.4f s\n", window);

  const double nothing = best([&] {
    access::ChangeLogModel m(records);
    m.setFilter(store::ChangeFilter("no such text", std::nullopt, std::nullopt));
  });
  std::printf("a filter that finds nothing (reads the whole log)   %8.4f s\n", nothing);

  const std::string csv = (folder / "all.csv").string();
  const double exported = best([&] {
    store::ChangeLogReader reader(posix, log);
    store::exportChangeLog(reader, {}, posix, csv);
  });
  std::printf("export of every line as CSV (%.0f MB)                %8.4f s\n",
              static_cast<double>(fs::file_size(csv)) / 1e6, exported);
  fs::remove(csv);

  const store::Change change{"data backed up", "/media/usb"};
  const store::ChangeAuthor author{"Dana Demo", {2026, 12, 8, 10, 30, 0}};
  const double appended = best([&] { store::doWork(table, author, {}, {&change, 1}); });
  std::printf("one more line, journalled and flushed               %8.4f s\n", appended);

  fs::remove_all(folder);
  return 0;
}
