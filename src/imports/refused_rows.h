// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "imports/import_plan.h"
#include "sheets/workbook.h"

namespace vm::imports {

// The refused rows of an import as a workbook to fix and import again: for each sheet with any,
// its header and the refused rows as they were, with a "Reason" column after the last. A matrix's
// refused cells come as rows of a training list: the person's columns, "Course Code", "Date" and
// the reason, one row per cell.
sheets::Workbook refusedRows(const sheets::Workbook& book, const std::vector<SheetChoice>& choices,
                             const ImportPlan& plan);

}  // namespace vm::imports
