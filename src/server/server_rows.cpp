// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/server_rows.h"

#include <atomic>

#include "server/row_codec.h"
#include "store/record_codec.h"

namespace vm::server {
namespace {

constexpr int kFirstColumn = 2;  // after pos and version
constexpr int kScanRows = 4096;

}  // namespace

std::string rowSelectList(const TableShape& shape) { return "pos, version, " + columnList(shape); }

template <typename Record>
Row<Record> rowOf(const Result& result, int row) {
  const TableShape& shape = shapeOf<Record>();
  std::string bytes(store::recordLength(shape.file), '\0');
  recordOf(shape, result, row, kFirstColumn, bytes);
  return {result.getInt64(row, 0), result.getInt32(row, 1), store::decoded<Record>(bytes)};
}

template <typename Record>
std::vector<Row<Record>> listRows(Connection& c) {
  const TableShape& shape = shapeOf<Record>();
  const Result result = c.exec("SELECT " + rowSelectList(shape) + " FROM " +
                               std::string(shape.table) + " ORDER BY pos");
  std::vector<Row<Record>> rows;
  rows.reserve(static_cast<std::size_t>(result.rows()));
  for (int i = 0; i < result.rows(); ++i) rows.push_back(rowOf<Record>(result, i));
  return rows;
}

template <typename Record>
std::optional<Row<Record>> readRow(Connection& c, std::int64_t pos) {
  const TableShape& shape = shapeOf<Record>();
  const Result result = c.exec(
      "SELECT " + rowSelectList(shape) + " FROM " + std::string(shape.table) + " WHERE pos = $1",
      Params().add(pos));
  if (result.rows() == 0) return std::nullopt;
  return rowOf<Record>(result, 0);
}

#define VERDIMARK_ROWS_OF(Record)                                  \
  template Row<Record> rowOf<Record>(const Result&, int);          \
  template std::vector<Row<Record>> listRows<Record>(Connection&); \
  template std::optional<Row<Record>> readRow<Record>(Connection&, std::int64_t);
VERDIMARK_ROWS_OF(store::UserRecord)
VERDIMARK_ROWS_OF(store::NameRecord)
VERDIMARK_ROWS_OF(store::CourseRecord)
VERDIMARK_ROWS_OF(store::TrainingRecord)
#undef VERDIMARK_ROWS_OF

std::vector<Row<store::TrainingRecord>> trainingOf(Connection& c, double personId) {
  const Result result = c.exec("SELECT " + rowSelectList(kTraining) +
                                   " FROM training WHERE person_link = verdimark_link($1) "
                                   "ORDER BY pos",
                               Params().add(personId));
  std::vector<Row<store::TrainingRecord>> rows;
  rows.reserve(static_cast<std::size_t>(result.rows()));
  for (int i = 0; i < result.rows(); ++i) rows.push_back(rowOf<store::TrainingRecord>(result, i));
  return rows;
}

std::vector<RenewalRow> listRenewals(Connection& c) {
  const Result result =
      c.exec("SELECT pos, course_id, months, reserved FROM renewals ORDER BY pos");
  std::vector<RenewalRow> rows;
  for (int i = 0; i < result.rows(); ++i)
    rows.push_back({result.getInt64(i, 0),
                    {result.getDouble(i, 1), result.getInt16(i, 2)},
                    result.getText(i, 3)});
  return rows;
}

void scanQuery(Connection& c, const ColumnPick& pick, const std::string& query,
               const Params& params, const BlockVisit& visit) {
  const std::size_t length = store::recordLength(pick.shape->file);
  // A name of its own, should a scan that failed have left its cursor in the caller's transaction.
  static std::atomic<int> scans{0};
  const std::string cursor = "verdimark_scan_" + std::to_string(++scans);
  c.transaction(
      [&] {
        // The scan reads its whole result, so the plan is chosen for every row rather than the
        // first few (planned for the first rows, a search went through the listed persons again
        // for every record, for hours), and sorts the rows in memory.
        c.run("SET LOCAL cursor_tuple_fraction = 1; SET LOCAL work_mem = '64MB'");
        c.exec("DECLARE " + cursor + " NO SCROLL CURSOR FOR " + query, params);
        std::string block;
        for (;;) {
          const Result result = c.exec("FETCH " + std::to_string(kScanRows) + " FROM " + cursor);
          if (result.rows() == 0) break;
          block.assign(length * static_cast<std::size_t>(result.rows()), '\0');
          for (int i = 0; i < result.rows(); ++i)
            recordOf(pick, result, i, 0,
                     std::span<char>(block).subspan(length * static_cast<std::size_t>(i), length));
          if (!visit(block)) break;
        }
        c.run("CLOSE " + cursor);
      },
      TxMode::Snapshot);
}

void scanRecords(Connection& c, const TableShape& shape, const BlockVisit& visit) {
  scanQuery(c, {&shape},
            "SELECT " + columnList(shape) + " FROM " + std::string(shape.table) + " ORDER BY pos",
            {}, visit);
}

void scanTraining(Connection& c, const BlockVisit& visit) { scanRecords(c, kTraining, visit); }

}  // namespace vm::server
