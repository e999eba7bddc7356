// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "server/record_tables.h"
#include "server/result.h"
#include "server/wire_values.h"
#include "store/field_codec.h"

namespace vm::server {

// A record's bytes as the columns of its table, and back, so that a record comes back from the
// server byte for byte as it went in. Text columns hold the field's characters without the blanks
// that pad it; numbers hold the stored bits. Server text cannot hold a NUL character, so a field
// with one is kept with a blank in its place, and the record's own bytes go beside the columns in
// `raw`: whenever the columns alone would not give the record's bytes back, `raw` holds them, and
// reading prefers it. A change of the record writes `raw` anew from the changed bytes.

// The text a column holds of a text field: blanks at the end left out, NUL as a blank, UTF-8.
std::string columnText(std::string_view field);

// Whether the columns give back exactly these bytes; when not, `raw` keeps them.
bool columnsHold(const TableShape& shape, std::span<const char> record);

// Hands the record's columns, in the table's order, then `raw` (the bytes, or a null when the
// columns hold the record), to a sink with the adds of Params and CopyRows.
template <typename Sink>
void putColumns(const TableShape& shape, std::span<const char> record, Sink& sink) {
  namespace codec = store::codec;
  for (const ColumnShape& c : shape.columns) {
    switch (c.kind) {
      case ColumnKind::Date:
        sink.add(codec::getDouble(record, c.field));
        break;
      case ColumnKind::Single:
        sink.add(codec::getSingle(record, c.field));
        break;
      case ColumnKind::Int16:
        sink.add(codec::getInt16(record, c.field));
        break;
      case ColumnKind::Text:
        sink.text(columnText(codec::rawText(record, c.field)));
        break;
    }
  }
  if (columnsHold(shape, record))
    sink.null(wire::kBytes);
  else
    sink.bytes(std::string_view(record.data(), record.size()));
}

// The record of a result row whose columns, from `first` on, are the table's in its order and
// then `raw`.
void recordOf(const TableShape& shape, const Result& result, int row, int first,
              std::span<char> record);

// "name, name, ..., raw", the columns putColumns hands and recordOf takes, in order.
std::string columnList(const TableShape& shape);

// The columns a read that needs only some fields of the records asks for: those fields' columns,
// and `raw` when one is text (a text column alone may not give its field back). The other fields
// come back blank or zero.
struct ColumnPick {
  const TableShape* shape = nullptr;
  std::uint32_t columns = ~0u;  // a bit for each of the shape's columns, in its order
  bool raw = true;

  bool has(std::size_t column) const { return (columns >> column) & 1u; }
};

// Every column when `fields` is empty or names none of the shape's.
ColumnPick pickColumns(const TableShape& shape, std::span<const store::layout::Field> fields);

// "name, ..." of the pick, in its order: what recordOf takes.
std::string columnList(const ColumnPick& pick);

// The record, its unpicked fields left as they are, of a result row whose columns from `first` on
// are the pick's.
void recordOf(const ColumnPick& pick, const Result& result, int row, int first,
              std::span<char> record);

}  // namespace vm::server
