// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vm::app {

// What the command line asks for besides running the program. The value after "--data-dir" is a
// folder and the value after "--server" a connection string, whatever they read; other arguments
// are the toolkit's or ignored.
enum class CommandLineRequest { Run, Help, Version };
CommandLineRequest commandLineRequest(std::span<const std::string_view> arguments);

// The one text that says how the program is started (app/command_line.txt, built into the
// program): what --help prints and what the manual page says. Its first line names the program
// and says what it does; then come sections, each under a heading in capitals on a line of its
// own. Within a section a line flush left followed by lines indented by four blanks is a term and
// what it means; a line that begins with a number and a dot is an item of a numbered list,
// continued on lines indented by three blanks; other lines make paragraphs, separated by empty
// lines. Every line fits a terminal of 80 columns.
std::string_view commandLineText();

// What --help prints: the first line, the synopsis after "Usage:", then the options and the data
// folder sections as written.
std::string helpText(std::string_view text);

// The manual page, section 1, in the man macros: every section of the text, the options in bold
// and the names that stand for values in italics.
std::string manualPage(std::string_view text, std::string_view version, std::string_view date);

}  // namespace vm::app
