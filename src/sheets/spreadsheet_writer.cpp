// SPDX-License-Identifier: GPL-3.0-or-later
// Writing .xlsx files through libxlsxwriter.
#include <xlsxwriter.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "format/date_text.h"
#include "format/number_text.h"
#include "sheets/sheet_file.h"

namespace vm::sheets {
namespace {

// Columns as wide as their longest text, within reason, in the width unit of the format
// (about one digit of the standard font).
constexpr double kNarrowest = 8;
constexpr double kWidest = 80;
// The first day an .xlsx date can show: earlier days are written as their text.
constexpr double kFirstDateCell = 61;  // 1 March 1900

std::size_t charactersOf(const std::string& utf8) {
  std::size_t n = 0;
  for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// Sheet names hold at most 31 characters and none of []:*?/\.
std::string sheetName(const std::string& name, std::size_t index) {
  std::string out;
  std::size_t chars = 0;
  for (std::size_t i = 0; i < name.size() && chars < 31; ++i) {
    const char c = name[i];
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++chars;
    out += std::string_view("[]:*?/\\").find(c) == std::string_view::npos ? c : '-';
  }
  // A cut may leave the last character's tail behind.
  while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xC0) == 0xC0) out.pop_back();
  return out.empty() ? "Sheet" + std::to_string(index + 1) : out;
}

void check(lxw_error error, const char* what) {
  if (error != LXW_NO_ERROR) throw SheetError(std::string(what) + ": " + lxw_strerror(error));
}

class Writer {
 public:
  explicit Writer(const std::string& path) {
    // Texts go to the shared table rather than inline, which some readers do not take.
    book_ = workbook_new(path.c_str());
    if (!book_) throw SheetError("the file cannot be made");
    bold_ = workbook_add_format(book_);
    format_set_bold(bold_);
    date_ = workbook_add_format(book_);
    format_set_num_format(date_, "mm/dd/yyyy");
  }
  ~Writer() {
    if (book_) workbook_close(book_);
  }
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  void add(const Sheet& sheet, std::size_t index) {
    lxw_worksheet* ws = workbook_add_worksheet(book_, sheetName(sheet.name, index).c_str());
    if (!ws) throw SheetError("the sheet \"" + sheet.name + "\" cannot be added");
    std::vector<std::size_t> widths(sheet.columns(), 0);
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
      const Row& row = sheet.rows[r];
      for (std::size_t c = 0; c < row.size(); ++c) {
        const Cell& cell = row[c];
        const auto at = static_cast<lxw_row_t>(r);
        const auto col = static_cast<lxw_col_t>(c);
        std::string shown;
        switch (cell.kind) {
          case Cell::Kind::Empty:
            break;
          case Cell::Kind::Text:
            shown = cell.text;
            if (!shown.empty())
              check(worksheet_write_string(ws, at, col, shown.c_str(), r == 0 ? bold_ : nullptr),
                    "a text cannot be written");
            break;
          case Cell::Kind::Number:
            shown = format::generalNumber(cell.value);
            check(worksheet_write_number(ws, at, col, cell.value, r == 0 ? bold_ : nullptr),
                  "a number cannot be written");
            break;
          case Cell::Kind::Date:
            shown = format::formatDate(cell.value);
            check(cell.value >= kFirstDateCell
                      ? worksheet_write_number(ws, at, col, cell.value, date_)
                      : worksheet_write_string(ws, at, col, shown.c_str(), nullptr),
                  "a date cannot be written");
            break;
        }
        widths[c] = std::max(widths[c], charactersOf(shown));
      }
    }
    for (std::size_t c = 0; c < widths.size(); ++c) {
      const double width = std::clamp(static_cast<double>(widths[c]) + 2, kNarrowest, kWidest);
      check(worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width,
                                 nullptr),
            "a column cannot be sized");
    }
    if (!sheet.rows.empty()) worksheet_freeze_panes(ws, 1, 0);
  }

  void close() {
    lxw_workbook* book = book_;
    book_ = nullptr;
    check(workbook_close(book), "the file cannot be written");
  }

 private:
  lxw_workbook* book_ = nullptr;
  lxw_format* bold_ = nullptr;
  lxw_format* date_ = nullptr;
};

}  // namespace

void writeWorkbook(const std::string& path, const Workbook& book) {
  const std::string staged = path + ".$$$";
  std::error_code ignored;
  try {
    Writer writer(staged);
    if (book.sheets.empty()) writer.add(Sheet{"Sheet1"}, 0);
    for (std::size_t i = 0; i < book.sheets.size(); ++i) writer.add(book.sheets[i], i);
    writer.close();
    std::error_code error;
    std::filesystem::rename(staged, path, error);
    if (error) throw SheetError("the file cannot be put in place: " + error.message());
  } catch (const SheetError&) {
    std::filesystem::remove(staged, ignored);
    throw;
  }
}

}  // namespace vm::sheets
