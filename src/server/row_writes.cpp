// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/row_writes.h"

#include <set>

#include "format/automation_date.h"
#include "server/row_codec.h"

namespace vm::server {
namespace {

// Advisory lock keys of the lists: one number per table, in a range of the program's own.
std::int64_t listLock(store::DataFile list) { return 0x56455200 + static_cast<std::int64_t>(list); }

// Params take the columns as they come.
std::string updateList(const TableShape& shape) {
  std::string out;
  int n = 2;
  for (const ColumnShape& c : shape.columns)
    out += std::string(c.name) + " = $" + std::to_string(n++) + ", ";
  return out + "raw = $" + std::to_string(n) + ", changed_by = $" + std::to_string(n + 1) +
         ", changed_at = $" + std::to_string(n + 2) + ", version = version + 1";
}

std::string placeholders(int first, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += (i ? ", $" : "$") + std::to_string(first + i);
  return out;
}

}  // namespace

double changeStamp(const store::ChangeAuthor& author) {
  return format::toAutomationDate(author.when);
}

void holdList(Connection& c, store::DataFile list) {
  c.exec("SELECT pg_advisory_xact_lock($1)", Params().add(listLock(list)));
}

template <typename Record>
Row<Record> lockedRow(Connection& c, RowRef ref, std::string_view what, bool share) {
  const TableShape& shape = shapeOf<Record>();
  const Result result =
      c.exec("SELECT " + rowSelectList(shape) + ", changed_by, changed_at FROM " +
                 std::string(shape.table) + " WHERE pos = $1 FOR " + (share ? "SHARE" : "UPDATE"),
             Params().add(ref.pos));
  if (result.rows() == 0) throw EditConflict::removed(what);
  Row<Record> row = rowOf<Record>(result, 0);
  if (row.version != ref.version) {
    const int by = result.columns() - 2;
    throw EditConflict::changed(what, result.getText(0, by), result.getDouble(0, by + 1));
  }
  return row;
}

template Row<store::UserRecord> lockedRow(Connection&, RowRef, std::string_view, bool);
template Row<store::NameRecord> lockedRow(Connection&, RowRef, std::string_view, bool);
template Row<store::CourseRecord> lockedRow(Connection&, RowRef, std::string_view, bool);
template Row<store::TrainingRecord> lockedRow(Connection&, RowRef, std::string_view, bool);

double uniqueStamp(Connection& c, const TableShape& shape, const format::DateTime& now) {
  const double first = format::toAutomationDate(now);
  const Result result =
      c.exec("SELECT date_created FROM " + std::string(shape.table) + " WHERE date_created >= $1",
             Params().add(first));
  std::set<double> taken;
  for (int i = 0; i < result.rows(); ++i) taken.insert(result.getDouble(i, 0));
  constexpr double kSecond = 1.0 / 86400.0;
  double stamp = first;
  for (int step = 1; taken.count(stamp) != 0; ++step)
    stamp = format::toAutomationDate(format::fromAutomationDate(first + step * kSecond));
  return stamp;
}

std::int64_t insertRow(Connection& c, const TableShape& shape, std::span<const char> bytes,
                       const store::ChangeAuthor& author) {
  Params params;
  putColumns(shape, bytes, params);
  params.text(author.user).add(changeStamp(author));
  const int n = static_cast<int>(shape.columns.size()) + 3;
  return c
      .exec("INSERT INTO " + std::string(shape.table) + " (" + columnList(shape) +
                ", changed_by, changed_at) VALUES (" + placeholders(1, n) + ") RETURNING pos",
            params)
      .getInt64(0, 0);
}

std::string copyColumns(const TableShape& shape) {
  return "(" + columnList(shape) + ", changed_by, changed_at)";
}

void copyRow(CopyRows& copy, const TableShape& shape, std::span<const char> bytes,
             const store::ChangeAuthor* author) {
  copy.row(static_cast<int>(shape.columns.size()) + 3);
  putColumns(shape, bytes, copy);
  copy.text(author ? std::string_view(author->user) : std::string_view());
  copy.add(author ? changeStamp(*author) : 0.0);
}

void updateRow(Connection& c, const TableShape& shape, std::int64_t pos,
               std::span<const char> bytes, const store::ChangeAuthor& author) {
  Params params;
  params.add(pos);
  putColumns(shape, bytes, params);
  params.text(author.user).add(changeStamp(author));
  c.exec("UPDATE " + std::string(shape.table) + " SET " + updateList(shape) + " WHERE pos = $1",
         params);
}

void deleteRow(Connection& c, const TableShape& shape, std::int64_t pos) {
  c.exec("DELETE FROM " + std::string(shape.table) + " WHERE pos = $1", Params().add(pos));
}

}  // namespace vm::server
