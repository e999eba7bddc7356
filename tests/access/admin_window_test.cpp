// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <filesystem>

#include "access/access_fixture.h"
#include "access/password.h"
#include "support/expect_box.h"
#include "ui/dialogs.h"

using namespace vm;
using test::AdminFixture;
using test::click;
using test::find;
using test::shows;
using ui::Answer;
using ui::MessageButtons;
using ui::MessageIcon;

namespace {

// Three users written by another program, in the order they were added; their stored passwords
// carry fill characters at the odd positions.
std::string threeUsers() {
  return test::userRecordBytes(test::stamp(2005, 3, 14, 14, 7), "Amy", "Baker", "xSyezcarbe9t", 4) +
         test::userRecordBytes(test::stamp(2004, 1, 2), "bob", "adams", "1p2a3s4s", 1) +
         test::userRecordBytes(test::stamp(2006, 11, 30), "Cy", "Abbot", "QwQwQwQw", 2);
}

// The admin window on the three users, shown and past its first activation.
void openOnThreeUsers(AdminFixture& f) {
  f.writeUsers(threeUsers());
  f.open();
}

void typePassword(AdminFixture& f, const QString& text) {
  auto* box = find<QLineEdit>(f.admin, "txtPassword");
  box->clear();
  QTest::keyClicks(box, text);
}

void enterEditing(AdminFixture& f) {
  f.app.dialogs.answerInput(QString::fromStdString(f.app.state.install.accessCode));
  click(f.admin, "cmdAdmin");
}

}  // namespace

TEST(AdminWindow, UsersOfAnotherProgramAreListedByLastNameIgnoringCase) {
  AdminFixture f;
  openOnThreeUsers(f);
  ASSERT_EQ(f.grid()->rows(), 3);
  EXPECT_EQ(f.row(1), (QStringList{"Cy Abbot", "Read/Edit", "11/30/2006"}));
  EXPECT_EQ(f.row(2), (QStringList{"bob adams", "Read Only", "01/02/2004"}));
  EXPECT_EQ(f.row(3), (QStringList{"Amy Baker", "Read/Edit/Add/Delete", "03/14/2005"}));
  EXPECT_EQ(f.grid()->text(3, 4),
            "1");  // the record number travels with the row
  EXPECT_TRUE(f.grid()->isColumnHidden(3) && f.grid()->isColumnHidden(4));
  EXPECT_EQ(f.grid()->cellBackground(2, 0), QColor(240, 240, 240));
  EXPECT_FALSE(f.grid()->cellBackground(1, 0).isValid());
  EXPECT_EQ(f.grid()->currentRow(), 1);
  EXPECT_TRUE(f.grid()->isVisible());
  EXPECT_EQ(f.admin->windowTitle(), "Verdimark - Admin Window");
  EXPECT_TRUE(f.app.dialogs.shown().empty());
  // Selection: the list, its command, help and quit.
  EXPECT_TRUE(shows(f.admin, "cmdUserSelected") && shows(f.admin, "cmdAdmin"));
  EXPECT_FALSE(shows(f.admin, "cmdAddUser") || shows(f.admin, "txtPassword"));
  EXPECT_TRUE(test::button(f.admin, "cmdUserSelected")->hasFocus());
}

// How long it takes is timed in bench_admin_window.
TEST(AdminWindow, AFullUserListOpensWithEveryUser) {
  AdminFixture f;
  std::string users;
  users.reserve(500u * 32767u);
  for (int i = 0; i < 32767; ++i)
    users += test::userRecordBytes(test::stamp(2005, 1, 1), "User", "N" + std::to_string(32767 - i),
                                   "a1b2c3d4", 1);
  f.writeUsers(users);
  f.open();
  ASSERT_EQ(f.grid()->rows(), 32767);
  EXPECT_EQ(f.grid()->text(1, 0), "User N1");
  EXPECT_EQ(f.grid()->text(1, 4), "32767");
}

TEST(AdminWindow, PasswordsAreComparedExactlyAndAWrongOneMayBeRetried) {
  AdminFixture f;
  openOnThreeUsers(f);
  f.grid()->selectRow(3);  // Amy Baker, stored "xSyezcarbe9t" = "Secret"
  click(f.admin, "cmdUserSelected");
  EXPECT_EQ(test::button(f.admin, "cmdUserSelected")->caption(), "Enter Password at right");
  EXPECT_FALSE(test::button(f.admin, "cmdUserSelected")->isEnabled());
  EXPECT_FALSE(f.grid()->isEnabled());
  EXPECT_FALSE(shows(f.admin, "cmdAdmin"));
  EXPECT_FALSE(test::button(f.admin, "cmdContinue")->isEnabled());
  EXPECT_EQ(find<QLineEdit>(f.admin, "txtPassword")->font().pointSize(), 20);

  typePassword(f, "secret");  // differs only in case
  f.app.dialogs.answer(Answer::Ok);
  click(f.admin, "cmdContinue");
  EXPECT_TRUE(test::isBox(
      f.app.dialogs.lastMessage(),
      {"Incorrect Password", "That is not the correct password\nassociated with this name",
       MessageIcon::Critical}));
  EXPECT_TRUE(find<QLineEdit>(f.admin, "txtPassword")->text().isEmpty());
  EXPECT_EQ(f.mainWindowShown, 0);
  EXPECT_FALSE(f.app.folder.has("User.Log"));

  typePassword(f, "Secret");
  QTest::keyClick(find<QLineEdit>(f.admin, "txtPassword"),
                  Qt::Key_Return);  // Enter = Continue
  EXPECT_EQ(f.mainWindowShown, 1);
  EXPECT_EQ(f.app.state.CurrentUserName, "Amy Baker");
  EXPECT_EQ(f.app.state.CurrentAccessLevel, 4);
  EXPECT_EQ(f.app.folder.read("User.Log"),
            "12/08/2026 at 10:30:00 - Amy Baker logged in w/ "
            "Read/Edit/Add/Delete privileges.\r\n");
  EXPECT_TRUE(test::waitFor([&] { return f.admin.isNull(); }));  // closed and gone
}

TEST(AdminWindow, CancellingPasswordEntryRestoresTheSelection) {
  AdminFixture f;
  openOnThreeUsers(f);
  // A double-click on a row starts password entry while the list is being chosen from.
  const QRect cell = f.grid()->visualRect(f.grid()->model()->index(1, 0));
  QTest::mouseDClick(f.grid()->viewport(), Qt::LeftButton, {}, cell.center());
  ASSERT_TRUE(shows(f.admin, "txtPassword"));
  EXPECT_EQ(f.grid()->currentRow(), 2);
  typePassword(f, "abc");
  click(f.admin, "cmdCancel");
  EXPECT_FALSE(shows(f.admin, "txtPassword") || shows(f.admin, "cmdContinue") ||
               shows(f.admin, "cmdCancel"));
  EXPECT_TRUE(shows(f.admin, "cmdAdmin"));
  EXPECT_TRUE(f.grid()->isEnabled());
  auto* selected = test::button(f.admin, "cmdUserSelected");
  EXPECT_EQ(selected->caption(), "&Select the Highlighted User");
  EXPECT_FALSE(selected->fontBold());
  EXPECT_TRUE(selected->isEnabled());
  // With the box empty, Enter cancels.
  click(f.admin, "cmdUserSelected");
  QTest::keyClick(find<QLineEdit>(f.admin, "txtPassword"), Qt::Key_Return);
  EXPECT_FALSE(shows(f.admin, "txtPassword"));
}

TEST(AdminWindow, AnAccessLevelOutsideOneToFourShowsEmptyAndLogsInAsReadOnly) {
  AdminFixture f;
  f.writeUsers(test::userRecordBytes(test::stamp(2005, 1, 1), "Ed", "Odd", "a1b2c3d4", 9) +
               test::userRecordBytes(test::stamp(2005, 1, 1), "Flo", "Neg", "a1b2c3d4", -3));
  f.open();
  EXPECT_EQ(f.grid()->text(1, 1), "");
  EXPECT_EQ(f.grid()->text(2, 1), "");
  click(f.admin, "cmdUserSelected");
  typePassword(f, "1234");
  click(f.admin, "cmdContinue");
  EXPECT_EQ(f.mainWindowShown, 1);
  EXPECT_EQ(f.app.state.CurrentUserName, "Flo Neg");
  EXPECT_EQ(f.app.state.CurrentAccessLevel, 1);
  EXPECT_EQ(f.app.folder.read("User.Log"),
            "12/08/2026 at 10:30:00 - Flo Neg logged in w/ Read Only "
            "privileges.\r\n");
}

TEST(AdminWindow, TheAccessCodeIsAskedUntilRightOrAbandoned) {
  AdminFixture f;
  openOnThreeUsers(f);
  f.app.dialogs.answerInput("");  // Cancel
  click(f.admin, "cmdAdmin");
  ASSERT_EQ(f.app.dialogs.shown().size(), 1u);
  const auto prompt = f.app.dialogs.shown()[0];
  EXPECT_EQ(prompt.kind, test::ScriptedDialogs::Kind::Input);
  EXPECT_EQ(prompt.title, "Access Code Required");
  EXPECT_EQ(prompt.text,
            "\nPlease enter the access code\nneeded to "
            "add/edit/delete\nusers in this 'User List'");
  EXPECT_EQ(prompt.defaultAnswer, "<Enter Access Code Here>");
  EXPECT_EQ(f.admin->mode(), access::AdminMode::Selection);

  f.app.dialogs.clear();
  f.app.dialogs.answerInput("<Enter Access Code Here>");
  f.app.dialogs.answer(Answer::Ok);
  f.app.dialogs.answerInput("train-2024");  // case matters
  f.app.dialogs.answer(Answer::Ok);
  f.app.dialogs.answerInput("TRAIN-2024");
  click(f.admin, "cmdAdmin");
  ASSERT_EQ(f.app.dialogs.messages().size(), 2u);
  EXPECT_TRUE(test::isBox(
      f.app.dialogs.messages()[0],
      {"Incorrect Access Code", "Sorry, but you have not entered\nthe correct Access Code.",
       MessageIcon::Critical}));
  EXPECT_EQ(f.app.dialogs.shown().size(), 5u);
  EXPECT_EQ(f.admin->mode(), access::AdminMode::Editing);
  auto* admin = test::button(f.admin, "cmdAdmin");
  EXPECT_EQ(admin->caption(), "Finished Editing the '&User List'");
  EXPECT_TRUE(shows(f.admin, "cmdAddUser") && shows(f.admin, "cmdEditUser") &&
              shows(f.admin, "cmdDeleteUser"));
  EXPECT_FALSE(shows(f.admin, "cmdReviewUserLog"));  // no log yet
  EXPECT_FALSE(shows(f.admin, "cmdUserSelected"));

  // The command flashes from dark olive to yellow while editing, and is teal again after.
  auto* timer = f.admin->findChild<QTimer*>("timerFlashButton");
  ASSERT_TRUE(timer && timer->isActive());
  ASSERT_TRUE(test::waitFor([&] { return admin->backColor() != ui::button::rgb(0, 128, 128); }));
  const auto back = admin->backColor();
  EXPECT_EQ(back & 0xFF, (back >> 8) & 0xFF);  // red = green
  EXPECT_EQ(back >> 16, 0u);                   // no blue
  click(f.admin, "cmdAdmin");
  EXPECT_FALSE(timer->isActive());
  EXPECT_EQ(admin->caption(), "Edit the '&User List'");
  EXPECT_EQ(admin->backColor(), ui::button::rgb(0, 128, 128));
  EXPECT_EQ(admin->backOver(), ui::button::rgb(0, 128, 128));
  EXPECT_EQ(admin->foreColor(), ui::button::rgb(0, 0, 0));
  EXPECT_TRUE(shows(f.admin, "cmdUserSelected"));
}

TEST(AdminWindow, ShiftAltAShowsTheAccessCodeInForce) {
  AdminFixture f;
  f.app.state.install.accessCode = "Key-77";
  openOnThreeUsers(f);
  f.app.dialogs.answer(Answer::Ok);
  QTest::keyClick(f.grid(), Qt::Key_A, Qt::ShiftModifier | Qt::AltModifier);
  const auto box = f.app.dialogs.lastMessage();
  EXPECT_EQ(box.title, "Access Code");
  EXPECT_EQ(box.text, "The 'Access Code' for this\nversion of Verdimark is \n\nKey-77");
  EXPECT_EQ(box.icon, MessageIcon::Information);
  EXPECT_EQ(box.buttons, MessageButtons::Ok);
}

TEST(AdminWindow, DeletingAUserAsksFirstAndReselectsTheRowAbove) {
  AdminFixture f;
  openOnThreeUsers(f);
  enterEditing(f);
  f.grid()->selectRow(3);  // Amy Baker
  f.app.dialogs.answer(Answer::No);
  click(f.admin, "cmdDeleteUser");
  const auto ask = f.app.dialogs.lastMessage();
  EXPECT_EQ(ask.title, "Confirm Deletion");
  EXPECT_EQ(ask.text, "Are you sure you want to remove\n\nAmy Baker\n\nfrom the 'User List'?");
  EXPECT_EQ(ask.icon, MessageIcon::Question);
  EXPECT_EQ(ask.buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(ask.defaultButton, Answer::No);
  EXPECT_EQ(f.app.folder.read("User.List"), threeUsers());

  f.app.dialogs.answer(Answer::Yes);
  f.app.dialogs.answer(Answer::Ok);
  click(f.admin, "cmdDeleteUser");
  const auto done = f.app.dialogs.lastMessage();
  EXPECT_EQ(done.title, "Name removed");
  EXPECT_EQ(done.text, "The name has been removed\nfrom the 'User List'.");
  EXPECT_EQ(done.icon, MessageIcon::Information);
  EXPECT_EQ(f.app.folder.read("User.List"), threeUsers().substr(500));
  ASSERT_EQ(f.grid()->rows(), 2);
  EXPECT_EQ(f.grid()->currentRow(), 2);
  EXPECT_EQ(f.grid()->text(2, 0), "bob adams");
  EXPECT_EQ(f.grid()->text(2, 4), "1");  // renumbered by the compaction

  // Row 1 deleted: row 1 (the next user) is current again.
  f.grid()->selectRow(1);
  f.app.dialogs.answer(Answer::Yes);
  f.app.dialogs.answer(Answer::Ok);
  click(f.admin, "cmdDeleteUser");
  ASSERT_EQ(f.grid()->rows(), 1);
  EXPECT_EQ(f.grid()->currentRow(), 1);
  EXPECT_EQ(f.grid()->text(1, 0), "bob adams");

  // The last user: the file goes, and the list says it is empty.
  f.app.dialogs.answer(Answer::Yes);
  f.app.dialogs.answer(Answer::Ok);  // "'User List' Empty"
  f.app.dialogs.answer(Answer::Ok);  // "Name removed"
  click(f.admin, "cmdDeleteUser");
  EXPECT_FALSE(f.app.folder.has("User.List"));
  EXPECT_FALSE(f.grid()->isVisible());
  const auto messages = f.app.dialogs.messages();
  EXPECT_EQ(messages[messages.size() - 2].title, "'User List' Empty");
  EXPECT_FALSE(shows(f.admin, "cmdEditUser") || shows(f.admin, "cmdDeleteUser"));
  EXPECT_TRUE(shows(f.admin, "cmdAddUser"));
}

TEST(AdminWindow, TheUserLogIsShownInPlaceOfTheListWhileEditing) {
  AdminFixture f;
  f.app.folder.write("User.Log", "");
  openOnThreeUsers(f);
  enterEditing(f);
  ASSERT_TRUE(shows(f.admin, "cmdReviewUserLog"));
  f.app.dialogs.answer(Answer::Ok);
  click(f.admin, "cmdReviewUserLog");
  const auto nothing = f.app.dialogs.lastMessage();
  EXPECT_EQ(nothing.title, "Nothing to View");
  EXPECT_EQ(nothing.text, "There is currently no data\nin the 'User Log'.");
  EXPECT_EQ(nothing.icon, MessageIcon::Information);
  EXPECT_EQ(f.admin->mode(), access::AdminMode::Editing);

  std::string log;
  for (int i = 0; i < 3000; ++i)
    log +=
        "12/08/2026 at 10:30:00 - Ren\xE9 Aub logged in w/ Read Only "
        "privileges.\r\n";
  f.app.folder.write("User.Log", "  " + log);
  click(f.admin, "cmdReviewUserLog");
  auto* text = find<QPlainTextEdit>(f.admin, "txtUserLog");
  EXPECT_TRUE(text->isVisible());
  EXPECT_FALSE(f.grid()->isVisible());
  EXPECT_EQ(text->geometry().top(), f.grid()->geometry().top());
  EXPECT_EQ(text->height(), f.grid()->height());
  EXPECT_EQ(text->toPlainText().count('\n'), 3000);  // only blanks are trimmed
  EXPECT_TRUE(text->toPlainText().startsWith("12/08/2026 at 10:30:00 - Ren\u00E9 Aub"));
  EXPECT_EQ(f.admin->windowTitle(), "Verdimark - User Log");
  auto* review = test::button(f.admin, "cmdReviewUserLog");
  EXPECT_EQ(review->caption(), "Finished Viewing");
  EXPECT_FALSE(shows(f.admin, "cmdAdmin") || shows(f.admin, "cmdAddUser") ||
               shows(f.admin, "cmdEditUser") || shows(f.admin, "cmdDeleteUser"));

  click(f.admin, "cmdReviewUserLog");
  EXPECT_FALSE(text->isVisible());
  EXPECT_TRUE(text->toPlainText().isEmpty());
  EXPECT_TRUE(f.grid()->isVisible());
  EXPECT_EQ(f.admin->windowTitle(), "Verdimark - Admin Window");
  EXPECT_EQ(review->caption(), "&Review User Log");
  EXPECT_EQ(review->foreColor(), ui::button::rgb(0, 0, 0));
  EXPECT_EQ(review->backColor(), review->backOver());
  EXPECT_TRUE(shows(f.admin, "cmdAdmin") && shows(f.admin, "cmdDeleteUser"));
}

TEST(AdminWindow, DoubleClicksAndToolTipsFollowTheCommandsOnOffer) {
  AdminFixture f;
  openOnThreeUsers(f);
  const QPoint overRow2 = f.grid()->visualRect(f.grid()->model()->index(1, 0)).center();
  QTest::mouseMove(f.grid()->viewport(), overRow2);
  EXPECT_EQ(f.grid()->toolTip(), " Double-click to select this user ");
  emit f.grid()->mouseOverRow(0);  // over the header
  EXPECT_EQ(f.grid()->toolTip(), "");

  enterEditing(f);
  emit f.grid()->mouseOverRow(2);
  EXPECT_EQ(f.grid()->toolTip(), " Double-click to view/edit this user ");
  bool editorOpened = false;
  f.app.dialogs.onModal("frmAddEditUser", [&](QWidget* editor) {
    editorOpened = true;
    EXPECT_EQ(editor->windowTitle(), "View/Edit this User - Verdimark");
    EXPECT_EQ(find<QLineEdit>(editor, "txtField1")->text(), "bob");
  });
  QTest::mouseDClick(f.grid()->viewport(), Qt::LeftButton, {}, overRow2);
  EXPECT_TRUE(editorOpened);
  EXPECT_EQ(f.admin->mode(), access::AdminMode::Editing);
}

TEST(AdminWindow, AfterAnEditTheSavedUserIsTheCurrentRowWhereverHeNowSorts) {
  AdminFixture f;
  openOnThreeUsers(f);
  enterEditing(f);
  f.grid()->selectRow(2);  // bob adams
  f.app.dialogs.onModal("frmAddEditUser", [](QWidget* editor) {
    auto* last = find<QLineEdit>(editor, "txtField2");
    last->selectAll();
    QTest::keyClicks(last, "Zulu");
    click(editor, "cmdSave");
  });
  click(f.admin, "cmdEditUser");
  EXPECT_EQ(f.grid()->text(3, 0), "bob Zulu");
  EXPECT_EQ(f.grid()->currentRow(), 3);
}

TEST(AdminWindow, QuittingAsksAndEndsTheProgramWithoutALogLine) {
  AdminFixture f;
  openOnThreeUsers(f);
  f.app.dialogs.answer(Answer::No);
  click(f.admin, "cmdQuit");
  const auto ask = f.app.dialogs.lastMessage();
  EXPECT_EQ(ask.title, "Exit Verdimark?");
  EXPECT_EQ(ask.text, "This will close Verdimark.\n\nIs this what you want to do?");
  EXPECT_EQ(ask.icon, MessageIcon::Question);
  EXPECT_EQ(ask.buttons, MessageButtons::YesNo);
  EXPECT_EQ(f.shutdowns, 0);
  EXPECT_TRUE(f.admin->isVisible());

  // The close box asks the same question.
  f.app.dialogs.answer(Answer::No);
  f.admin->close();
  EXPECT_EQ(f.app.dialogs.messages().size(), 2u);
  EXPECT_TRUE(f.admin->isVisible());

  f.app.dialogs.answer(Answer::Yes);
  click(f.admin, "cmdQuit");
  EXPECT_EQ(f.shutdowns, 1);
  EXPECT_FALSE(f.app.folder.has("User.Log"));
}

TEST(AdminWindow, WithoutTranslucencyTheFadeCheckBoxIsHiddenAndFadingStoredOff) {
  AdminFixture f;
  f.app.settings.setValue("FadeStatus", "1");
  f.app.state.FadeEnabled = true;
  openOnThreeUsers(f);
  EXPECT_FALSE(shows(f.admin, "chkFadeStatus") || shows(f.admin, "fraFadeStatus"));
  EXPECT_EQ(f.app.settings.value("FadeStatus"), "0");
  EXPECT_FALSE(f.app.state.FadeEnabled);

  // Where the box is offered, ticking it turns fading on for the windows that follow.
  auto* box = find<QCheckBox>(f.admin, "chkFadeStatus");
  box->click();
  EXPECT_EQ(f.app.settings.value("FadeStatus"), "1");
  EXPECT_TRUE(f.app.state.FadeEnabled);
  box->click();
  EXPECT_EQ(f.app.settings.value("FadeStatus"), "0");
  EXPECT_FALSE(f.app.state.FadeEnabled);
}

TEST(AdminWindow, ALogThatCannotBeWrittenDoesNotStopTheLogIn) {
  AdminFixture f;
  std::filesystem::create_directory(f.app.folder / "User.Log");
  openOnThreeUsers(f);
  click(f.admin, "cmdUserSelected");  // Cy Abbot, "wwww"
  typePassword(f, "wwww");
  f.app.dialogs.answer(Answer::Ok);
  click(f.admin, "cmdContinue");
  EXPECT_EQ(f.app.dialogs.lastMessage().title, "User Log Not Written");
  EXPECT_EQ(f.mainWindowShown, 1);
  EXPECT_EQ(f.app.state.CurrentUserName, "Cy Abbot");
}

TEST(AdminWindow, HelpOpensTheAdminWindowTopic) {
  AdminFixture f;
  QWidget* owner = nullptr;
  f.app.state.showHelp = [&](QWidget* w) { owner = w; };
  openOnThreeUsers(f);
  click(f.admin, "cmdHelp");
  EXPECT_EQ(owner, f.admin.data());
  EXPECT_EQ(f.app.state.HelpTopic, 3);
  owner = nullptr;
  QTest::keyClick(f.grid(), Qt::Key_F1);
  EXPECT_EQ(owner, f.admin.data());
}
