// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>
#include <functional>
#include <map>

#include "backup/backup_data_files.h"
#include "backup/restore_data_files.h"
#include "data_sets.h"
#include "store/carried_files.h"
#include "support/fault_sweep.h"
#include "support/test_app.h"

using namespace vm;
using test::ScriptedDialogs;
using ui::Answer;
using ui::MessageButtons;
using ui::MessageIcon;

namespace {

// Every box of both flows as the user must see it; "%1" stands for the chosen folder.
const std::map<QString, ScriptedDialogs::Shown> kBoxes = [] {
  std::map<QString, ScriptedDialogs::Shown> boxes;
  const auto add = [&](const char* title, const char* text, MessageIcon icon,
                       MessageButtons buttons = MessageButtons::Ok, Answer def = Answer::Ok) {
    ScriptedDialogs::Shown s = ScriptedDialogs::make(ScriptedDialogs::Kind::Message, title, text);
    s.icon = icon;
    s.buttons = buttons;
    s.defaultButton = def;
    boxes[title] = s;
  };
  add("Caution!",
      "The data backup location you selected,\n\n'%1'\n\ncontains files not related to "
      "Verdimark!\nAre you sure you wish to continue with this backup?",
      MessageIcon::Exclamation, MessageButtons::YesNo, Answer::No);
  add("Backup Procedure",
      "You have selected\n\n'%1'\n\nas your data backup location.\nPlease click <OK> to "
      "continue.",
      MessageIcon::Information, MessageButtons::OkCancel);
  add("Required file(s) missing",
      "'%1'\n\ndoesn't appear to contain previously saved\nbackup data file(s) you need to "
      "restore\nyour Verdimark data.",
      MessageIcon::Information);
  add("Important! Please read carefully...",
      "Note:\n\nYou are about to replace your current data files\nwith previously made backup "
      "data files.\n\nOnce completed, this action can not be undone.\n\nAre you sure you're "
      "ready to continue?",
      MessageIcon::Exclamation, MessageButtons::YesNo, Answer::No);
  return boxes;
}();

// The boxes whose words depend on the flow: the backup's, then the restore's.
const std::map<QString, std::pair<QString, QString>> kFlowTexts = {
    {"What are you doing?",
     {"You can't backup\nVerdimark data\nto itself in the same folder!",
      "You can't restore\nVerdimark data\nto itself in the same folder!"}},
    {"Drive or Folder Access Problem",
     {"There is some kind of problem trying to\naccess the selected backup location\nthat you "
      "specified...",
      "There is some kind of problem trying to\naccess the backed up data files at\nthe "
      "location that you specified."}},
    {"Verdimark", {}},  // the outcome, checked by each case
};

const QString kBackupCancelled = "The backup process has been cancelled";
const QString kBackedUp = "Your current Verdimark data files\nhave been successfully backed up!";
const QString kRestoreCancelled = "The restore process has been cancelled";
const QString kRestored =
    "Your previously backed up \nVerdimark data files\nhas been successfully restored!";

enum class Flow { Backup, Restore };

// What a window shows while the files are copied: its titles, each with whether the window was
// disabled under the busy cursor at the time.
struct TitleWatch : QObject {
  QWidget* window;
  std::vector<QString> titles;
  bool busyThroughout = true;
  explicit TitleWatch(QWidget* w) : window(w) { w->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::WindowTitleChange) {
      titles.push_back(window->windowTitle());
      const QCursor* cursor = QApplication::overrideCursor();
      if (titles.size() == 1 || window->windowTitle() != "Verdimark")
        busyThroughout =
            busyThroughout && !window->isEnabled() && cursor && cursor->shape() == Qt::WaitCursor;
    }
    return false;
  }
};

struct FlowCase {
  const char* name;
  Flow flow;
  std::function<QString(test::TestApp&, const test::TempFolder&)> chosen;
  std::vector<Answer> answers;
  std::vector<QString> boxes;  // titles, in order
  QString outcome;             // the last box's text
  bool replaced;               // whether the target now holds the new files
  std::function<void(test::TestApp&, const test::TempFolder&)> prepare = {};
};

QString path(const test::TempFolder& f) { return QString::fromStdString(f.str()); }

// Esc, waiting to be read while the files are copied.
void pressEsc() {
  QCoreApplication::postEvent(QApplication::instance(),
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
}

const auto kOther = [](test::TestApp&, const test::TempFolder& other) { return path(other); };

const FlowCase kCases[] = {
    {"backup picker cancelled",
     Flow::Backup,
     [](auto&, auto&) { return QString(); },
     {},
     {},
     {},
     false},
    {"backup into the data folder by another spelling",
     Flow::Backup,
     [](test::TestApp& app, auto&) {
       return app.dataFolder() + "/../" + app.folder.path().filename().c_str() + "/";
     },
     {Answer::Ok, Answer::Ok},
     {"What are you doing?", "Verdimark"},
     kBackupCancelled,
     false},
    {"backup into a link to the data folder",
     Flow::Backup,
     [](test::TestApp& app, const test::TempFolder& other) {
       std::filesystem::create_directory_symlink(app.folder.path(), other / "link");
       return path(other) + "/link";
     },
     {Answer::Ok, Answer::Ok},
     {"What are you doing?", "Verdimark"},
     kBackupCancelled,
     false},
    {"backup into a folder that is gone",
     Flow::Backup,
     [](auto&, const test::TempFolder& other) { return path(other) + "/gone"; },
     {Answer::Ok, Answer::Ok},
     {"Drive or Folder Access Problem", "Verdimark"},
     kBackupCancelled,
     false},
    {"backup into an empty folder",
     Flow::Backup,
     kOther,
     {Answer::Ok, Answer::Ok},
     {"Backup Procedure", "Verdimark"},
     kBackedUp,
     true},
    {"backup cancelled at the confirmation",
     Flow::Backup,
     kOther,
     {Answer::Cancel, Answer::Ok},
     {"Backup Procedure", "Verdimark"},
     kBackupCancelled,
     false},
    {"backup over an older backup",
     Flow::Backup,
     kOther,
     {Answer::Ok, Answer::Ok},
     {"Backup Procedure", "Verdimark"},
     kBackedUp,
     true,
     [](auto&, const test::TempFolder& other) { test::writeDataSet(other, 'o'); }},
    {"backup among unrelated files, No",
     Flow::Backup,
     kOther,
     {Answer::No, Answer::Ok},
     {"Caution!", "Verdimark"},
     kBackupCancelled,
     false,
     [](auto&, const test::TempFolder& other) { other.write("letter.txt", "Dear"); }},
    {"backup among unrelated files, Yes",
     Flow::Backup,
     kOther,
     {Answer::Yes, Answer::Ok},
     {"Caution!", "Verdimark"},
     kBackedUp,
     true,
     [](auto&, const test::TempFolder& other) { other.write("letter.txt", "Dear"); }},
    {"backup over an older one that cannot write a file",
     Flow::Backup,
     kOther,
     {Answer::Ok, Answer::Ok, Answer::Ok},
     {"Backup Procedure", "File Backup Error", "Verdimark"},
     kBackupCancelled,
     false,
     [](auto&, const test::TempFolder& other) {
       test::writeDataSet(other, 'o');  // left whole
       std::filesystem::create_directory(other / "Course.Index.$$$");
     }},
    {"backup over an older backup, Esc while copying",
     Flow::Backup,
     kOther,
     {Answer::Ok, Answer::Ok},
     {"Backup Procedure", "Verdimark"},
     kBackupCancelled,
     false,
     [](auto&, const test::TempFolder& other) {
       test::writeDataSet(other, 'o');
       pressEsc();
     }},

    {"restore picker cancelled",
     Flow::Restore,
     [](auto&, auto&) { return QString(); },
     {},
     {},
     {},
     false},
    {"restore from the data folder",
     Flow::Restore,
     [](test::TestApp& app, auto&) { return app.dataFolder() + "/."; },
     {Answer::Ok, Answer::Ok},
     {"What are you doing?", "Verdimark"},
     kRestoreCancelled,
     false},
    {"restore from a folder that is gone",
     Flow::Restore,
     [](auto&, const test::TempFolder& other) { return path(other) + "/gone"; },
     {Answer::Ok, Answer::Ok},
     {"Drive or Folder Access Problem", "Verdimark"},
     kRestoreCancelled,
     false},
    {"restore from a folder without a backup",
     Flow::Restore,
     kOther,
     {Answer::Ok, Answer::Ok},
     {"Required file(s) missing", "Verdimark"},
     kRestoreCancelled,
     false,
     [](auto&, const test::TempFolder& other) { std::remove((other / "User.List").c_str()); }},
    {"restore declined at the warning",
     Flow::Restore,
     kOther,
     {Answer::No, Answer::Ok},
     {"Important! Please read carefully...", "Verdimark"},
     kRestoreCancelled,
     false},
    {"restore over current data",
     Flow::Restore,
     kOther,
     {Answer::Yes, Answer::Ok},
     {"Important! Please read carefully...", "Verdimark"},
     kRestored,
     true},
    {"restore without current data",
     Flow::Restore,
     kOther,
     {Answer::Ok},
     {"Verdimark"},
     kRestored,
     true,
     [](test::TestApp& app, auto&) { std::remove((app.folder / "User.List").c_str()); }},
    {"restore over current data, Esc while copying",
     Flow::Restore,
     kOther,
     {Answer::Yes, Answer::Ok},
     {"Important! Please read carefully...", "Verdimark"},
     kRestoreCancelled,
     false,
     [](auto&, auto&) { pressEsc(); }},
    {"restore from a backup lacking User.Log",
     Flow::Restore,
     kOther,
     {Answer::Yes, Answer::Ok, Answer::Ok},
     {"Important! Please read carefully...", "File Restore Error", "Verdimark"},
     kRestoreCancelled,
     false,
     [](auto&, const test::TempFolder& other) { std::remove((other / "User.Log").c_str()); }},
};

void PrintTo(const FlowCase& c, std::ostream* os) { *os << c.name; }

class BackupFlowsTest : public ::testing::TestWithParam<FlowCase> {
 protected:
  test::TestApp app;
  test::TempFolder other;  // the backup folder
  QWidget window;
};

std::string caseName(const ::testing::TestParamInfo<FlowCase>& info) {
  std::string name = info.param.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

}  // namespace

TEST_P(BackupFlowsTest, ShowsItsBoxesInOrderAndReplacesFilesOnlyWhenItSaysSo) {
  const FlowCase& c = GetParam();
  const bool backup = c.flow == Flow::Backup;
  // The data folder holds today's files; the other folder a backup of another day.
  test::writeDataSet(app.folder, 'n');
  app.folder.write("Change.Log", "a line of today\r\n");
  if (!backup) {
    test::writeDataSet(other, 'o');
    other.write("Change.Log",
                "a line of that day\r\n12/01/2026 09:15:00\tAmy Baker\tdata backed up\t/media/usb"
                "\tUser.List; its Change.Log ends with this line\r\n");
  }
  app.state.CurrentUserName = "Dana Demo";
  if (c.prepare) c.prepare(app, other);
  const test::FolderFiles dataBefore = test::filesIn(app.folder);
  const test::FolderFiles otherBefore = test::filesIn(other);
  const QString chosen = c.chosen(app, other);

  window.setWindowTitle("Verdimark");
  TitleWatch watch(&window);
  app.dialogs.answerFolder(chosen);
  for (Answer a : c.answers) app.dialogs.answer(a);
  if (backup)
    backup::BackupDataFiles(app.state, &window);
  else
    backup::RestoreDataFiles(app.state, &window);

  const auto& shown = app.dialogs.shown();
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.front().kind, ScriptedDialogs::Kind::Folder);
  EXPECT_EQ(shown.front().title,
            backup ? "Select a disk/drive/folder to copy (backup)\nyour Verdimark data files to..."
                   : "Select the disk/drive/folder that contains your\npreviously backed up "
                     "Verdimark data files\nthat you wish to restore...");
  const auto messages = app.dialogs.messages();
  std::vector<QString> titles;
  for (const auto& m : messages) titles.push_back(m.title);
  EXPECT_EQ(titles, c.boxes);
  for (const auto& m : messages) {
    SCOPED_TRACE(m.title.toStdString());
    if (const auto it = kBoxes.find(m.title); it != kBoxes.end()) {
      QString shownPath = chosen;
      if (!shownPath.endsWith('/')) shownPath += '/';
      EXPECT_EQ(m.text, QString(it->second.text).replace("%1", shownPath));
      EXPECT_EQ(m.icon, it->second.icon);
      EXPECT_EQ(m.buttons, it->second.buttons);
      EXPECT_EQ(m.defaultButton, it->second.defaultButton);
    } else if (const auto flowText = kFlowTexts.find(m.title); flowText != kFlowTexts.end()) {
      if (m.title != "Verdimark") {
        EXPECT_EQ(m.text, backup ? flowText->second.first : flowText->second.second);
        EXPECT_EQ(m.icon, m.title == "What are you doing?" ? MessageIcon::Critical
                                                           : MessageIcon::Exclamation);
      }
    } else {
      EXPECT_EQ(m.icon, MessageIcon::Exclamation);  // the copy's failure, named below
      EXPECT_EQ(m.text, backup ? "There is some kind of problem\ntrying to copy Course.Index"
                               : "There is some kind of problem\ntrying to restore User.Log");
    }
  }
  if (!c.outcome.isEmpty()) {
    EXPECT_EQ(messages.back().text, c.outcome);
    EXPECT_EQ(messages.back().icon, MessageIcon::None);
    EXPECT_EQ(messages.back().buttons, MessageButtons::Ok);
  }

  // The files: the target holds the new set only when the outcome says so, and nothing else
  // changed anywhere.
  const test::FolderFiles& source = backup ? dataBefore : otherBefore;
  test::FolderFiles expectedData = dataBefore;
  test::FolderFiles expectedOther = otherBefore;
  if (c.replaced) {
    for (const store::CarriedFile& f : store::kCarriedFiles) {
      const std::string name(f.name);
      (backup ? expectedOther : expectedData)[name] = source.at(name);
    }
    // The data folder's change log keeps its lines and ends with the flow's line; a backup's copy
    // ends with it too; a restore tells when the backup was made, by the backup's own line.
    const std::string files =
        "\tUser.List, User.Log, Name.List, Course.Index, Training.Records, Course.Renewal";
    expectedData["Change.Log"] = dataBefore.at("Change.Log") + "12/08/2026 10:30:00\tDana Demo\t" +
                                 (backup ? "data backed up\t" : "data restored\t") + other.str() +
                                 files +
                                 (backup ? ", Change.Log; its Change.Log ends with this line\r\n"
                                         : "; Backed up: \"12/01/2026 09:15:00\"\r\n");
    if (backup) expectedOther["Change.Log"] = expectedData["Change.Log"];
  }
  EXPECT_EQ(test::filesIn(app.folder), expectedData);
  EXPECT_EQ(test::filesIn(other), expectedOther);
  EXPECT_EQ(app.state.DataRestored, c.replaced && !backup);

  // While copying, the window named each file under the busy cursor; it is itself again.
  if (c.replaced) {
    std::vector<QString> expected;
    for (const store::CarriedFile& f : store::kCarriedFiles)
      expected.push_back((backup ? "Copying " : "Restoring ") + QString::fromUtf8(f.name.data()));
    expected.push_back("Verdimark");
    EXPECT_EQ(watch.titles, expected);
    EXPECT_TRUE(watch.busyThroughout);
  }
  EXPECT_EQ(window.windowTitle(), "Verdimark");
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EveryPath, BackupFlowsTest, ::testing::ValuesIn(kCases), caseName);
