#include "print/qt/print_job.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include "print/qt/fake_dialogs.h"
#include "print/qt/pdf_pages.h"
#include "print/wrapped_text.h"

namespace vm::print {
namespace {

using testing::FakeDialogs;
using testing::pdfPageCount;

PrintJobOptions withoutPrinter() {
  PrintJobOptions options;
  options.printer = QPrinterInfo();
  return options;
}

class PrintJobTest : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  FakeDialogs dialogs;
  QWidget window;
  QString pdf() const { return folder.filePath("help.pdf"); }
};

TEST_F(PrintJobTest, WithoutAPrinterTheUserIsOfferedAPdf) {
  dialogs.answers = {ui::Answer::Yes};
  dialogs.fileNames = {pdf()};
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
  ASSERT_EQ(dialogs.shown.size(), 1u);
  const ui::Message& box = dialogs.shown[0];
  EXPECT_EQ(box.title, "No Printer Available");
  EXPECT_EQ(box.text,
            "There is no printer set up on this computer.\n\nWould you like to save this "
            "printout\nas a PDF file instead?");
  EXPECT_EQ(box.icon, ui::MessageIcon::Question);
  EXPECT_EQ(box.buttons, ui::MessageButtons::YesNo);
  ASSERT_EQ(dialogs.fileStartPaths.size(), 1u);
  EXPECT_TRUE(dialogs.fileStartPaths[0].endsWith("Verdimark Printout.pdf"));

  // The open document was sent when the job ended, with every page the surface counted.
  EXPECT_GE(pagesSeen, 3);
  EXPECT_EQ(pdfPageCount(pdf()), pagesSeen);
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PrintJobTest, DecliningThePdfPrintsNothing) {
  dialogs.answers = {ui::Answer::No};
  bool ran = false;
  EXPECT_FALSE(runPrintJob(
      &window, dialogs, [&](PrintSurface&) { ran = true; }, withoutPrinter()));
  EXPECT_FALSE(ran);
  EXPECT_TRUE(dialogs.fileStartPaths.empty());

  dialogs.answers = {ui::Answer::Yes};  // and cancelling the file name
  EXPECT_FALSE(runPrintJob(
      &window, dialogs, [&](PrintSurface&) { ran = true; }, withoutPrinter()));
  EXPECT_FALSE(ran);
  EXPECT_TRUE(window.isEnabled());
}

TEST_F(PrintJobTest, AFileNameWithoutSuffixGetsOne) {
  dialogs.answers = {ui::Answer::Yes};
  dialogs.fileNames = {folder.filePath("notes")};
  EXPECT_TRUE(runPrintJob(
      &window, dialogs, [](PrintSurface& s) { s.print("x"); }, withoutPrinter()));
  EXPECT_TRUE(QFile::exists(folder.filePath("notes.pdf")));
}

TEST_F(PrintJobTest, AFileThatCannotBeWrittenIsReportedAndTheWindowEnabledAgain) {
  dialogs.answers = {ui::Answer::Yes};
  dialogs.fileNames = {folder.filePath("no such folder/help.pdf")};
  const bool done = runPrintJob(
      &window, dialogs, [](PrintSurface& surface) { surface.print("Never seen"); },
      withoutPrinter());

  EXPECT_FALSE(done);
  ASSERT_EQ(dialogs.shown.size(), 2u);
  const ui::Message& box = dialogs.shown[1];
  EXPECT_EQ(box.title, "Printing Problem");
  EXPECT_TRUE(box.text.startsWith("The printout could not be completed:\n\nThe file \""));
  EXPECT_TRUE(box.text.endsWith("could not be written.\n\nThe printout has been cancelled."));
  EXPECT_EQ(box.icon, ui::MessageIcon::Critical);
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PrintJobTest, AFailureHalfWayAbandonsTheDocument) {
  dialogs.answers = {ui::Answer::Yes};
  dialogs.fileNames = {pdf()};
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
  EXPECT_TRUE(dialogs.shown.back().text.contains("Paper out."));
  EXPECT_TRUE(window.isEnabled());
}

TEST_F(PrintJobTest, OtherErrorsPassThroughWithTheWindowEnabledAndNoDocument) {
  dialogs.answers = {ui::Answer::Yes};
  dialogs.fileNames = {pdf()};
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
  dialogs.answers = {ui::Answer::Yes};
  dialogs.fileNames = {pdf()};
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

}  // namespace
}  // namespace vm::print
