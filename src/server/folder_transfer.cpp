// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/folder_transfer.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <limits>
#include <map>
#include <vector>

#include "server/change_lines.h"
#include "server/folder_rows.h"
#include "server/row_writes.h"
#include "store/carried_files.h"
#include "store/file.h"
#include "store/file_swap.h"
#include "store/record_codec.h"
#include "store/whole_file.h"
#include "store/work_journal.h"

namespace vm::server {
namespace {

namespace L = store::layout::renewal;

// The records of the four record files copied so far, told to the progress; told again while a
// long statement of the copy runs (building an index, counting), so that a stop is not kept
// waiting for it.
class RecordTally {
 public:
  RecordTally(Connection& c, const store::PassProgress& progress, std::int64_t total)
      : progress_(progress),
        total_(static_cast<std::int32_t>(
            std::min<std::int64_t>(total, std::numeric_limits<std::int32_t>::max()))),
        teller_(progress, total_),
        check_(c, [this] { again(); }) {}
  void step() { teller_.at(++done_, 0); }
  void end() const { teller_.end(0); }

 private:
  void again() const {
    if (progress_) progress_(done_, total_, 0);
  }

  const store::PassProgress& progress_;
  std::int32_t total_;
  store::ProgressTeller teller_;
  Connection::StopCheck check_;
  std::int32_t done_ = 0;
};

std::int64_t recordsIn(store::FileTable& folder) {
  std::int64_t n = 0;
  for (const TableShape* shape : kRecordTables)
    if (folder.exists(shape->file)) n += store::OpenFile(folder, shape->file).count();
  return n;
}

// The secondary indexes of the tables a copy fills, taken off while the rows come in and built
// again after them, which takes half the time of keeping them up row by row. Only the tables'
// owner may; for anyone else the indexes stay. Within the copy's transaction, so that a failed
// copy gives them back as they were.
class IndexesSetAside {
 public:
  explicit IndexesSetAside(Connection& c) : c_(c) {
    const Result found = c.exec(
        "SELECT i.indexname, i.indexdef FROM pg_indexes i JOIN pg_tables t USING (schemaname, "
        "tablename) LEFT JOIN pg_constraint k ON k.conname = i.indexname WHERE i.schemaname = "
        "current_schema() AND i.tablename IN ('users', 'persons', 'courses', 'training') AND "
        "k.conname IS NULL AND pg_has_role(t.tableowner, 'USAGE')");
    for (int i = 0; i < found.rows(); ++i) {
      c.run("DROP INDEX " + quotedName(found.getText(i, 0)));
      made_.push_back(found.getText(i, 1));
    }
  }
  void buildAgain() {
    for (const std::string& make : made_) c_.run(make);
  }

 private:
  static std::string quotedName(const std::string& name) {
    std::string out = "\"";
    for (const char ch : name) out += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return out + "\"";
  }

  Connection& c_;
  std::vector<std::string> made_;  // CREATE INDEX statements
};

}  // namespace

TransferCount copyFolderToServer(Connection& c, store::FileTable& folder,
                                 const store::PassProgress& progress) {
  if (folder.exists(store::kJournalName) || folder.exists(store::kSwapMarkerName))
    throw TransferRefused("The data folder \"" + folder.folder() +
                          "\" holds work that was cut short and is not finished yet.\nOpen the "
                          "folder with Verdimark once, which finishes it; then copy it.");
  const std::int64_t total = progress ? recordsIn(folder) : 0;
  return c.transaction([&] {
    RecordTally tally(c, progress, total);
    for (const store::DataFile list : store::kRecordFiles) holdList(c, list);
    const bool empty =
        c.exec(
             "SELECT NOT EXISTS (SELECT FROM users) AND NOT EXISTS (SELECT FROM persons) AND "
             "NOT EXISTS (SELECT FROM courses) AND NOT EXISTS (SELECT FROM training) AND NOT "
             "EXISTS (SELECT FROM renewals) AND NOT EXISTS (SELECT FROM change_log) AND NOT "
             "EXISTS (SELECT FROM user_log)")
            .getBool(0, 0);
    if (!empty)
      throw TransferRefused("The database \"" + c.database() + "\" on the server \"" + c.server() +
                            "\" already holds records.\nA data folder is copied only into a "
                            "database that holds none; nothing was copied.");
    IndexesSetAside indexes(c);
    const std::function<void()> step = [&] { tally.step(); };
    TransferCount n;
    n.users = copyFileRows(c, folder, kUsers, step, nullptr);
    n.persons = copyFileRows(c, folder, kPersons, step, nullptr);
    n.courses = copyFileRows(c, folder, kCourses, step, nullptr);
    n.training = copyFileRows(c, folder, kTraining, step, nullptr);
    indexes.buildAgain();
    n.renewals = copyRenewalRows(c, folder);
    n.changeLines = copyLogLines(c, folder, store::kChangeLogName, kChangeLogTable);
    n.userLogLines = copyLogLines(c, folder, store::kUserLogName, kUserLogTable);
    tally.end();
    return n;
  });
}

TransferCount copyServerToFolder(Connection& c, store::FileSystem& fs, const std::string& target,
                                 const store::PassProgress& progress) {
  namespace fsys = std::filesystem;
  std::error_code ec;
  if (fsys::exists(target) && !fsys::is_empty(target))
    throw TransferRefused("The folder \"" + target +
                          "\" is not empty.\nThe copy goes into a new or an empty folder.");
  const std::string staging = target + ".$$$";
  fsys::remove_all(staging, ec);
  fsys::create_directories(staging);
  try {
    TransferCount n;
    c.transaction(
        [&] {
          n = {};
          std::int64_t total = 0;
          if (progress)
            for (const TableShape* shape : kRecordTables)
              total += c.exec("SELECT count(*) FROM " + std::string(shape->table)).getInt64(0, 0);
          RecordTally tally(c, progress, total);
          using Piece = std::function<void(std::string_view)>;
          const auto records = [&](const TableShape& shape, std::int64_t& count) {
            return [&](const Piece& put) {
              scanRecords(c, shape, [&](std::span<const char> block) {
                put({block.data(), block.size()});
                const std::size_t records = block.size() / store::recordLength(shape.file);
                count += static_cast<std::int64_t>(records);
                for (std::size_t r = 0; r < records; ++r) tally.step();
                return true;
              });
            };
          };
          const std::vector<RenewalRow> renewals = listRenewals(c);
          n.renewals = static_cast<std::int64_t>(renewals.size());
          const std::string changeLog = logBytes(c, kChangeLogTable);
          const std::string userLog = logBytes(c, kUserLogTable);
          // What the database has for each file the data travels in, and whether it has any.
          const std::map<std::string_view, std::pair<std::function<void(const Piece&)>, bool>>
              sources = {
                  {store::fileName(store::DataFile::Users), {records(kUsers, n.users), true}},
                  {store::fileName(store::DataFile::Names), {records(kPersons, n.persons), true}},
                  {store::fileName(store::DataFile::Courses), {records(kCourses, n.courses), true}},
                  {store::fileName(store::DataFile::Training),
                   {records(kTraining, n.training), true}},
                  {store::kUserLogName, {[&](const Piece& put) { put(userLog); }, true}},
                  {store::kChangeLogName,
                   {[&](const Piece& put) { put(changeLog); }, !changeLog.empty()}},
                  {store::fileName(store::DataFile::Renewals),
                   {[&](const Piece& put) {
                      std::string record(L::kLength, '\0');
                      for (const RenewalRow& row : renewals) {
                        store::RecordTraits<store::RenewalRecord>::encode(row.period, record);
                        record.replace(L::Reserved.offset, L::Reserved.width, row.reserved);
                        put(record);
                      }
                    },
                    !renewals.empty()}},
              };
          for (const store::CarriedFile& file : store::kCarriedFiles) {
            const auto source = sources.find(file.name);
            if (source == sources.end())
              throw std::logic_error("the server cannot write " + std::string(file.name));
            if (file.carry == store::Carry::Always || source->second.second)
              store::writeNewFile(fs, staging + "/" + std::string(file.name), source->second.first);
          }
          n.changeLines =
              static_cast<std::int64_t>(std::count(changeLog.begin(), changeLog.end(), '\n'));
          n.userLogLines =
              static_cast<std::int64_t>(std::count(userLog.begin(), userLog.end(), '\n'));
          tally.end();
        },
        TxMode::Snapshot);
    fs.syncFolder(staging);
    fsys::rename(staging, target);
    try {
      fs.syncFolder(fsys::path(target).parent_path().string());
    } catch (...) {
      // The new name may not last: the copy is taken back whole rather than said to have failed
      // and left standing.
      fsys::remove_all(target, ec);
      throw;
    }
    return n;
  } catch (...) {
    fsys::remove_all(staging, ec);
    throw;
  }
}

}  // namespace vm::server
