// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

#include "print/report.h"

namespace vm::print {

// The question every print button asks before a report: its title names the list, its text
// announces the estimated pages ("This printout will consist" / "of about 3 page(s)." / "" /
// "Are you ready to print?").
std::string reportQuestionTitle(ReportKind kind);
std::string reportQuestionText(std::size_t rows);

// The name of the list, as a file of it is named: "Name List", "Annual Summary".
std::string reportListName(ReportKind kind);

}  // namespace vm::print
