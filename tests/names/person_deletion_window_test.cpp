// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>

#include "courses/course_files.h"
#include "names/name_tab_fixture.h"
#include "ui/button/pellam_button.h"

using vm::test::NameBytes;
using vm::ui::Answer;

namespace {

class PersonDeletionTest : public vm::test::NameTabFixture {
 protected:
  // Five persons listed by last name A to E; Cy (row 3) has two training records.
  void SetUp() override {
    NameTabFixture::SetUp();
    write({{38000.5, "Ann", "", "A", "", "", "", -1},
           {38001.5, "Bob", "", "B", "", "", "", -1},
           {38002.5, "Cy", "", "C", "", "", "", -1},
           {38003.5, "Di", "", "D", "", "", "", -1},
           {38004.5, "Ed", "", "E", "", "", "", -1}});
    app.folder.write("Training.Records", training(38002.5) + training(38000.5) + training(38002.5));
    tab->UpdateNameGrid();
    grid()->selectRow(3);
  }
  static std::string training(double person) {
    return vm::test::trainingRecord({40000, person, 1, "C1", "Course", "", 1, ""});
  }
  void clickDelete() {
    QTest::mouseClick(lobby.findChild<vm::ui::PellamButton*>("cmdDeleteName"), Qt::LeftButton);
  }
  QStringList listed() {
    QStringList out;
    for (int r = 1; r <= grid()->rows(); ++r) out << grid()->text(r, 0);
    return out;
  }
};

}  // namespace

TEST_F(PersonDeletionTest, EitherQuestionCanBeDeclinedAndYesOffersTheHistoryFirst) {
  const std::string names = app.folder.read("Name.List");
  app.dialogs.answer(Answer::Cancel);
  clickDelete();
  const auto offer = app.dialogs.lastMessage();
  EXPECT_EQ(offer.title, "Print Training History before Deletion?");
  EXPECT_EQ(offer.text,
            "Once deleted, this person's training history,\nif any, will also be permanenetly "
            "deleted.\n\nDo you want to see/print this person's\ntraining history before you "
            "delete this\nperson from the 'Name List'?");
  EXPECT_EQ(offer.buttons, vm::ui::MessageButtons::YesNoCancel);

  app.dialogs.answer(Answer::No);
  app.dialogs.answer(Answer::Cancel);
  clickDelete();
  const auto confirm = app.dialogs.lastMessage();
  EXPECT_EQ(confirm.title, "Confirm Deletion");
  EXPECT_EQ(confirm.text,
            "Please press 'OK' to confirm your intent to\npermanently delete this person from "
            "the 'Name List'.");
  EXPECT_EQ(confirm.defaultButton, Answer::Cancel);

  app.dialogs.answer(Answer::Yes);
  clickDelete();
  ASSERT_EQ(lobby.historyOpenedFor.size(), 1u);  // of the highlighted person
  const int row = grid()->currentRow();
  EXPECT_EQ(lobby.historyOpenedFor[0].name, grid()->text(row, 0));
  EXPECT_EQ(lobby.historyOpenedFor[0].recNum, grid()->text(row, 4).toInt());
  EXPECT_EQ(app.folder.read("Name.List"), names);
}

TEST_F(PersonDeletionTest, RemovesThePersonAndTheirRecordsCountsThemAndHighlightsTheRowAbove) {
  for (Answer a : {Answer::No, Answer::Ok, Answer::Ok, Answer::Ok}) app.dialogs.answer(a);
  clickDelete();
  const auto messages = app.dialogs.messages();
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[2].title, "For your information...");
  EXPECT_EQ(messages[2].text,
            "There were 2 training records\nassociated with this person\n"
            "that were permanently deleted.");
  EXPECT_EQ(messages[3].title, "Name removed");
  EXPECT_EQ(messages[3].text, "The name has been removed\nfrom the 'Name List'.");
  EXPECT_EQ(listed(), (QStringList{"Ann A", "Bob B", "Di D", "Ed E"}));
  EXPECT_EQ(grid()->currentRow(), 2);
  EXPECT_EQ(app.folder.read("Training.Records"), training(38000.5));
  EXPECT_EQ(lobby.refreshes(), 1);

  app.dialogs.clear();
  grid()->selectRow(2);
  for (Answer a : {Answer::No, Answer::Ok, Answer::Ok, Answer::Ok}) app.dialogs.answer(a);
  clickDelete();
  EXPECT_EQ(app.dialogs.messages()[2].text,
            "There were 0 training records\nassociated with this person.");
  EXPECT_EQ(grid()->currentRow(), 1);
  EXPECT_EQ(app.folder.read("Training.Records"), training(38000.5));
}

TEST_F(PersonDeletionTest, EscDuringTheRemovalStopsItAndChangesNothing) {
  const std::string names = app.folder.read("Name.List");
  const std::string records = app.folder.read("Training.Records");
  for (Answer a : {Answer::No, Answer::Ok}) app.dialogs.answer(a);
  QCoreApplication::postEvent(&lobby,
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  clickDelete();
  EXPECT_EQ(app.dialogs.messages().size(), 2u);  // the two questions, nothing told afterwards
  EXPECT_EQ(app.folder.read("Name.List"), names);
  EXPECT_EQ(app.folder.read("Training.Records"), records);
  EXPECT_FALSE(app.folder.has("Journal.$$$"));
  EXPECT_EQ(listed(), (QStringList{"Ann A", "Bob B", "Cy C", "Di D", "Ed E"}));
  EXPECT_TRUE(lobby.isEnabled());
}

TEST_F(PersonDeletionTest, RemovingTheOnlyPersonEndsWithTheEmptyList) {
  write({{38000.5, "Ann", "", "A", "", "", "", -1}});
  tab->UpdateNameGrid();
  for (Answer a : {Answer::No, Answer::Ok, Answer::Ok, Answer::Ok}) app.dialogs.answer(a);
  clickDelete();
  EXPECT_EQ(app.dialogs.lastMessage().title, "No Names on File...");
  EXPECT_EQ(grid()->rows(), 0);
}
