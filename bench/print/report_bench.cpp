// Times a Name List report of a full Name.List (32,767 persons, about 700 pages): the layout
// alone on the recording surface, and the whole report written to a PDF file.
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <vector>

#include "print/qt/qt_print_surface.h"
#include "print/recording_surface.h"
#include "print/report.h"

namespace {

using Clock = std::chrono::steady_clock;
using vm::print::ReportKind;

vm::print::ReportInput fullNameList() {
  const char* first[] = {"Ann", "Bob", "Carl", "Dora", "Eve", "Finn", "Gus", "Hana", "Ivo", "José"};
  const char* last[] = {"Lee", "Adams", "Brown", "Ibáñez", "Zane", "Young", "Moreau", "Okafor"};
  std::mt19937 random(7);
  vm::print::ReportInput in;
  in.windowTitle = "Verdimark";
  in.headers = {"List of all active and inactive persons", "Organization"};
  for (int n = 1; n <= 32767; ++n)
    in.rows.push_back({std::string(first[random() % 10]) + " " + last[random() % 8] +
                           std::to_string(random() % 1000),
                       "Department " + std::to_string(random() % 40)});
  return in;
}

double millisecondsOf(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("%-52s best %7.1f ms, median %7.1f ms\n", what, ms.front(), ms[ms.size() / 2]);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const vm::print::ReportInput names = fullNameList();
  const vm::format::SystemClock clock;

  std::vector<double> layout;
  int pages = 0;
  for (int i = 0; i < 7; ++i) {
    vm::print::RecordingSurface surface;
    layout.push_back(millisecondsOf(
        [&] { vm::print::PrintReport(surface, ReportKind::NameList, names, clock); }));
    pages = surface.entries()[surface.entries().size() - 2].page;
  }
  std::printf("Name List report of %zu rows: %d pages on the recording surface\n",
              names.rows.size(), pages);
  report("layout alone on the recording surface:", layout);

  const auto file = std::filesystem::temp_directory_path() / "verdimark-bench-report.pdf";
  const QString fileName = QString::fromStdString(file.string());
  std::vector<double> pdf;
  for (int i = 0; i < 3; ++i) {
    pdf.push_back(millisecondsOf([&] {
      QPdfWriter writer(fileName);
      writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                       QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
      vm::print::QtPrintSurface surface(writer, fileName);
      vm::print::PrintReport(surface, ReportKind::NameList, names, clock);
    }));
  }
  std::printf("PDF file: %.1f MB\n", static_cast<double>(std::filesystem::file_size(file)) / 1e6);
  report("the whole report to a PDF file:", pdf);
  std::filesystem::remove(file);
  return 0;
}
