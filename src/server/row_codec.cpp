// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/row_codec.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "format/cp1252.h"

namespace vm::server {

namespace codec = store::codec;

std::string columnText(std::string_view field) {
  const std::size_t end = field.find_last_not_of(' ');
  std::string text(field.substr(0, end == std::string_view::npos ? 0 : end + 1));
  std::replace(text.begin(), text.end(), '\0', ' ');
  return format::cp1252ToUtf8(text);
}

bool columnsHold(const TableShape& shape, std::span<const char> record) {
  for (const ColumnShape& c : shape.columns) {
    if (c.kind != ColumnKind::Text) continue;
    // Text without NUL comes back exactly: Windows-1252 reads back byte for byte and the padding
    // is blanks again.
    const std::string_view text = codec::rawText(record, c.field);
    if (text.find('\0') != std::string_view::npos) return false;
  }
  return true;
}

namespace {

// A text column into its field. Plain ASCII, which most text is, is copied as it is; anything else
// goes through the code page.
void putColumnText(std::span<char> record, store::layout::Field f, std::string_view utf8) {
  if (utf8.size() <= f.width &&
      std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; })) {
    std::copy(utf8.begin(), utf8.end(), record.begin() + static_cast<std::ptrdiff_t>(f.offset));
    std::fill(record.begin() + static_cast<std::ptrdiff_t>(f.offset + utf8.size()),
              record.begin() + static_cast<std::ptrdiff_t>(f.end()), ' ');
    return;
  }
  codec::putText(record, f, utf8);
}

}  // namespace

void recordOf(const TableShape& shape, const Result& result, int row, int first,
              std::span<char> record) {
  recordOf(ColumnPick{&shape}, result, row, first, record);
}

void recordOf(const ColumnPick& pick, const Result& result, int row, int first,
              std::span<char> record) {
  const std::span<const ColumnShape> columns = pick.shape->columns;
  const int raw = first + std::popcount(pick.columns & ((1u << columns.size()) - 1));
  if (pick.raw && !result.isNull(row, raw)) {
    const std::string_view bytes = result.raw(row, raw);
    std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
    return;
  }
  int column = first;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (!pick.has(i)) continue;
    const ColumnShape& c = columns[i];
    switch (c.kind) {
      case ColumnKind::Date:
        codec::putDouble(record, c.field, result.getDouble(row, column));
        break;
      case ColumnKind::Single:
        codec::putSingle(record, c.field, result.getSingle(row, column));
        break;
      case ColumnKind::Int16:
        codec::putInt16(record, c.field, result.getInt16(row, column));
        break;
      case ColumnKind::Text:
        putColumnText(record, c.field, result.raw(row, column));
        break;
    }
    ++column;
  }
}

ColumnPick pickColumns(const TableShape& shape, std::span<const store::layout::Field> fields) {
  ColumnPick pick{&shape, 0, false};
  for (std::size_t i = 0; i < shape.columns.size(); ++i) {
    const ColumnShape& c = shape.columns[i];
    if (std::none_of(fields.begin(), fields.end(),
                     [&](store::layout::Field f) { return f.offset == c.field.offset; }))
      continue;
    pick.columns |= 1u << i;
    pick.raw |= c.kind == ColumnKind::Text;
  }
  return pick.columns ? pick : ColumnPick{&shape};
}

std::string columnList(const ColumnPick& pick) {
  std::string out;
  for (std::size_t i = 0; i < pick.shape->columns.size(); ++i)
    if (pick.has(i)) out += std::string(pick.shape->columns[i].name) + ", ";
  if (pick.raw) return out + "raw";
  out.resize(out.size() - 2);
  return out;
}

std::string columnList(const TableShape& shape) {
  std::string out;
  for (const ColumnShape& c : shape.columns) out += std::string(c.name) + ", ";
  return out + "raw";
}

}  // namespace vm::server
