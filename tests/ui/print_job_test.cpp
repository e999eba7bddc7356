// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print_job.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include "print/wrapped_text.h"
#include "support/expect_box.h"
#include "support/pdf_pages.h"
#include "support/scripted_dialogs.h"

namespace vm::ui {
namespace {

using print::FontSpec;
using print::PrintError;
using print::PrintSurface;
using print::PrintWrappedText;
using print::WrappedTextOptions;
using test::pdfPageCount;

PrintJobOptions withoutPrinter() {
  PrintJobOptions options;
  options.printer = QPrinterInfo();
  return options;
}

class PrintJobTest : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  test::ScriptedDialogs dialogs;
  QWidget window;
  QString pdf() const { return folder.filePath("help.pdf"); }
};

TEST_F(PrintJobTest, WithoutAPrinterTheUserIsOfferedAPdf) {
  dialogs.answer(Answer::Yes);
  dialogs.answerSaveFile(pdf());
  int pagesSeen = 0;
  const bool done = runPrintJob(
      &window, dialogs,
      [&](PrintSurface& surface) {
        EXPECT_FALSE(window.isEnabled());
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
        surface.setFont(FontSpec{"Arial", 10.0});
        std::string text;
        for (int n = 1; n <= 150; ++n) text += "Line " + std::to_string(n) + "\r\n";
        WrappedTextOptions options;
        options.leaveDocumentOpen = true;
        PrintWrappedText(surface, text, options);
        pagesSeen = surface.page();
      },
      withoutPrinter());

  EXPECT_TRUE(done);
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_TRUE(test::isBox(dialogs.shown()[0],
                          {"No Printer Available",
                           "There is no printer set up on this computer.\n\nWould you like to "
                           "save this printout\nas a PDF file instead?",
                           MessageIcon::Question, ui::MessageButtons::YesNo}));
  const auto& file = dialogs.shown()[1];
  EXPECT_EQ(file.kind, test::ScriptedDialogs::Kind::SaveFile);
  EXPECT_EQ(file.title, "Save the Printout as a PDF File");
  EXPECT_TRUE(file.defaultAnswer.endsWith("Verdimark Printout.pdf"));

  // The open document was sent when the job ended, with every page the surface counted.
  EXPECT_GE(pagesSeen, 3);
  EXPECT_EQ(pdfPageCount(pdf()), pagesSeen);
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PrintJobTest, DecliningThePdfPrintsNothing) {
  dialogs.answer(Answer::No);
  bool ran = false;
  EXPECT_FALSE(runPrintJob(
      &window, dialogs, [&](PrintSurface&) { ran = true; }, withoutPrinter()));
  EXPECT_FALSE(ran);
  EXPECT_EQ(dialogs.shown().size(), 1u);  // no file name asked

  dialogs.answer(Answer::Yes);  // and cancelling the file name
  dialogs.answerSaveFile("");
  EXPECT_FALSE(runPrintJob(
      &window, dialogs, [&](PrintSurface&) { ran = true; }, withoutPrinter()));
  EXPECT_FALSE(ran);
  EXPECT_TRUE(window.isEnabled());
}

TEST_F(PrintJobTest, AFileNameWithoutSuffixGetsOne) {
  dialogs.answer(Answer::Yes);
  dialogs.answerSaveFile(folder.filePath("notes"));
  EXPECT_TRUE(runPrintJob(
      &window, dialogs, [](PrintSurface& s) { s.print("x"); }, withoutPrinter()));
  EXPECT_TRUE(QFile::exists(folder.filePath("notes.pdf")));
}

TEST_F(PrintJobTest, AFileThatCannotBeWrittenIsReportedAndTheWindowEnabledAgain) {
  dialogs.answer(Answer::Yes);
  dialogs.answerSaveFile(folder.filePath("no such folder/help.pdf"));
  dialogs.answer(Answer::Ok);
  const bool done = runPrintJob(
      &window, dialogs, [](PrintSurface& surface) { surface.print("Never seen"); },
      withoutPrinter());

  EXPECT_FALSE(done);
  ASSERT_EQ(dialogs.messages().size(), 2u);
  const auto box = dialogs.lastMessage();
  EXPECT_EQ(box.title, "Printing Problem");
  EXPECT_TRUE(box.text.startsWith("The printout could not be completed:\n\nThe file \""));
  EXPECT_TRUE(box.text.endsWith("could not be written.\n\nThe printout has been cancelled."));
  EXPECT_EQ(box.icon, MessageIcon::Critical);
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PrintJobTest, AFailureHalfWayAbandonsTheDocument) {
  dialogs.answer(Answer::Yes);
  dialogs.answerSaveFile(pdf());
  dialogs.answer(Answer::Ok);
  const bool done = runPrintJob(
      &window, dialogs,
      [](PrintSurface& surface) {
        surface.print("Page one");
        surface.newPage();
        throw PrintError("Paper out.");
      },
      withoutPrinter());
  EXPECT_FALSE(done);
  EXPECT_FALSE(QFile::exists(pdf()));
  EXPECT_TRUE(dialogs.lastMessage().text.contains("Paper out."));
  EXPECT_TRUE(window.isEnabled());
}

TEST_F(PrintJobTest, OtherErrorsPassThroughWithTheWindowEnabledAndNoDocument) {
  dialogs.answer(Answer::Yes);
  dialogs.answerSaveFile(pdf());
  EXPECT_THROW(runPrintJob(
                   &window, dialogs,
                   [](PrintSurface& surface) {
                     surface.print("Half a report");
                     throw std::runtime_error("data file gone");
                   },
                   withoutPrinter()),
               std::runtime_error);
  EXPECT_FALSE(QFile::exists(pdf()));
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PrintJobTest, AWindowKeptEnabledStaysEnabled) {
  dialogs.answer(Answer::Yes);
  dialogs.answerSaveFile(pdf());
  PrintJobOptions options = withoutPrinter();
  options.keepWindowEnabled = true;
  runPrintJob(
      &window, dialogs,
      [&](PrintSurface&) {
        EXPECT_TRUE(window.isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
      },
      options);
}

TEST_F(PrintJobTest, ALandscapeJobHasLandscapePages) {
  dialogs.answer(Answer::Yes);
  dialogs.answerSaveFile(pdf());
  PrintJobOptions options = withoutPrinter();
  options.orientation = QPageLayout::Landscape;
  double width = 0, height = 0;
  runPrintJob(
      &window, dialogs,
      [&](PrintSurface& surface) {
        width = surface.paperWidth();
        height = surface.paperHeight();
        surface.print("Wide");
      },
      options);
  EXPECT_DOUBLE_EQ(width, 11.0);
  EXPECT_DOUBLE_EQ(height, 8.5);
  QFile file(pdf());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("/MediaBox [0 0 792.000000 612.000000]"));
}

}  // namespace
}  // namespace vm::ui
