// SPDX-License-Identifier: GPL-3.0-or-later
// The Course Index as a person meets it at scale: filling gridCourse from 32,767 courses, a find
// that meets no match among them, and an edit carried into 1,000,000 training records with the
// progress in the editor's caption.

#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QVBoxLayout>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>

#include "app/folder_records.h"
#include "courses/course_index_tab.h"
#include "courses/course_propagation_offer.h"
#include "format/clock.h"
#include "store/field_codec.h"
#include "store/posix_file_system.h"
#include "ui/app_state.h"
#include "ui/button/pellam_button.h"
#include "ui/dialogs.h"
#include "ui/grid/grid.h"
#include "ui/lobby_services.h"
#include "ui/settings.h"
#include "ui/window_fade.h"

namespace {

using namespace vm;
namespace fs = std::filesystem;

// Answers Yes to every question, the find box with a text found nowhere, and counts boxes.
class Answers final : public ui::Dialogs {
 public:
  ui::Answer message(QWidget*, const ui::Message& box) override {
    ++boxes;
    return box.buttons == ui::MessageButtons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
  }
  QString input(QWidget*, const QString&, const QString&, const QString&) override {
    return QStringLiteral("no such course");
  }
  QString browseForFolder(QWidget*, const QString&, const QString&) override { return {}; }
  QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return {};
  }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return {};
  }
  QAction* popupMenu(QMenu*, const QPoint&) override { return nullptr; }
  void runModal(QWidget*) override {}
  int boxes = 0;
};

class Lobby final : public QWidget, public ui::LobbyServices {
 public:
  explicit Lobby(ui::AppState& state) : fade_(this, false), tabs_(new QTabWidget(this)) {
    tab_ = new courses::CourseIndexTab(state, *this);
    for (int i = 0; i < 4; ++i) tabs_->addTab(i == 1 ? tab_ : new QWidget, QString::number(i));
    tabs_->setCurrentIndex(1);
    (new QVBoxLayout(this))->addWidget(tabs_);
    resize(1000, 700);
  }
  courses::CourseIndexTab& tab() { return *tab_; }
  QWidget* lobbyWindow() override { return this; }
  ui::WindowFade& lobbyFade() override { return fade_; }
  QTabWidget* tabMain() override { return tabs_; }
  void refreshButtons() override {
    for (auto* b : findChildren<ui::PellamButton*>())
      b->setVisible(b->objectName() != "cmdQuitSearching");
  }
  std::vector<ui::ListedPerson> listedPersons() override { return {}; }
  QString nameListHeading() override { return {}; }
  QString nameDisplayCaption() override { return {}; }
  std::vector<ui::ListedCourse> listedCourses() override { return tab_->listedCourses(); }
  void updateNameGrid() override {}
  void updateCourseGrid() override { tab_->UpdateCourseGrid(); }
  void openTrainingHistory(const ui::ListedPerson&) override {}
  bool windowActivated() const override { return true; }
  void startFlashing() override {}
  void stopFlashing() override {}

 private:
  ui::WindowFade fade_;
  QTabWidget* tabs_;
  courses::CourseIndexTab* tab_;
};

void writeCourses(const fs::path& path, int n) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> letter(0, 51), digit(0, 9);
  std::vector<char> record(store::layout::course::kLength);
  std::string bytes;
  namespace layout = store::layout::course;
  for (int i = 1; i <= n; ++i) {
    std::string code;
    for (int k = 0; k < 3; ++k) {
      const int l = letter(random);
      code += static_cast<char>(l < 26 ? 'A' + l : 'a' + l - 26);
    }
    code += '-';
    for (int k = 0; k < 4; ++k) code += static_cast<char>('0' + digit(random));
    store::codec::putDouble(record, layout::DateCreated, 40000.0 + i / 86400.0);
    store::codec::putText(record, layout::CourseCode, code);
    store::codec::putText(record, layout::CourseName, "Course number " + std::to_string(i));
    store::codec::putText(record, layout::ProvidedBy, "Provider " + std::to_string(i % 50));
    store::codec::putSingle(record, layout::Hours, static_cast<float>(i % 17) / 2.0f);
    store::codec::putText(record, layout::Comments, "A comment that fills some of the field.");
    bytes.append(record.data(), record.size());
  }
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

void writeTraining(const fs::path& path, int n, double course) {
  std::vector<char> record(store::layout::training::kLength);
  namespace layout = store::layout::training;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  for (int i = 1; i <= n; ++i) {
    store::codec::putDouble(record, layout::TrainingDate, 44000.0 + i % 900);
    store::codec::putDouble(record, layout::PersonID, 30000.0 + i % 5000);
    store::codec::putDouble(record, layout::CourseID, i % 20 == 0 ? course : 1.0);
    store::codec::putText(record, layout::CourseCode, "ABC-0001");
    store::codec::putText(record, layout::CourseName, "Course");
    store::codec::putSingle(record, layout::Hours, 1.0f);
    std::fwrite(record.data(), 1, record.size(), f);
  }
  std::fclose(f);
}

double msSince(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e6; }

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const fs::path folder = fs::temp_directory_path() / "verdimark-bench-course-window";
  fs::remove_all(folder);
  fs::create_directories(folder);
  writeCourses(folder / "Course.Index", 32767);

  store::PosixFileSystem fileSystem;
  store::FileTable files(fileSystem, folder.string());
  ui::Settings settings(QString::fromStdString((folder / "settings.ini").string()));
  Answers dialogs;
  format::SystemClock clock;
  app::FolderRecords records(files);
  ui::AppState state(files, records, settings, dialogs, clock);
  state.CurrentAccessLevel = 4;
  Lobby lobby(state);
  lobby.show();
  QApplication::processEvents();

  for (int run = 1; run <= 3; ++run) {
    QElapsedTimer t;
    t.start();
    lobby.tab().UpdateCourseGrid();
    QApplication::processEvents();  // the repaint of the refilled grid
    std::printf("UpdateCourseGrid of %d courses, run %d: %.0f ms\n", lobby.tab().grid()->rows(),
                run, msSince(t));
  }
  lobby.refreshButtons();

  QElapsedTimer t;
  t.start();
  lobby.findChild<ui::PellamButton*>("cmdSearch")->click();
  std::printf("A find through all %d courses that meets no match: %.0f ms\n",
              lobby.tab().grid()->rows(), msSince(t));

  const double courseId = 40000.0 + 1 / 86400.0;
  writeTraining(folder / "Training.Records", 1'000'000, courseId);
  QWidget editor;
  editor.show();
  int captions = 0;
  QObject::connect(&editor, &QWidget::windowTitleChanged, [&] { ++captions; });
  t.restart();
  courses::offerPropagation(state, &editor, 1);  // the course of every training record
  const double ms = msSince(t);
  std::printf(
      "Propagation over 1,000,000 training records (50,000 of the course) from the editor: "
      "%.0f ms, caption set %d times (%.0f a second)\n",
      ms, captions, captions / (ms / 1000.0));
  fs::remove_all(folder);
  return 0;
}
