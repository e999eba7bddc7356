// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using vm::app::CommandLineRequest;

namespace {

TEST(CommandLine, HelpAndVersionAreAskedForAnywhereButAsTheDataFolder) {
  struct Case {
    std::vector<std::string_view> arguments;
    CommandLineRequest request;
  };
  const std::vector<Case> cases = {
      {{}, CommandLineRequest::Run},
      {{"--data-dir", "/srv/a"}, CommandLineRequest::Run},
      {{"--help"}, CommandLineRequest::Help},
      {{"-h"}, CommandLineRequest::Help},
      {{"--data-dir=/srv/a", "--help"}, CommandLineRequest::Help},
      {{"--version"}, CommandLineRequest::Version},
      {{"--data-dir", "--help"}, CommandLineRequest::Run},  // a folder of that name
      {{"--data-dir", "--version", "--help"}, CommandLineRequest::Help},
      {{"-platform", "offscreen"}, CommandLineRequest::Run},  // the toolkit's
  };
  for (const Case& c : cases)
    EXPECT_EQ(vm::app::commandLineRequest(c.arguments), c.request)
        << testing::PrintToString(c.arguments);
}

constexpr std::string_view kText =
    "prog - do a thing\n"
    "\n"
    "SYNOPSIS\n"
    "prog [--dir DIR]\n"
    "prog --help\n"
    "\n"
    "OPTIONS\n"
    "--dir DIR, --dir=DIR\n"
    "    Use DIR.\n"
    "--help\n"
    "    Print this.\n"
    "\n"
    "DATA FOLDER\n"
    "Looked for in\n"
    "1. the option, else\n"
    "2. the home folder\n"
    "   of the user.\n"
    "\n"
    ".hidden files and C:\\paths stay text.\n"
    "\n"
    "COPYRIGHT\n"
    "Free.\n";

TEST(CommandLine, TheManualPageTellsEverySectionInTheManMacros) {
  EXPECT_EQ(vm::app::manualPage(kText, "2.1.0", "2027-01-31"),
            ".TH VERDIMARK 1 \"2027-01-31\" \"Verdimark 2.1.0\" \"User Commands\"\n"
            ".nh\n"
            ".ad l\n"
            ".SH NAME\n"
            "prog \\- do a thing\n"
            ".SH SYNOPSIS\n"
            "prog [\\fB\\-\\-dir\\fR \\fIDIR\\fR]\n"
            ".br\n"
            "prog \\fB\\-\\-help\\fR\n"
            ".SH OPTIONS\n"
            ".TP\n"
            "\\fB\\-\\-dir\\fR \\fIDIR\\fR, \\fB\\-\\-dir=\\fR\\fIDIR\\fR\n"
            "Use \\fIDIR\\fR.\n"
            ".TP\n"
            "\\fB\\-\\-help\\fR\n"
            "Print this.\n"
            ".SH DATA FOLDER\n"
            "Looked for in\n"
            ".IP 1. 4\n"
            "the option, else\n"
            ".IP 2. 4\n"
            "the home folder\n"
            "of the user.\n"
            ".PP\n"
            "\\&.hidden files and C:\\epaths stay text.\n"
            ".SH COPYRIGHT\n"
            "Free.\n");
}

TEST(CommandLine, HelpPrintsTheUsageTheOptionsAndTheDataFolderAsWritten) {
  EXPECT_EQ(vm::app::helpText(kText),
            "prog - do a thing\n"
            "\n"
            "Usage: prog [--dir DIR]\n"
            "       prog --help\n"
            "\n"
            "OPTIONS\n"
            "--dir DIR, --dir=DIR\n"
            "    Use DIR.\n"
            "--help\n"
            "    Print this.\n"
            "\n"
            "DATA FOLDER\n"
            "Looked for in\n"
            "1. the option, else\n"
            "2. the home folder\n"
            "   of the user.\n"
            "\n"
            ".hidden files and C:\\paths stay text.\n");
}

// The program's own text: a terminal of 80 columns shows it unbroken, and both the help and the
// manual page name the data folder's environment variable and every option.
TEST(CommandLine, TheProgramsTextFitsATerminalAndNamesEveryOption) {
  const std::string_view text = vm::app::commandLineText();
  std::istringstream lines{std::string(text)};
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 79u) << line;

  const std::string help = vm::app::helpText(text);
  const std::string page = vm::app::manualPage(text, "1.0.0", "2026-12-08");
  for (std::string_view option : {"--data-dir", "--help", "--version"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
    std::string marked = "\\fB";
    for (char c : option) marked += c == '-' ? std::string("\\-") : std::string(1, c);
    EXPECT_NE(page.find(marked), std::string::npos) << option;
  }
  EXPECT_NE(help.find("VERDIMARK_DATA_DIR"), std::string::npos);
  EXPECT_NE(page.find(".SH FILES\n"), std::string::npos);
}

}  // namespace
