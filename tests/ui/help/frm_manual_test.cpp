// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/frm_manual.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

#include "print/recording_surface.h"
#include "support/pdf_pages.h"
#include "support/test_app.h"
#include "ui/button/pellam_button.h"
#include "ui/help/help_topics.h"
#include "ui/print_job.h"
#include "ui/window_life.h"

namespace vm::ui {
namespace {

using Kind = test::ScriptedDialogs::Kind;
using print::RecordingSurface;

const QString kIndent(9, ' ');

class HelpWindowTest : public ::testing::Test {
 protected:
  // Opens the window as a help button does, on the menu index in HelpTopic, and
  // waits for its first activation.
  frmManual& open(int helpTopic) {
    app.state.HelpTopic = helpTopic;
    window = std::make_unique<frmManual>(app.state);
    window->setUrlOpener([this](const QUrl& url) {
      opened.push_back(url);
      return linksWork;
    });
    window->setPrintJob([this](QWidget*, Dialogs&, const auto& body) {
      ++printouts;
      body(surface);
      return true;
    });
    window->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->life().activated(); }, 3000));
    return *window;
  }

  template <typename T>
  T* control(const char* name) const {
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QString topicTitle() const { return control<QLabel>("labelHelpTopic")->text(); }
  QString topicText() const { return control<QPlainTextEdit>("txtManual")->toPlainText(); }
  void click(const char* button) {
    QTest::mouseClick(control<PellamButton>(button), Qt::LeftButton);
  }

  // Chooses a menu item through the topics button, as the user does.
  void choose(const QString& caption) {
    app.dialogs.chooseMenuItem(caption);
    click("cmdHelpTopic");
  }

  std::vector<QString> checkedItems() const {
    std::vector<QString> checked;
    for (QAction* a : window->menuHelpMenu()->actions())
      if (a->isChecked()) checked.push_back(a->text());
    return checked;
  }

  test::TestApp app;
  std::unique_ptr<frmManual> window;
  std::vector<QUrl> opened;
  bool linksWork = true;
  RecordingSurface surface;
  int printouts = 0;
};

TEST_F(HelpWindowTest, OpensOnTheCallersTopicWithItsItemChecked) {
  open(5);  // the Course Index tab
  EXPECT_EQ(window->windowTitle(), "Verdimark -  Help Screen");
  EXPECT_EQ(topicTitle(), "The 'Course Index' Tab");
  EXPECT_EQ(topicText(), helpTopicText(600, app.state.install));
  EXPECT_EQ(checkedItems(), std::vector<QString>{"The 'Course Index' Tab"});
  EXPECT_EQ(window->focusWidget(), control<PellamButton>("cmdHelpTopic"));

  EXPECT_EQ(control<PellamButton>("cmdPrintHelp")->toolTip(), " Print this Help Topic ");
  EXPECT_EQ(control<PellamButton>("cmdHelpTopic")->toolTip(), " Show all Help Topics <F1> ");
  EXPECT_EQ(control<PellamButton>("cmdReturn")->toolTip(), " Close this Help window <Esc> ");
  EXPECT_TRUE(app.dialogs.shown().empty());
}

TEST_F(HelpWindowTest, EveryCallersTopicOpensOnItsText) {
  const std::pair<int, int> callers[] = {{3, 400}, {4, 500}, {5, 600},
                                         {6, 700}, {8, 800}, {10, 900}};
  for (const auto& [helpTopic, number] : callers) {
    open(helpTopic);
    EXPECT_EQ(topicText(), helpTopicText(number, app.state.install)) << helpTopic;
    EXPECT_EQ(window->currentTopic(), helpTopic);
  }
  // A number that names no topic opens the overview rather than an empty
  // window.
  for (int helpTopic : {0, 2, 18, 25, 26}) {
    open(helpTopic);
    EXPECT_EQ(topicTitle(), "Overview") << helpTopic;
  }
  EXPECT_TRUE(app.dialogs.shown().empty());
}

TEST_F(HelpWindowTest, TheMenuHoldsEveryItemInItsPlace) {
  open(1);
  QStringList captions;
  for (QAction* a : window->menuHelpMenu()->actions())
    captions << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(window->menuHelpMenu()->title(), "Help Topics");
  EXPECT_EQ(captions, (QStringList{"Overview",
                                   "-",
                                   "The Admin Window",
                                   "The 'Name List' Tab",
                                   "The 'Course Index' Tab",
                                   kIndent + "Course Code Conventions",
                                   kIndent + "Course Code Example",
                                   "The 'Search/Summary' Tab",
                                   "-",
                                   "The 'Training History' Window",
                                   "The 'Training Matrix' Window",
                                   "The 'Renewals' Window",
                                   kIndent + "Renewal Periods",
                                   "The 'Change Log' Window",
                                   "Exporting a List to CSV",
                                   "Spreadsheets: Import and Export",
                                   "Copying to and from a Server",
                                   "-",
                                   "About Verdimark",
                                   "About Pellam Software",
                                   "-",
                                   "Email a colleague about Verdimark",
                                   "Email Pellam Software",
                                   "Visit Pellam Software's Web Page",
                                   "-",
                                   "Exit this Menu"}));
}

TEST_F(HelpWindowTest, ChoosingATopicShowsItAndMovesTheCheckMark) {
  open(5);
  choose(kIndent + "Course Code Conventions");
  EXPECT_EQ(topicTitle(), "Course Code Conventions");
  EXPECT_EQ(topicText(), helpTopicText(700, app.state.install));
  EXPECT_EQ(checkedItems(), std::vector<QString>{kIndent + "Course Code Conventions"});

  choose("About Pellam Software");
  EXPECT_EQ(topicTitle(), "About Pellam Software");
  EXPECT_TRUE(topicText().contains("support@pellamsoftware.example"));
  EXPECT_EQ(checkedItems(), std::vector<QString>{"About Pellam Software"});

  ASSERT_EQ(app.dialogs.shown().size(), 2u);
  EXPECT_EQ(app.dialogs.shown()[0].kind, Kind::Menu);
  EXPECT_EQ(app.dialogs.shown()[0].title, "Help Topics");
}

TEST_F(HelpWindowTest, TheTopicShownASeparatorOrExitChangeNothing) {
  open(5);
  // A mark on the text shows whether it was loaded again.
  control<QPlainTextEdit>("txtManual")->setPlainText("as the user left it");

  choose("The 'Course Index' Tab");
  choose("");  // a separator
  choose("Exit this Menu");
  click("cmdHelpTopic");  // the menu closed with nothing chosen

  EXPECT_EQ(topicText(), "as the user left it");
  EXPECT_EQ(topicTitle(), "The 'Course Index' Tab");
  EXPECT_EQ(checkedItems(), std::vector<QString>{"The 'Course Index' Tab"});
  EXPECT_EQ(window->focusWidget(), control<PellamButton>("cmdHelpTopic"));
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(app.dialogs.messages().size(), 0u);
}

TEST_F(HelpWindowTest, TheAboutBoxShowsTheVersionInformation) {
  open(1);
  app.dialogs.answer(Answer::Ok);
  choose("About Verdimark");
  const auto box = app.dialogs.lastMessage();
  EXPECT_EQ(box.title, "About Verdimark");
  EXPECT_EQ(box.icon, MessageIcon::Information);
  EXPECT_EQ(box.buttons, MessageButtons::Ok);
  const QString version = QString("Version %1.%2.%3")
                              .arg(VERDIMARK_VERSION_MAJOR)
                              .arg(VERDIMARK_VERSION_MINOR)
                              .arg(VERDIMARK_VERSION_PATCH);
  const QStringList lines = box.text.split('\n');
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0], "Verdimark");
  EXPECT_EQ(lines[1], version);
  EXPECT_EQ(lines[2], "Training Record Management");
  EXPECT_TRUE(lines[3].startsWith("Copyright"));
  // The About box is no topic: the text shown stays.
  EXPECT_EQ(topicTitle(), "Overview");
  EXPECT_EQ(checkedItems(), std::vector<QString>{"Overview"});
}

TEST_F(HelpWindowTest, TheMakersLinksAndTheMailToAColleague) {
  open(1);
  choose("Email Pellam Software");
  choose("Visit Pellam Software's Web Page");
  choose("Email a colleague about Verdimark");
  ASSERT_EQ(opened.size(), 3u);
  EXPECT_EQ(opened[0].toString(), "mailto:support@pellamsoftware.example");
  EXPECT_EQ(opened[1].toString(), "http://www.pellamsoftware.example");

  EXPECT_EQ(opened[2].scheme(), "mailto");
  EXPECT_TRUE(opened[2].path().isEmpty());  // the user picks the colleague
  EXPECT_EQ(QUrl::fromPercentEncoding(opened[2].toEncoded()),
            "mailto:?subject='Verdimark' - Training Record Management software from "
            "Pellam Software"
            "&body=I came across a 'training records software for business' computer "
            "program from "
            "Pellam Software called 'Verdimark' that you might want to know "
            "about.\r\n\r\n"
            "You can download and install it for free at Pellam Software's website. "
            "The direct "
            "download link is\r\n\r\n"
            "http://www.pellamsoftware.example/downloads/verdimark-setup.zip\r\n\r\n"
            "Pellam Software's website (www.pellamsoftware.example) also has other "
            "law enforcement "
            "programs that you'd probably find as interesting as I did.\r\n\r\n"
            "Let me know what you think.");
  EXPECT_EQ(topicTitle(), "Overview");
  EXPECT_EQ(checkedItems(), std::vector<QString>{"Overview"});

  // A link that cannot be opened is reported.
  linksWork = false;
  app.dialogs.answer(Answer::Ok);
  choose("Visit Pellam Software's Web Page");
  EXPECT_EQ(app.dialogs.lastMessage().text, "Could not establish a connection!");
}

TEST_F(HelpWindowTest, PrintingASubTopicKeepsItsIndentInTheHeading) {
  open(6);
  EXPECT_EQ(topicTitle(), "Course Code Conventions");
  click("cmdPrintHelp");
  ASSERT_EQ(printouts, 1);

  const auto texts = surface.texts();
  ASSERT_FALSE(texts.empty());
  const auto& heading = texts.front();
  EXPECT_EQ(heading.text,
            "Verdimark, Help Section: " + kIndent.toStdString() + "Course Code Conventions");
  EXPECT_TRUE(heading.font.underline);
  EXPECT_DOUBLE_EQ(heading.x, 1.0);
  EXPECT_DOUBLE_EQ(heading.y, 1.0);

  // The text follows in Arial 10 point, from 1.0 inch and inside the paper.
  const double lineHeight = surface.textHeight("X");
  EXPECT_TRUE(helpTopicText(700, {}).toStdString().starts_with(texts[1].text));
  EXPECT_NEAR(texts[1].y, 1.0 + 2 * lineHeight, 1e-9);
  for (std::size_t i = 1; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].font, (print::FontSpec{"Arial", 10.0})) << texts[i].text;
    EXPECT_GE(texts[i].x, 1.0) << texts[i].text;
    EXPECT_LE(texts[i].x + surface.textWidth(texts[i].text), 7.5 + 0.5) << texts[i].text;
  }
  EXPECT_EQ(surface.entries().back().event, RecordingSurface::Event::EndDocument);
}

TEST_F(HelpWindowTest, OnlyTheSecondAndLaterPagesHaveFooters) {
  const auto footers = [this] {
    std::vector<RecordingSurface::Entry> found;
    for (const auto& e : surface.texts())
      if (e.text.rfind("(page ", 0) == 0) found.push_back(e);
    return found;
  };
  open(20);  // about the maker: one page
  click("cmdPrintHelp");
  EXPECT_TRUE(footers().empty());
  EXPECT_EQ(surface.page(), 1);

  surface = RecordingSurface();
  open(5);  // the Course Index tab: two pages
  click("cmdPrintHelp");
  ASSERT_EQ(footers().size(), 1u);
  EXPECT_EQ(footers()[0].text, "(page 2)");
  EXPECT_EQ(footers()[0].page, 2);
  EXPECT_DOUBLE_EQ(footers()[0].x, 6.0);
  EXPECT_DOUBLE_EQ(footers()[0].y, 9.2);
  EXPECT_EQ(surface.texts().back().text, "(page 2)");
  // The heading is on the first page only.
  const auto texts = surface.texts();
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                          [](const auto& e) { return e.text.find("Help Section") != e.text.npos; }),
            1);
}

TEST_F(HelpWindowTest, WithoutAPrinterTheTopicIsSavedAsAPdf) {
  QTemporaryDir folder;
  const QString pdf = folder.filePath("help.pdf");
  open(5);
  window->setPrintJob([](QWidget* w, Dialogs& dialogs, const auto& body) {
    PrintJobOptions options;
    options.printer = QPrinterInfo();
    return runPrintJob(w, dialogs, body, options);
  });
  app.dialogs.answer(Answer::Yes);
  app.dialogs.answerSaveFile(pdf);
  click("cmdPrintHelp");
  EXPECT_EQ(app.dialogs.shown().back().kind, Kind::SaveFile);
  EXPECT_GE(test::pdfPageCount(pdf), 2);
  EXPECT_TRUE(window->isEnabled());
}

TEST_F(HelpWindowTest, F1OpensTheMenuAndEscClosesTheWindow) {
  open(3);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  app.dialogs.chooseMenuItem("The 'Search/Summary' Tab");
  QTest::keyClick(window.get(), Qt::Key_F1);
  EXPECT_EQ(topicTitle(), "The 'Search/Summary' Tab");

  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(HelpWindowTest, WithFadingTheWindowFadesInAndOut) {
  open(1);
  // The platform of the tests cannot fade, so the load turned fading off; a
  // platform that fades would have left it on, and the first activation would
  // have done this.
  app.state.FadeEnabled = true;
  window->life().fadeIn();
  EXPECT_TRUE(window->life().fade().isRunning());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->life().fade().isRunning(); }, 3000));
  EXPECT_EQ(window->life().fade().opacity(), 255);

  click("cmdReturn");
  EXPECT_TRUE(window->isVisible());  // fading out first
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 3000));
  EXPECT_EQ(window->life().fade().opacity(), 0);
}

TEST(HelpViewer, EveryHelpButtonOpensItOverItsWindowWhichComesBackAfterwards) {
  test::TestApp app;
  app.state.showHelp = [&app](QWidget* owner) { showHelpViewer(app.state, owner); };
  QWidget owner;
  WindowLife ownerLife(&owner, app.state);
  owner.show();
  auto* tab = new QWidget(&owner);  // a help button sits somewhere inside its window
  ownerLife.fade().applyOpacity(204);

  QPointer<QWidget> viewer;
  QString shownTitle;
  app.dialogs.onModal("frmManual", [&](QWidget* w) {
    viewer = w;
    EXPECT_EQ(w->parentWidget(), &owner);
    auto* label = w->findChild<QLabel*>("labelHelpTopic");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !label->text().isEmpty(); }, 3000));
    shownTitle = label->text();
    // The viewer's load found that the test platform cannot fade; on one that
    // can, the owner has been dimmed meanwhile and brightens when the viewer
    // closes.
    app.state.FadeEnabled = true;
  });
  app.state.openHelp(tab, 8);

  EXPECT_EQ(app.state.HelpTopic, 8);
  EXPECT_EQ(shownTitle, "The 'Search/Summary' Tab");
  EXPECT_EQ(ownerLife.fade().opacity(), 255);
  EXPECT_TRUE(owner.isEnabled());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(viewer.isNull());  // discarded when closed
}

}  // namespace
}  // namespace vm::ui
