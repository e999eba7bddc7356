// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "format/date_time.h"
#include "imports/cell_text.h"
#include "imports/import_fields.h"
#include "sheets/workbook.h"
#include "store/records.h"

namespace vm::imports {

// What a sheet holds: rows of records (persons, courses, training records, or all three in one
// row), a training matrix (persons down, course codes across, dates in the cells), or nothing to
// import.
enum class SheetKind { Rows, Matrix, Skip };

// The user's reading of one sheet: its kind, the field of each column, and the order of text
// dates. The first row that holds anything is the header; the rows under it are the data.
struct SheetChoice {
  SheetKind kind = SheetKind::Skip;
  std::vector<Field> fields{};
  DateOrder dates = DateOrder::MonthFirst;
};

// The reading the import window offers first: the fields the headers name; a matrix when a
// person's name heads the first columns and the other columns hold dates under headers that
// name no field; day-first dates when a text date can be read only so. A sheet without data, or
// whose headers name nothing, is not imported.
SheetChoice guessChoice(const sheets::Sheet& sheet);

// The reading of a sheet as the kind the user chose: the fields its headers name, and for a matrix
// a whole name in the first column when no header names the person and a course in every other
// headed column.
SheetChoice choiceAs(const sheets::Sheet& sheet, SheetKind kind);

// The index of the header row (the first that holds anything), or the row count when none does.
std::size_t headerRow(const sheets::Sheet& sheet);

// Whether some text date of the sheet's date columns reads differently month first and day
// first, and none of them tells which order the sheet uses.
bool datesAmbiguous(const sheets::Sheet& sheet, const SheetChoice& choice);

// The persons and courses already in the data folder, as the import matches against them.
struct OnFile {
  std::vector<store::NameRecord> persons{};
  std::vector<store::CourseRecord> courses{};
};

enum class Outcome { New, OnFile, Refused };

// The outcome of one data row (or, in a matrix, one dated cell), with what it adds or the reason
// it is refused.
struct RowOutcome {
  std::size_t sheet = 0;
  std::size_t row = 0;             // index in the sheet's rows: row + 1 is its number
  std::size_t column = kWholeRow;  // the matrix cell's column
  Outcome outcome = Outcome::New;
  std::string text{};

  static constexpr std::size_t kWholeRow = static_cast<std::size_t>(-1);
};

// What an import will add, row by row. New persons and courses come first in the files, in the
// order of the rows that brought them, then the training records.
struct ImportPlan {
  std::vector<RowOutcome> rows{};  // sheet by sheet, row by row
  std::vector<store::NameRecord> persons{};
  std::vector<store::CourseRecord> courses{};
  std::vector<store::TrainingRecord> trainings{};
  std::vector<std::string> trainingPersons{};  // the name of each training record's person
  std::vector<std::size_t> trainingRows{};     // the outcome of each training record

  std::size_t count(Outcome o) const;
};

// Reads the workbook as the choices say, against what is on file. Persons are matched by
// employee ID, else (when nobody holds the ID) by first and last name among those without a
// different ID, letter case and accents aside; courses by code, letter case aside; a row's person
// or course may be one that an earlier row of the import brings. Persons and courses not found
// are added when the row gives what they need (first and last name; code, name and hours), with
// creation stamps from `now` on, a second apart and none taken. Sheets of persons or courses
// alone are read first, then those with dates, then matrices, so that a training row finds what
// the other sheets bring. Blank rows and the matrix's count row are passed over. Training records
// already on file are found afterwards (settleTrainingOnFile).
ImportPlan planImport(const sheets::Workbook& book, const std::vector<SheetChoice>& choices,
                      const OnFile& onFile, const format::DateTime& now);

// Marks the planned training records that the data folder holds already (same person, course and
// date) as on file, and drops them from the plan.
void settleTrainingOnFile(ImportPlan& plan, const std::vector<bool>& onFile);

// The outcome as the preview names it: "new", "on file", "refused".
std::string_view outcomeLabel(Outcome o);

}  // namespace vm::imports
