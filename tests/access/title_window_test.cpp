// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QTextEdit>

#include "access/access_fixture.h"
#include "access/frm_title_page.h"
#include "ui/help/help_topics.h"

using namespace vm;
using test::click;
using test::find;

namespace {

struct TitleFixture {
  test::TestApp app;
  QPointer<access::frmTitlePage> title;
  int adminShown = 0;
  int shutdowns = 0;
  std::vector<QUrl> opened;

  TitleFixture() {
    app.state.showAdminWindow = [this] { ++adminShown; };
    app.state.shutdown = [this] { ++shutdowns; };
  }
  ~TitleFixture() { delete title.data(); }

  void open(QSize screen = {1024, 768}) {
    title = new access::frmTitlePage(app.state);
    title->setScreenSize([screen] { return screen; });
    title->setUrlOpener([this](const QUrl& url) {
      opened.push_back(url);
      return true;
    });
    title->show();
    ASSERT_TRUE(test::waitFor([this] { return !text("labelAppTitle").isEmpty(); }));
  }
  QString text(const char* label) const { return find<QLabel>(title, label)->text(); }
};

}  // namespace

TEST(TitleWindow, ShowsTheProgramAndItsMakerAndOpensTheMakersLinks) {
  TitleFixture f;
  f.open();
  EXPECT_EQ(f.text("labelAppTitle"), "Verdimark");
  EXPECT_EQ(f.text("labelAppDescription"), "Training Record Management");
  EXPECT_TRUE(f.text("labelVersion").startsWith("Version w"));
  EXPECT_EQ(f.text("labelPellamSoftware"), "Pellam Software");
  const print::InstallValues& install = f.app.state.install;
  EXPECT_EQ(f.text("labelPellamAddress").toStdString(),
            install.addressLine1 + "\n" + install.addressLine2);
  EXPECT_EQ(f.text("labelPellamContact1").toStdString(), install.email);
  EXPECT_EQ(find<QLabel>(f.title, "labelPellamContact2")->toolTip(),
            " Click here to visit Pellam Software! ");
  EXPECT_EQ(test::button(f.title, "cmdContinue")->caption(), "&Continue");

  QTest::mouseClick(find<QLabel>(f.title, "labelPellamContact1"), Qt::LeftButton);
  QTest::mouseClick(find<QLabel>(f.title, "labelPellamContact2"), Qt::LeftButton);
  ASSERT_EQ(f.opened.size(), 2u);
  EXPECT_EQ(f.opened[0].toString().toStdString(), "mailto:" + install.email);
  EXPECT_EQ(f.opened[1].scheme(), "http");
  EXPECT_EQ(f.opened[1].host().toStdString(), install.webHost);
}

TEST(TitleWindow, TheOverviewIsShownUntilDeclinedForGood) {
  TitleFixture f;
  f.open();
  int overviews = 0;
  f.app.dialogs.onModal("frmNewUser", [&](QWidget* overview) {
    ++overviews;
    EXPECT_EQ(overview->windowTitle(), " Verdimark - New User Overview");
    const QString text = find<QTextEdit>(overview, "txtBox")->toPlainText();
    EXPECT_TRUE(
        text.startsWith("Welcome from Pellam Software! Are you a new user? If so, then "
                        "let's take a moment for a brief but important overview.\n\n"));
    EXPECT_TRUE(text.endsWith(ui::helpTopicText(300, f.app.state.install)));
    auto* noShow = find<QCheckBox>(overview, "chkNoShow");
    EXPECT_EQ(noShow->text(), "Don't show this screen again");
    EXPECT_FALSE(noShow->isChecked());
    if (overviews == 2)
      QTest::mouseClick(noShow, Qt::LeftButton, {}, QPoint(5, noShow->height() / 2));
    click(overview, "cmdContinue");
  });
  click(f.title, "cmdContinue");
  EXPECT_EQ(overviews, 1);
  EXPECT_EQ(f.app.settings.value("NewUser"),
            "");  // continued without ticking the box
  EXPECT_EQ(f.adminShown, 1);
  EXPECT_TRUE(test::waitFor([&] { return f.title.isNull(); }));

  f.open();  // the next run
  click(f.title, "cmdContinue");
  EXPECT_EQ(overviews, 2);
  EXPECT_EQ(f.app.settings.value("NewUser"), "NoShow");

  f.open();  // and the one after goes straight to the admin window
  click(f.title, "cmdContinue");
  EXPECT_EQ(overviews, 2);
  EXPECT_EQ(f.adminShown, 3);
  EXPECT_EQ(f.shutdowns, 0);
}

TEST(TitleWindow, ANarrowScreenIsWarnedAboutOnTheWayToTheAdminWindow) {
  TitleFixture f;
  f.app.settings.setValue("NewUser", "NoShow");
  f.open({640, 480});
  f.app.dialogs.answer(ui::Answer::Ok);
  click(f.title, "cmdContinue");
  const auto box = f.app.dialogs.lastMessage();
  EXPECT_EQ(box.title, "Screen Resolution Issue");
  EXPECT_EQ(box.icon, ui::MessageIcon::None);
  EXPECT_EQ(box.buttons, ui::MessageButtons::Ok);
  EXPECT_EQ(box.text.split('\n')[4], "your current screen resolution (640x480).");
  EXPECT_EQ(f.adminShown, 1);

  f.app.dialogs.clear();
  f.open({800, 600});
  click(f.title, "cmdContinue");
  EXPECT_TRUE(f.app.dialogs.shown().empty());
  EXPECT_EQ(f.adminShown, 2);
}

TEST(TitleWindow, ClosingItFromItsFrameEndsTheProgram) {
  TitleFixture f;
  f.open();
  f.title->close();
  EXPECT_EQ(f.shutdowns, 1);
  EXPECT_EQ(f.adminShown, 0);
}
