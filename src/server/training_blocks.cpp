// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/training_blocks.h"

#include "server/result.h"
#include "server/training_queries.h"

namespace vm::server {
namespace {

class ServerBlocks final : public scan::TrainingBlocks {
 public:
  ServerBlocks(Connection& connection, const scan::TrainingHint& hint)
      : connection_(connection), hint_(hint), some_(someOfEachPersonPays(connection, hint)) {}

  // Progress counts towards every record on the server, as the planner estimates them (its
  // records a page at the last statistics, times the pages the table has now): counting them, or
  // those that meet the hint, would cost much of the pass. A table never yet looked at is counted.
  std::int64_t count() const override {
    const Result estimate = connection_.exec(
        "SELECT (reltuples / relpages * (pg_relation_size(oid) / "
        "current_setting('block_size')::integer))::bigint FROM pg_class WHERE oid = "
        "'training'::regclass AND relpages > 0 AND reltuples >= 0");
    if (estimate.rows() > 0) return estimate.getInt64(0, 0);
    return connection_.exec("SELECT count(*) FROM training").getInt64(0, 0);
  }
  int ranges() const override { return 1; }
  // One stream: the first range holds every record, so a pass told to read in more ranges
  // still reads each once.
  void scan(int range, int, const scan::TrainingBlockVisit& visit) override {
    if (range != 0) return;
    // While the server works on a statement of the pass, the pass is handed an empty block now
    // and then, so that it tells its progress and hears a stop meanwhile, not only between blocks.
    const Connection::StopCheck check(connection_, [&] { visit({}); });
    if (some_)
      scanSomeOfEachPerson(connection_, hint_, visit);
    else
      scanCandidates(connection_, hint_, visit);
  }
  bool someOfEachPerson() const override { return some_; }
  std::unique_ptr<scan::TrainingBlocks> everyRecordOf(std::vector<double> persons) const override {
    scan::TrainingHint every = hint_;
    every.persons = std::move(persons);
    every.anyOfPerson = false;
    return std::make_unique<ServerBlocks>(connection_, every);
  }

 private:
  Connection& connection_;
  scan::TrainingHint hint_;
  bool some_;
};

}  // namespace

std::unique_ptr<scan::TrainingBlocks> trainingBlocks(Connection& connection,
                                                     const scan::TrainingHint& hint) {
  return std::make_unique<ServerBlocks>(connection, hint);
}

}  // namespace vm::server
