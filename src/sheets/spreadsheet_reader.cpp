// SPDX-License-Identifier: GPL-3.0-or-later
// Reading .xlsx, .ods and .csv files through the import filters of liborcus, into the program's
// workbook of typed cells. The filters hand every cell, shared string, number format and cell
// format to the factory below, which keeps only what the program needs.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <orcus/csv_parser.hpp>
#include <orcus/format_detection.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>
#include <stdexcept>
#include <unordered_map>

#include "format/automation_date.h"
#include "format/cp1252.h"
#include "sheets/inline_texts.h"
#include "sheets/number_formats.h"
#include "sheets/sheet_file.h"

namespace vm::sheets {
namespace {

namespace ss = orcus::spreadsheet;
namespace iface = orcus::spreadsheet::iface;

// A character XML cannot hold as such (a carriage return, a control character) is written in an
// .xlsx text as "_xHHHH_", its code in four hexadecimal digits.
std::string unescaped(std::string_view s) {
  if (s.find("_x") == std::string_view::npos) return std::string(s);
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '_' && i + 6 < s.size() && s[i + 1] == 'x' && s[i + 6] == '_' &&
        std::all_of(s.begin() + i + 2, s.begin() + i + 6,
                    [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); })) {
      const unsigned code = std::stoul(std::string(s.substr(i + 2, 4)), nullptr, 16);
      if (code < 0x80) {
        out += static_cast<char>(code);
        i += 6;
        continue;
      }
    }
    out += s[i];
  }
  return out;
}

// Texts, shared by the cells that point at them.
class SharedStrings final : public iface::import_shared_strings {
 public:
  std::size_t append(std::string_view s) override {
    strings_.push_back(unescaped(s));
    return strings_.size() - 1;
  }
  std::size_t add(std::string_view s) override {
    const auto [at, added] = index_.try_emplace(std::string(s), strings_.size());
    if (added) strings_.push_back(unescaped(s));
    return at->second;
  }
  void set_segment_font(std::size_t) override {}
  void set_segment_bold(bool) override {}
  void set_segment_italic(bool) override {}
  void set_segment_font_name(std::string_view) override {}
  void set_segment_font_size(double) override {}
  void set_segment_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                              ss::color_elem_t) override {}
  void append_segment(std::string_view s) override { segments_ += s; }
  std::size_t commit_segments() override {
    const std::size_t at = append(segments_);
    segments_.clear();
    return at;
  }

  const std::string& at(std::size_t i) const {
    static const std::string kNone;
    return i < strings_.size() ? strings_[i] : kNone;
  }

 private:
  std::vector<std::string> strings_;
  std::unordered_map<std::string, std::size_t> index_;
  std::string segments_;
};

// Of the styles, only which cell formats show numbers as dates.
class Styles final : public iface::import_styles {
 public:
  bool showsDate(std::size_t xf) const { return xf < xfDates_.size() && xfDates_[xf]; }

  void set_number_format_identifier(std::size_t id) override { formatId_ = id; }
  void set_number_format_code(std::string_view s) override { formatCode_ = s; }
  std::size_t commit_number_format() override {
    codes_[formatId_] = formatCode_;
    formatCode_.clear();
    return formatId_;
  }
  void set_xf_number_format(std::size_t id) override { xfFormat_ = id; }
  std::size_t commit_cell_xf() override {
    const auto code = codes_.find(xfFormat_);
    xfDates_.push_back(isDateFormat(xfFormat_, code == codes_.end() ? "" : code->second));
    xfFormat_ = 0;
    return xfDates_.size() - 1;
  }
  std::size_t commit_cell_style_xf() override {
    xfFormat_ = 0;
    return styleXfs_++;
  }
  std::size_t commit_dxf() override {
    xfFormat_ = 0;
    return dxfs_++;
  }

  void set_font_count(std::size_t) override {}
  void set_font_bold(bool) override {}
  void set_font_italic(bool) override {}
  void set_font_name(std::string_view) override {}
  void set_font_size(double) override {}
  void set_font_underline(ss::underline_t) override {}
  void set_font_underline_width(ss::underline_width_t) override {}
  void set_font_underline_mode(ss::underline_mode_t) override {}
  void set_font_underline_type(ss::underline_type_t) override {}
  void set_font_underline_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                                ss::color_elem_t) override {}
  void set_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                      ss::color_elem_t) override {}
  void set_strikethrough_style(ss::strikethrough_style_t) override {}
  void set_strikethrough_type(ss::strikethrough_type_t) override {}
  void set_strikethrough_width(ss::strikethrough_width_t) override {}
  void set_strikethrough_text(ss::strikethrough_text_t) override {}
  std::size_t commit_font() override { return fonts_++; }
  void set_fill_count(std::size_t) override {}
  void set_fill_pattern_type(ss::fill_pattern_t) override {}
  void set_fill_fg_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                         ss::color_elem_t) override {}
  void set_fill_bg_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                         ss::color_elem_t) override {}
  std::size_t commit_fill() override { return fills_++; }
  void set_border_count(std::size_t) override {}
  void set_border_style(ss::border_direction_t, ss::border_style_t) override {}
  void set_border_color(ss::border_direction_t, ss::color_elem_t, ss::color_elem_t,
                        ss::color_elem_t, ss::color_elem_t) override {}
  void set_border_width(ss::border_direction_t, double, orcus::length_unit_t) override {}
  std::size_t commit_border() override { return borders_++; }
  void set_cell_hidden(bool) override {}
  void set_cell_locked(bool) override {}
  void set_cell_print_content(bool) override {}
  void set_cell_formula_hidden(bool) override {}
  std::size_t commit_cell_protection() override { return protections_++; }
  void set_number_format_count(std::size_t) override {}
  void set_cell_xf_count(std::size_t) override {}
  void set_cell_style_xf_count(std::size_t) override {}
  void set_dxf_count(std::size_t) override {}
  void set_xf_font(std::size_t) override {}
  void set_xf_fill(std::size_t) override {}
  void set_xf_border(std::size_t) override {}
  void set_xf_protection(std::size_t) override {}
  void set_xf_style_xf(std::size_t) override {}
  void set_xf_apply_alignment(bool) override {}
  void set_xf_horizontal_alignment(ss::hor_alignment_t) override {}
  void set_xf_vertical_alignment(ss::ver_alignment_t) override {}
  void set_cell_style_count(std::size_t) override {}
  void set_cell_style_name(std::string_view) override {}
  void set_cell_style_xf(std::size_t) override {}
  void set_cell_style_builtin(std::size_t) override {}
  void set_cell_style_parent_name(std::string_view) override {}
  std::size_t commit_cell_style() override { return cellStyles_++; }

 private:
  std::map<std::size_t, std::string> codes_;
  std::vector<bool> xfDates_;
  std::size_t formatId_ = 0;
  std::string formatCode_;
  std::size_t xfFormat_ = 0;
  std::size_t styleXfs_ = 0, dxfs_ = 0, fonts_ = 0, fills_ = 0, borders_ = 0, protections_ = 0,
              cellStyles_ = 0;
};

// The day numbers count from the file's own epoch (1899-12-30 unless told otherwise).
class GlobalSettings final : public iface::import_global_settings {
 public:
  double epoch = 0;  // the file's day 0 as an automation date

  void set_origin_date(int year, int month, int day) override {
    epoch = format::automationDateOf(year, month, day);
  }
  void set_default_formula_grammar(ss::formula_grammar_t g) override { grammar_ = g; }
  ss::formula_grammar_t get_default_formula_grammar() const override { return grammar_; }
  void set_character_set(orcus::character_set_t) override {}

 private:
  ss::formula_grammar_t grammar_ = ss::formula_grammar_t::unknown;
};

// Cell addresses as the files write them: "B7", "$B$7", "Sheet1!B7", ranges "A1:C9".
class References final : public iface::import_reference_resolver {
 public:
  ss::src_address_t resolve_address(std::string_view a) override {
    const std::size_t sheetEnd = a.find_last_of("!.");
    if (sheetEnd != std::string_view::npos) a.remove_prefix(sheetEnd + 1);
    ss::src_address_t out{0, 0, 0};
    std::size_t i = 0;
    int column = 0;
    if (i < a.size() && a[i] == '$') ++i;
    for (; i < a.size() && std::isalpha(static_cast<unsigned char>(a[i])); ++i)
      column = column * 26 + (std::toupper(static_cast<unsigned char>(a[i])) - 'A' + 1);
    if (i < a.size() && a[i] == '$') ++i;
    int row = 0;
    const std::size_t digitsFrom = i;
    for (; i < a.size() && std::isdigit(static_cast<unsigned char>(a[i])); ++i)
      row = row * 10 + (a[i] - '0');
    if (column == 0 || row == 0 || i == digitsFrom || i != a.size() || row > 1048576)
      throw std::invalid_argument("not a cell address: " + std::string(a));
    out.column = column - 1;
    out.row = row - 1;
    return out;
  }
  ss::src_range_t resolve_range(std::string_view r) override {
    const std::size_t colon = r.find(':');
    const ss::src_address_t first = resolve_address(r.substr(0, colon));
    return {first, colon == std::string_view::npos ? first : resolve_address(r.substr(colon + 1))};
  }
};

class SheetCells;

// A formula counts as the value it was last saved with.
class Formula final : public iface::import_formula {
 public:
  explicit Formula(SheetCells& sheet) : sheet_(sheet) {}
  void set_position(ss::row_t row, ss::col_t col) override {
    row_ = row;
    col_ = col;
    result_ = Cell{};
  }
  void set_formula(ss::formula_grammar_t, std::string_view) override {}
  void set_shared_formula_index(std::size_t) override {}
  void set_result_string(std::string_view value) override {
    result_ = Cell::ofText(std::string(value));
  }
  void set_result_value(double value) override { result_ = Cell::ofNumber(value); }
  void set_result_bool(bool value) override { result_ = Cell::ofText(value ? "TRUE" : "FALSE"); }
  void set_result_empty() override { result_ = Cell{}; }
  void commit() override;

 private:
  SheetCells& sheet_;
  ss::row_t row_ = 0;
  ss::col_t col_ = 0;
  Cell result_;
};

class SheetCells final : public iface::import_sheet {
 public:
  SheetCells(std::string name, const SharedStrings& strings, const GlobalSettings& settings)
      : formula_(*this), strings_(strings), settings_(settings) {
    sheet_.name = std::move(name);
  }

  const std::string& name() const { return sheet_.name; }

  Cell& cell(ss::row_t row, ss::col_t col) {
    if (row < 0 || col < 0) return scratch_;
    std::vector<Row>& rows = sheet_.rows;
    if (static_cast<std::size_t>(row) >= rows.size())
      rows.resize(static_cast<std::size_t>(row) + 1);
    Row& r = rows[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(col) >= r.size()) r.resize(static_cast<std::size_t>(col) + 1);
    return r[static_cast<std::size_t>(col)];
  }

  iface::import_formula* get_formula() override { return &formula_; }
  void set_auto(ss::row_t row, ss::col_t col, std::string_view s) override {
    cell(row, col) = Cell::ofText(std::string(s));
  }
  void set_string(ss::row_t row, ss::col_t col, ss::string_id_t id) override {
    cell(row, col) = Cell::ofText(strings_.at(id));
  }
  void set_value(ss::row_t row, ss::col_t col, double value) override {
    cell(row, col) = Cell::ofNumber(value);
  }
  void set_bool(ss::row_t row, ss::col_t col, bool value) override {
    cell(row, col) = Cell::ofText(value ? "TRUE" : "FALSE");
  }
  void set_date_time(ss::row_t row, ss::col_t col, int year, int month, int day, int hour,
                     int minute, double second) override {
    const format::DateTime t{year, month, day, hour, minute, static_cast<int>(second)};
    cell(row, col) = format::isValid(t) ? Cell::ofDate(format::toAutomationDate(t)) : Cell{};
  }
  void set_format(ss::row_t row, ss::col_t col, std::size_t xf) override {
    formats_.push_back({row, col, row, col, xf});
  }
  void set_format(ss::row_t row0, ss::col_t col0, ss::row_t row1, ss::col_t col1,
                  std::size_t xf) override {
    formats_.push_back({row0, col0, row1, col1, xf});
  }
  void fill_down_cells(ss::row_t row, ss::col_t col, ss::row_t size) override {
    const Cell from = cell(row, col);
    for (ss::row_t r = row + 1; r <= row + size; ++r) cell(r, col) = from;
  }
  ss::range_size_t get_sheet_size() const override { return {1048576, 16384}; }

  // Numbers shown as dates become dates, counted from 30 December 1899.
  Sheet finish(const Styles& styles) {
    for (const FormatRange& f : formats_) {
      if (!styles.showsDate(f.xf)) continue;
      const std::size_t lastRow =
          std::min<std::size_t>(static_cast<std::size_t>(f.row1) + 1, sheet_.rows.size());
      for (std::size_t r = static_cast<std::size_t>(f.row0); r < lastRow; ++r) {
        Row& row = sheet_.rows[r];
        const std::size_t lastCol =
            std::min<std::size_t>(static_cast<std::size_t>(f.col1) + 1, row.size());
        for (std::size_t c = static_cast<std::size_t>(f.col0); c < lastCol; ++c) {
          if (row[c].kind == Cell::Kind::Number)
            row[c] = Cell::ofDate(row[c].value + settings_.epoch);
        }
      }
    }
    formats_.clear();
    return std::move(sheet_);
  }

 private:
  struct FormatRange {
    ss::row_t row0;
    ss::col_t col0;
    ss::row_t row1;
    ss::col_t col1;
    std::size_t xf;
  };

  Formula formula_;
  const SharedStrings& strings_;
  const GlobalSettings& settings_;
  Sheet sheet_;
  std::vector<FormatRange> formats_;
  Cell scratch_;
};

void Formula::commit() { sheet_.cell(row_, col_) = result_; }

class Factory final : public iface::import_factory {
 public:
  iface::import_global_settings* get_global_settings() override { return &settings_; }
  iface::import_shared_strings* get_shared_strings() override { return &strings_; }
  iface::import_styles* get_styles() override { return &styles_; }
  iface::import_reference_resolver* get_reference_resolver(ss::formula_ref_context_t) override {
    return &references_;
  }
  iface::import_sheet* append_sheet(ss::sheet_t, std::string_view name) override {
    sheets_.push_back(std::make_unique<SheetCells>(std::string(name), strings_, settings_));
    return sheets_.back().get();
  }
  iface::import_sheet* get_sheet(std::string_view name) override {
    for (const auto& s : sheets_)
      if (s->name() == name) return s.get();
    return nullptr;
  }
  iface::import_sheet* get_sheet(ss::sheet_t index) override {
    return index >= 0 && static_cast<std::size_t>(index) < sheets_.size()
               ? sheets_[static_cast<std::size_t>(index)].get()
               : nullptr;
  }
  void finalize() override {}

  Workbook workbook() {
    Workbook book;
    for (const auto& s : sheets_) book.sheets.push_back(s->finish(styles_));
    return book;
  }

 private:
  GlobalSettings settings_;
  SharedStrings strings_;
  Styles styles_;
  References references_;
  std::vector<std::unique_ptr<SheetCells>> sheets_;
};

struct CsvRows {
  Sheet sheet;
  bool cp1252 = false;
  void begin_parse() {}
  void end_parse() {}
  void begin_row() { sheet.rows.emplace_back(); }
  void end_row() {}
  void cell(const char* p, std::size_t n, bool) {
    const std::string_view text(p, n);
    sheet.rows.back().push_back(
        Cell::ofText(cp1252 ? format::cp1252ToUtf8(text) : std::string(text)));
  }
};

bool isUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const std::size_t len = c < 0x80         ? 1
                            : (c >> 5) == 6  ? 2
                            : (c >> 4) == 14 ? 3
                            : (c >> 3) == 30 ? 4
                                             : 0;
    if (len == 0 || i + len > s.size()) return false;
    for (std::size_t k = 1; k < len; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += len;
  }
  return true;
}

// The parser takes a quoted cell at the end of a line only before a bare line feed.
std::string withLineFeeds(const std::string& content) {
  std::string out;
  out.reserve(content.size());
  for (std::size_t i = 0; i < content.size(); ++i)
    if (content[i] != '\r' || i + 1 >= content.size() || content[i + 1] != '\n') out += content[i];
  return out;
}

Workbook readCsv(std::string content, const std::string& name) {
  if (content.starts_with("\xEF\xBB\xBF")) content.erase(0, 3);
  content = withLineFeeds(content);
  const std::string_view firstLine(content.data(), std::min(content.find('\n'), content.size()));
  orcus::csv::parser_config config;
  config.delimiters = std::count(firstLine.begin(), firstLine.end(), ';') >
                              std::count(firstLine.begin(), firstLine.end(), ',')
                          ? ";"
                          : ",";
  config.text_qualifier = '"';
  config.trim_cell_value = false;
  CsvRows rows;
  rows.sheet.name = name;
  rows.cp1252 = !isUtf8(content);
  orcus::csv_parser<CsvRows> parser(content.data(), content.size(), rows, config);
  parser.parse();
  // A line break ends the last row; it starts none.
  while (!rows.sheet.rows.empty() && rows.sheet.rows.back().size() <= 1 &&
         (rows.sheet.rows.back().empty() || rows.sheet.rows.back()[0].empty()))
    rows.sheet.rows.pop_back();
  Workbook book;
  book.sheets.push_back(std::move(rows.sheet));
  return book;
}

std::string stemOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

Workbook readWorkbook(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SheetError("the file cannot be opened: " + std::string(std::strerror(errno)));
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw SheetError("the file cannot be read: " + std::string(std::strerror(errno)));
  try {
    orcus::format_t kind = orcus::format_t::unknown;
    // Zip archives are told apart by what they hold; anything else is taken for CSV text.
    if (content.starts_with("PK"))
      kind = orcus::detect(reinterpret_cast<const unsigned char*>(content.data()), content.size());
    Factory factory;
    switch (kind) {
      case orcus::format_t::xlsx: {
        orcus::orcus_xlsx filter(&factory);
        filter.read_stream(content);
        Workbook book = factory.workbook();
        // The filter passes over the texts cells hold themselves: they are put in here.
        for (InlineText& t : inlineTexts(content)) {
          if (t.sheet >= book.sheets.size()) continue;
          std::vector<Row>& rows = book.sheets[t.sheet].rows;
          if (rows.size() <= t.row) rows.resize(t.row + 1);
          if (rows[t.row].size() <= t.column) rows[t.row].resize(t.column + 1);
          rows[t.row][t.column] = Cell::ofText(unescaped(t.text));
        }
        return book;
      }
      case orcus::format_t::ods: {
        orcus::orcus_ods filter(&factory);
        filter.read_stream(content);
        return factory.workbook();
      }
      case orcus::format_t::unknown:
        if (content.starts_with("PK")) break;
        return readCsv(std::move(content), stemOf(path));
      default:
        break;
    }
  } catch (const std::exception& e) {
    throw SheetError(std::string("the file is damaged or not a spreadsheet (") + e.what() + ")");
  }
  throw SheetError("the file is neither an .xlsx, an .ods nor a .csv file");
}

}  // namespace vm::sheets
