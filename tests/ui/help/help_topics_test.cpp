// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/help_topics.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QWidget>

#include "print/wrapped_text.h"
#include "support/pdf_pages.h"
#include "support/scripted_dialogs.h"
#include "ui/print_job.h"

namespace vm::ui {
namespace {

constexpr int kTopics[] = {300, 310, 400, 401, 500, 600, 700, 701, 800, 801, 802, 803, 900, 1000};

TEST(HelpTopics, EveryTopicHasItsTextAndOtherNumbersNone) {
  const print::InstallValues install;
  for (int number : kTopics) {
    const QString text = helpTopicText(number, install);
    EXPECT_GT(text.size(), 400) << number;
    EXPECT_FALSE(text.contains('{')) << number;  // every placeholder filled in
    EXPECT_FALSE(text.contains('\r')) << number;
  }
  for (int number : {0, 1111, 2222, 4444, 7777})
    EXPECT_TRUE(helpTopicText(number, install).isEmpty());
}

TEST(HelpTopics, AboutTheMakerShowsTheInstallationsContactDetails) {
  print::InstallValues install;
  install.makerName = "Pellam Software";
  install.addressLine1 = "12 Mill Lane";
  install.addressLine2 = "Harbor Town, XY 12345";
  install.email = "desk@pellam.example";
  install.webHost = "www.pellam.example";
  install.downloadPath = "/get/verdimark.zip";
  const QString text = helpTopicText(1000, install);
  EXPECT_TRUE(text.contains("Pellam Software\n12 Mill Lane\nHarbor Town, XY 12345\n"));
  EXPECT_TRUE(text.contains("E-mail: desk@pellam.example"));
  EXPECT_TRUE(text.contains("http://www.pellam.example/get/verdimark.zip"));
}

// The help window prints a topic in Arial 10 point under an underlined heading; without a
// printer the user saves it as a PDF.
TEST(HelpTopics, ALongTopicPrintsToAPdfOfSeveralPages) {
  QTemporaryDir folder;
  const QString pdf = folder.filePath("topic.pdf");
  test::ScriptedDialogs dialogs;
  dialogs.answer(Answer::Yes);
  dialogs.answerSaveFile(pdf);
  PrintJobOptions options;
  options.printer = QPrinterInfo();
  QWidget window;
  int pages = 0;
  const bool done = runPrintJob(
      &window, dialogs,
      [&](print::PrintSurface& surface) {
        surface.setFont(print::FontSpec{"Arial", 10.0});
        print::WrappedTextOptions layout;
        layout.heading = "Verdimark, Help Section: The 'Course Index' Tab";
        layout.underlineHeading = true;
        layout.leaveDocumentOpen = true;
        print::PrintWrappedText(surface, helpTopicText(600, {}).toStdString(), layout);
        pages = surface.page();
      },
      options);
  ASSERT_TRUE(done);

  EXPECT_EQ(test::pdfPageCount(pdf), pages);
  EXPECT_GE(pages, 2);
}

}  // namespace
}  // namespace vm::ui
