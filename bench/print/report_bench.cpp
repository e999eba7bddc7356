// SPDX-License-Identifier: GPL-3.0-or-later
// Times a Name List report of a full Name.List (32,767 persons, about 700 pages): the layout
// alone on the recording surface, and the whole way from the print button's "Save as PDF..."
// through the grid to the written file.
#include <QApplication>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <vector>

#include "app/folder_records.h"
#include "print/recording_surface.h"
#include "print/report.h"
#include "store/file_table.h"
#include "store/posix_file_system.h"
#include "ui/app_state.h"
#include "ui/dialogs.h"
#include "ui/grid/grid.h"
#include "ui/grid_report.h"
#include "ui/settings.h"

namespace {

using Clock = std::chrono::steady_clock;
using vm::print::ReportKind;

// Answers the print question with "Save as PDF..." and the file dialog with one file.
class SaveAsPdf final : public vm::ui::Dialogs {
 public:
  explicit SaveAsPdf(QString file) : file_(std::move(file)) {}
  vm::ui::Answer message(QWidget*, const vm::ui::Message&) override {
    return vm::ui::Answer::Other;
  }
  QString input(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  QString browseForFolder(QWidget*, const QString&, const QString&) override { return {}; }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return file_;
  }
  QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return {};
  }
  QAction* popupMenu(QMenu*, const QPoint&) override { return nullptr; }
  void runModal(QWidget*) override {}

 private:
  QString file_;
};

std::vector<QStringList> fullNameList() {
  const char* first[] = {"Ann", "Bob", "Carl", "Dora", "Eve", "Finn", "Gus", "Hana", "Ivo", "José"};
  const char* last[] = {"Lee", "Adams", "Brown", "Ibáñez", "Zane", "Young", "Moreau", "Okafor"};
  std::mt19937 random(7);
  std::vector<QStringList> rows;
  for (int n = 1; n <= 32767; ++n)
    rows.push_back(
        {QString("%1 %2%3").arg(first[random() % 10], last[random() % 8]).arg(random() % 1000),
         QString("Department %1").arg(random() % 40), "38000", "Sort", QString::number(n)});
  return rows;
}

double millisecondsOf(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("%-56s best %7.1f ms, median %7.1f ms\n", what, ms.front(), ms[ms.size() / 2]);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const auto folder = std::filesystem::temp_directory_path() / "verdimark-bench-report";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const auto file = folder / "Name List.pdf";

  vm::store::PosixFileSystem fs;
  vm::store::FileTable files(fs, folder.string());
  vm::ui::Settings settings(QString::fromStdString((folder / "settings.ini").string()));
  SaveAsPdf dialogs(QString::fromStdString(file.string()));
  const vm::format::SystemClock clock;
  vm::app::FolderRecords records(files);
  vm::ui::AppState state(files, records, settings, dialogs, clock);

  QWidget window;
  window.setWindowTitle("Verdimark");
  auto* grid = new vm::ui::Grid(&window);
  grid->reset("|Organization|^DateCreated|NameSort|RecNum");
  grid->setHeaderText(0, "List of all active and inactive persons");
  grid->setRows(fullNameList());

  const vm::print::ReportInput names = vm::ui::reportInputOf(ReportKind::NameList, *grid, window);
  std::vector<double> layout;
  int pages = 0;
  for (int i = 0; i < 7; ++i) {
    vm::print::RecordingSurface surface;
    layout.push_back(millisecondsOf(
        [&] { vm::print::PrintReport(surface, ReportKind::NameList, names, clock); }));
    pages = surface.entries()[surface.entries().size() - 2].page;
  }
  std::printf("Name List report of %d rows: %d pages on the recording surface\n", grid->rows(),
              pages);
  report("layout alone on the recording surface:", layout);

  std::vector<double> pdf;
  for (int i = 0; i < 3; ++i) {
    pdf.push_back(millisecondsOf([&] {
      if (!vm::ui::printGridReport(state, ReportKind::NameList, *grid, &window))
        std::printf("the report was not written\n");
    }));
  }
  std::printf("PDF file: %.1f MB\n", static_cast<double>(std::filesystem::file_size(file)) / 1e6);
  report("Print this List, Save as PDF..., to the written file:", pdf);
  std::filesystem::remove_all(folder);
  return 0;
}
