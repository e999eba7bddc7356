// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "access/access_fixture.h"
#include "access/frm_add_edit_user.h"
#include "access/password.h"
#include "store/records.h"
#include "support/expect_box.h"
#include "ui/field_colours.h"
#include "ui/window_life.h"

using namespace vm;
using access::frmAddEditUser;
using test::click;
using test::find;
using ui::Answer;

namespace {

struct EditorFixture {
  test::TestApp app;
  QPointer<frmAddEditUser> editor;
  bool saved = false;  // the editor reported a save

  ~EditorFixture() { delete editor.data(); }

  // Opens the editor as ui::openModal does, without waiting for it to close.
  void open(ui::EditorMode mode, int record = 0) {
    editor = new frmAddEditUser(app.state, mode, record);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(ui::WindowLife::of(editor), &ui::WindowLife::recordSaved,
                     [this] { saved = true; });
    editor->show();
    ASSERT_TRUE(test::waitFor([this] { return !editor->windowTitle().isEmpty(); }));
  }
  QLineEdit* field(int i) const { return find<QLineEdit>(editor, QString("txtField%1").arg(i)); }
  QPlainTextEdit* comments() const { return find<QPlainTextEdit>(editor, "txtField4"); }
  ui::PellamButton* save() const { return test::button(editor, "cmdSave"); }
  ui::PellamButton* cancel() const { return test::button(editor, "cmdCancel"); }
  void type(int i, const QString& text) {
    field(i)->setFocus();
    field(i)->selectAll();
    QTest::keyClicks(field(i), text);
  }
  store::UserRecord record(int n) {
    const store::OpenFile users(app.files, store::DataFile::Users);
    return app.files.read<store::UserRecord>(n);
  }
};

QColor base(QWidget* w) { return w->palette().color(QPalette::Base); }

// On its round mark, which is always inside the part that takes clicks.
void choose(QRadioButton* option) {
  QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

}  // namespace

TEST(UserEditor, AddingAppendsTheUserWithAScrambledPasswordAndReportsTheSave) {
  EditorFixture f;
  f.app.folder.write("User.List",
                     test::userRecordBytes(test::stamp(2005, 1, 1), "Old", "User", "a1b2c3d4", 2));
  f.open(ui::EditorMode::Add);
  EXPECT_EQ(f.editor->windowTitle(), "Add a User - Verdimark");
  EXPECT_EQ(f.save()->caption(), "&Save\nNew Entry");
  EXPECT_TRUE(f.save()->isVisible());
  EXPECT_FALSE(f.save()->isEnabled());
  EXPECT_EQ(f.cancel()->caption(), "&Cancel\nNew Entry");
  EXPECT_TRUE(find<QRadioButton>(f.editor, "optAccessLevel1")->isChecked());
  EXPECT_EQ(find<QRadioButton>(f.editor, "optAccessLevel4")->text(), "Read/Edit/Add/Delete");
  EXPECT_FALSE(find<QLabel>(f.editor, "lblDateCreated")->isVisible());
  EXPECT_TRUE(f.field(1)->hasFocus());
  EXPECT_EQ(base(f.field(1)), ui::FieldColours::kAddMode);

  f.type(1, "Ann");
  f.type(2, "Lee");
  EXPECT_FALSE(f.save()->isEnabled());
  f.field(3)->setFocus();  // an empty password box offers its hint, which counts
                           // as typed
  EXPECT_EQ(f.field(3)->text(), "<4 to 8 chars only>");
  EXPECT_TRUE(f.save()->isEnabled());
  EXPECT_EQ(base(f.field(1)), ui::FieldColours::kLeft);

  f.app.dialogs.answer(Answer::Ok);
  click(f.editor, "cmdSave");
  EXPECT_TRUE(
      test::isBox(f.app.dialogs.lastMessage(),
                  {"Invalid Password Entry",
                   "The password must be\n4 to 8 characters, using\nletters and numbers only.",
                   ui::MessageIcon::Exclamation}));
  EXPECT_TRUE(f.field(3)->hasFocus());
  EXPECT_EQ(f.app.folder.read("User.List").size(), 500u);

  for (const char* bad : {"abc", "abcdefghi", "ab cd", "ab-cd"}) {
    f.type(3, bad);
    f.app.dialogs.answer(Answer::Ok);
    click(f.editor, "cmdSave");
    EXPECT_EQ(f.app.dialogs.lastMessage().title, "Invalid Password Entry") << bad;
  }
  EXPECT_EQ(f.app.folder.read("User.List").size(), 500u);

  f.type(3, "  Pa55 ");
  choose(find<QRadioButton>(f.editor, "optAccessLevel3"));
  EXPECT_TRUE(find<QRadioButton>(f.editor, "optAccessLevel3")->font().bold());
  EXPECT_FALSE(find<QRadioButton>(f.editor, "optAccessLevel1")->font().bold());
  QTest::keyClicks(f.comments(), "Night shift");
  QTest::keyClick(f.comments(), Qt::Key_Return);
  QTest::keyClicks(f.comments(), "Keys");
  click(f.editor, "cmdSave");
  EXPECT_TRUE(f.saved);
  EXPECT_TRUE(test::waitFor([&] { return f.editor.isNull(); }));

  const std::string bytes = f.app.folder.read("User.List");
  ASSERT_EQ(bytes.size(), 1000u);
  const std::string added = bytes.substr(500);
  double created = 0;
  std::memcpy(&created, added.data(), 8);
  EXPECT_EQ(created, test::stamp(2026, 12, 8, 10, 30, 0));
  EXPECT_EQ(added.substr(8, 15), "Ann            ");
  EXPECT_EQ(added.substr(23, 20), "Lee                 ");
  const std::string stored = added.substr(43, 16);
  EXPECT_EQ(stored.substr(8), "        ");
  EXPECT_EQ(access::UnscramblePassword(stored), "Pa55");
  EXPECT_EQ(added[59], 3);
  EXPECT_EQ(added[60], 0);
  EXPECT_EQ(added.substr(61, 18), "Night shift\r\nKeys ");  // line breaks stored as CR LF
}

TEST(UserEditor, UsersAddedWithinOneSecondGetDistinctCreationStamps) {
  EditorFixture f;
  for (int i = 0; i < 2; ++i) {
    f.open(ui::EditorMode::Add);
    f.type(1, "Twin");
    f.type(2, QString("No%1").arg(i));
    f.type(3, "abcd");
    click(f.editor, "cmdSave");
    ASSERT_TRUE(test::waitFor([&] { return f.editor.isNull(); }));
  }
  EXPECT_NE(f.record(1).DateCreated, f.record(2).DateCreated);
  EXPECT_EQ(f.record(2).DateCreated, test::stamp(2026, 12, 8, 10, 30, 1));
}

TEST(UserEditor, AFullUserListRefusesAnotherUserAndWritesNothing) {
  EditorFixture f;
  std::string full;
  const std::string one = test::userRecordBytes(test::stamp(2005, 1, 1), "A", "B", "a1b2c3d4", 1);
  full.reserve(one.size() * 32767);
  for (int i = 0; i < 32767; ++i) full += one;
  f.app.folder.write("User.List", full);
  f.open(ui::EditorMode::Add);
  f.type(1, "One");
  f.type(2, "Toomany");
  f.type(3, "abcd");
  f.app.dialogs.answer(Answer::Ok);
  click(f.editor, "cmdSave");
  const auto box = f.app.dialogs.lastMessage();
  EXPECT_EQ(box.title, "'User List' Full");
  EXPECT_EQ(box.icon, ui::MessageIcon::Critical);
  EXPECT_EQ(f.app.folder.read("User.List").size(), full.size());
  EXPECT_FALSE(f.saved);
  EXPECT_TRUE(f.editor->isVisible());
}

TEST(UserEditor, ViewingShowsTheUserAndOffersSavingOnlyAfterAChange) {
  EditorFixture f;
  f.app.folder.write("User.List",
                     test::userRecordBytes(test::stamp(2004, 1, 2), "X", "Y", "a1b2c3d4", 1) +
                         test::userRecordBytes(test::stamp(2005, 3, 14, 14, 7), "  Amy", "Baker",
                                               "xSyezcarbe9t", 9, "Keeps the keys"));
  f.open(ui::EditorMode::Edit, 2);
  EXPECT_EQ(f.editor->windowTitle(), "View/Edit this User - Verdimark");
  EXPECT_EQ(f.field(1)->text(), "Amy");
  EXPECT_EQ(f.field(2)->text(), "Baker");
  EXPECT_EQ(f.field(3)->text(), "Secret");  // shown in clear text here
  EXPECT_EQ(f.comments()->toPlainText(), "Keeps the keys");
  EXPECT_EQ(find<QLabel>(f.editor, "lblSpaceFull")->text(), " 3% full ");
  EXPECT_EQ(find<QLabel>(f.editor, "lblDateCreated")->text(),
            " Record Created 03/14/2005 02:07pm ");
  // A level outside 1 to 4 is offered as the lowest.
  EXPECT_TRUE(find<QRadioButton>(f.editor, "optAccessLevel1")->isChecked());
  EXPECT_FALSE(f.save()->isVisible());
  EXPECT_EQ(f.cancel()->caption(), "&Finished\nViewing");
  EXPECT_EQ(base(f.field(1)), ui::FieldColours::kEditMode);

  choose(find<QRadioButton>(f.editor, "optAccessLevel2"));
  EXPECT_TRUE(f.save()->isVisible());
  EXPECT_EQ(f.save()->caption(), "&Save\nChanges");
  EXPECT_EQ(f.cancel()->caption(), "&Cancel\nChanges");
  f.type(2, "   ");  // a blank mandatory field takes the save away again
  EXPECT_FALSE(f.save()->isEnabled());
  f.type(2, "Baker-Hall");
  click(f.editor, "cmdSave");
  ASSERT_TRUE(test::waitFor([&] { return f.editor.isNull(); }));

  const store::UserRecord saved = f.record(2);
  EXPECT_EQ(saved.DateCreated, test::stamp(2005, 3, 14, 14, 7));
  EXPECT_EQ(saved.LastName.substr(0, 10), "Baker-Hall");
  EXPECT_EQ(saved.AccessLevel, 2);
  EXPECT_EQ(access::UnscramblePassword(saved.Password), "Secret");
  EXPECT_EQ(f.record(1).FirstName.substr(0, 1), "X");
  EXPECT_EQ(f.app.folder.read("User.List").size(), 1000u);
}

TEST(UserEditor, CancellingWritesNothingAndTheCommentsGaugeCountsFromOnePercent) {
  EditorFixture f;
  f.open(ui::EditorMode::Add);
  auto* gauge = find<QLabel>(f.editor, "lblSpaceFull");
  EXPECT_FALSE(gauge->isVisible());
  f.comments()->setFocus();
  QTest::keyClicks(f.comments(), "x");
  EXPECT_TRUE(gauge->isVisible());
  EXPECT_EQ(gauge->text(), " 1% full ");
  f.comments()->setPlainText(QString(500, 'y'));  // cut to the field
  EXPECT_EQ(f.comments()->toPlainText().size(), 439);
  EXPECT_EQ(gauge->text(), " 100% full ");
  f.comments()->clear();
  EXPECT_FALSE(gauge->isVisible());

  f.type(1, "Ann");
  click(f.editor, "cmdCancel");
  EXPECT_TRUE(test::waitFor([&] { return f.editor.isNull(); }));
  EXPECT_FALSE(f.saved);
  EXPECT_EQ(f.app.folder.read("User.List"), "");
}
