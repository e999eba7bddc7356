// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "server/connection.h"
#include "server/record_tables.h"
#include "server/row_codec.h"
#include "store/records.h"

namespace vm::server {

// One record as the server holds it: its place in the file order of its list (lists come in this
// order, as the records of a file do, and a record keeps its place for good), and its version,
// which grows by one with every change, so that a save can tell whether the record changed since
// it was read.
template <typename Record>
struct Row {
  std::int64_t pos = 0;
  std::int32_t version = 0;
  Record record{};
};

// A record as the caller read it: where it is, and the version it had then.
struct RowRef {
  std::int64_t pos = 0;
  std::int32_t version = 0;
};

template <typename Record>
RowRef refOf(const Row<Record>& row) {
  return {row.pos, row.version};
}

template <typename Record>
const TableShape& shapeOf();
template <>
inline const TableShape& shapeOf<store::UserRecord>() {
  return kUsers;
}
template <>
inline const TableShape& shapeOf<store::NameRecord>() {
  return kPersons;
}
template <>
inline const TableShape& shapeOf<store::CourseRecord>() {
  return kCourses;
}
template <>
inline const TableShape& shapeOf<store::TrainingRecord>() {
  return kTraining;
}

// Every record of the list, in file order.
template <typename Record>
std::vector<Row<Record>> listRows(Connection& connection);

// The record at `pos`, or nothing when there is none (any more).
template <typename Record>
std::optional<Row<Record>> readRow(Connection& connection, std::int64_t pos);

// The training records of the person whose DateCreated is `personId`, in file order, found by the
// link rule of the record files (the same number, or the same 15 significant digits).
std::vector<Row<store::TrainingRecord>> trainingOf(Connection& connection, double personId);

// The renewal periods in file order, each with the reserved bytes of its record, so that they go
// back to a file as they came.
struct RenewalRow {
  std::int64_t pos = 0;
  store::RenewalRecord period{};
  std::string reserved;
};
std::vector<RenewalRow> listRenewals(Connection& connection);

// Hands every training record to `visit` in file order, a block of whole records at a time in the
// layout of Training.Records, read as of one moment; the pass ends early when `visit` returns
// false.
using BlockVisit = std::function<bool(std::span<const char> block)>;
void scanTraining(Connection& connection, const BlockVisit& visit);
// The same for the records of any list.
void scanRecords(Connection& connection, const TableShape& shape, const BlockVisit& visit);
// The same for the records a query gives, its columns those of the pick (row_codec.h), in order.
void scanQuery(Connection& connection, const ColumnPick& pick, const std::string& query,
               const Params& params, const BlockVisit& visit);

// What a SELECT of a table's rows lists ("pos, version, <columns>, raw"), and the row it gives.
std::string rowSelectList(const TableShape& shape);
template <typename Record>
Row<Record> rowOf(const Result& result, int row);

}  // namespace vm::server
