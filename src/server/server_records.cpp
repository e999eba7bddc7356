// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/server_records.h"

#include <algorithm>
#include <utility>

#include "format/cp1252.h"
#include "server/change_lines.h"
#include "server/change_notes.h"
#include "server/edit_conflict.h"
#include "server/record_additions.h"
#include "server/record_edits.h"
#include "server/renewal_edits.h"
#include "server/schema.h"
#include "server/server_backups.h"
#include "server/server_change_lines.h"
#include "server/server_rows.h"
#include "server/training_blocks.h"
#include "server/training_edits.h"
#include "store/record_codec.h"

namespace vm::server {
namespace {

using store::CourseRecord;
using store::DataFile;
using store::NameRecord;
using store::TrainingRecord;
using store::UserRecord;

std::string tableOf(DataFile list) {
  if (list == DataFile::Renewals) return "renewals";
  const auto shape = std::find_if(kRecordTables.begin(), kRecordTables.end(),
                                  [&](const TableShape* s) { return s->file == list; });
  return std::string((*shape)->table);
}

// What an EditConflict calls a record of the list.
std::string_view whatIs(DataFile list) {
  switch (list) {
    case DataFile::Users:
      return "user";
    case DataFile::Names:
      return "person";
    case DataFile::Courses:
      return "course";
    default:
      return "training record";
  }
}

// Runs `work`, which gives what to tell as hits, in one transaction, telling `progress` at its
// start, again and again while a statement of it runs, and at its end; a stop at any of these
// cancels what runs and takes the whole of it back.
template <typename Work>
void toldWork(Connection& c, const store::PassProgress& progress, Work&& work) {
  const Connection::StopCheck check(c, [&] {
    if (progress) progress(0, 1, 0);
  });
  c.transaction([&] {
    if (progress) progress(0, 1, 0);
    const std::int32_t hits = work();
    if (progress) progress(1, 1, hits);
  });
}

std::string_view tableOf(records::Log log) {
  return log == records::Log::User ? kUserLogTable : kChangeLogTable;
}

}  // namespace

ServerRecords::ServerRecords(Connection& connection) : connection_(connection) {
  connection_.listen(kChangeChannel);
}

template <>
RowNumbers& ServerRecords::numbers<UserRecord>() {
  return users_;
}
template <>
RowNumbers& ServerRecords::numbers<NameRecord>() {
  return persons_;
}
template <>
RowNumbers& ServerRecords::numbers<CourseRecord>() {
  return courses_;
}

template <typename Record>
std::vector<Record> ServerRecords::list() {
  const std::vector<Row<Record>> rows = listRows<Record>(connection_);
  numbers<Record>().listed(rows);
  std::vector<Record> records;
  records.reserve(rows.size());
  for (const Row<Record>& row : rows) records.push_back(row.record);
  return records;
}

// A number the caller never listed (or one past a listing) is looked for in a fresh listing.
template <typename Record>
RowRef& ServerRecords::numbered(std::int32_t n) {
  if (!numbers<Record>().holds(n)) list<Record>();
  if (!numbers<Record>().holds(n)) throw EditConflict::removed(whatIs(shapeOf<Record>().file));
  return numbers<Record>().at(n);
}

template <typename Record>
Record ServerRecords::read(std::int32_t n) {
  RowRef& ref = numbered<Record>(n);
  const std::optional<Row<Record>> row = readRow<Record>(connection_, ref.pos);
  if (!row) throw EditConflict::removed(whatIs(shapeOf<Record>().file));
  ref.version = row->version;
  return row->record;
}

template <typename Record>
Record ServerRecords::saved(std::int32_t n, const Row<Record>& row) {
  numbered<Record>(n).version = row.version;
  return row.record;
}

template <typename Record>
std::optional<Record> ServerRecords::added(const std::optional<Row<Record>>& row) {
  if (!row) return std::nullopt;
  numbers<Record>().added(refOf(*row));
  return row->record;
}

bool ServerRecords::exists(DataFile list) {
  return connection_.exec("SELECT EXISTS (SELECT 1 FROM " + tableOf(list) + ")").getBool(0, 0);
}

std::int32_t ServerRecords::count(DataFile list) {
  return static_cast<std::int32_t>(
      connection_.exec("SELECT count(*) FROM " + tableOf(list)).getInt64(0, 0));
}

std::vector<UserRecord> ServerRecords::users() { return list<UserRecord>(); }
UserRecord ServerRecords::user(std::int32_t n) { return read<UserRecord>(n); }

std::optional<UserRecord> ServerRecords::addUser(const store::ChangeAuthor& author,
                                                 const UserRecord& user) {
  return added(server::addUser(connection_, author, user));
}

UserRecord ServerRecords::saveUser(const store::ChangeAuthor& author, std::int32_t n,
                                   const UserRecord& user, bool passwordChanged) {
  return saved(
      n, server::saveUser(connection_, author, numbered<UserRecord>(n), user, passwordChanged));
}

void ServerRecords::removeUser(const store::ChangeAuthor& author, std::int32_t n) {
  server::removeUser(connection_, author, numbered<UserRecord>(n));
  users_.removed(n);
}

std::vector<NameRecord> ServerRecords::persons() { return list<NameRecord>(); }
NameRecord ServerRecords::person(std::int32_t n) { return read<NameRecord>(n); }

std::optional<NameRecord> ServerRecords::addPerson(const store::ChangeAuthor& author,
                                                   const NameRecord& person) {
  return added(server::addPerson(connection_, author, person));
}

NameRecord ServerRecords::savePerson(const store::ChangeAuthor& author, std::int32_t n,
                                     const NameRecord& person) {
  return saved(n, server::savePerson(connection_, author, numbered<NameRecord>(n), person));
}

std::int32_t ServerRecords::removePerson(const store::ChangeAuthor& author, std::int32_t n,
                                         const store::PassProgress& progress) {
  const RowRef ref = numbered<NameRecord>(n);
  std::int32_t gone = 0;
  toldWork(connection_, progress,
           [&] { return gone = server::removePerson(connection_, author, ref); });
  persons_.removed(n);
  return gone;
}

std::vector<CourseRecord> ServerRecords::courses() { return list<CourseRecord>(); }
CourseRecord ServerRecords::course(std::int32_t n) { return read<CourseRecord>(n); }

std::optional<CourseRecord> ServerRecords::addCourse(const store::ChangeAuthor& author,
                                                     const CourseRecord& course) {
  return added(server::addCourse(connection_, author, course));
}

CourseRecord ServerRecords::saveCourse(const store::ChangeAuthor& author, std::int32_t n,
                                       const CourseRecord& course) {
  return saved(n, server::saveCourse(connection_, author, numbered<CourseRecord>(n), course));
}

void ServerRecords::removeCourse(const store::ChangeAuthor& author, std::int32_t n,
                                 const store::PassProgress& progress) {
  const RowRef ref = numbered<CourseRecord>(n);
  toldWork(connection_, progress, [&] {
    server::removeCourse(connection_, author, ref);
    return 0;
  });
  courses_.removed(n);
}

records::CarryCount ServerRecords::carryCourse(const store::ChangeAuthor& author, std::int32_t n,
                                               const store::PassProgress& progress) {
  const RowRef ref = numbered<CourseRecord>(n);
  server::CarryCount carried;
  toldWork(connection_, progress, [&] {
    carried = server::carryCourse(connection_, author, ref);
    return carried.updated;
  });
  return {carried.reviewed, carried.updated};
}

CourseRecord ServerRecords::credit(const store::ChangeAuthor& author,
                                   const records::Credit& credit) {
  server::Credit onServer{
      numbered<CourseRecord>(credit.courseRecNum).pos, {}, credit.trainingDate, credit.comments};
  for (const std::int32_t n : credit.personRecNums)
    onServer.persons.push_back(numbered<NameRecord>(n).pos);
  return creditTraining(connection_, author, onServer);
}

std::vector<records::NumberedTraining> ServerRecords::trainingOf(double personId,
                                                                 const scan::PassOptions& pass) {
  std::vector<records::NumberedTraining> training;
  for (const Row<TrainingRecord>& row : server::trainingOf(connection_, personId)) {
    trainingVersions_[row.pos] = row.version;
    training.push_back({static_cast<std::int32_t>(row.pos), row.record});
  }
  // One query: only its end is worth telling.
  const auto found = static_cast<std::int64_t>(training.size());
  if (pass.progress) pass.progress(found, found);
  return training;
}

// Training record n as it is now, with the version the caller last saw of it (for one it never
// saw, the one it has now), so that a change made meanwhile is refused.
Row<TrainingRecord> ServerRecords::trainingSeen(std::int32_t n) {
  std::optional<Row<TrainingRecord>> row = readRow<TrainingRecord>(connection_, n);
  if (!row) throw EditConflict::removed(whatIs(DataFile::Training));
  const auto seen = trainingVersions_.find(n);
  if (seen != trainingVersions_.end()) row->version = seen->second;
  return *row;
}

void ServerRecords::editTraining(const store::ChangeAuthor& author, std::int32_t n,
                                 std::string_view person, const records::TrainingEdit& edit) {
  const Row<TrainingRecord> seen = trainingSeen(n);
  const std::string before = store::encoded(seen.record);
  std::string after = before;
  edit(after);
  if (after == before) return;
  trainingVersions_[n] =
      saveTraining(connection_, author, refOf(seen), person, store::decoded<TrainingRecord>(after))
          .version;
}

void ServerRecords::removeTraining(const store::ChangeAuthor& author, std::int32_t n,
                                   std::string_view person, const store::PassProgress& progress) {
  const RowRef ref = refOf(trainingSeen(n));
  toldWork(connection_, progress, [&] {
    server::removeTraining(connection_, author, ref, person);
    return 0;
  });
  trainingVersions_.erase(n);
}

std::unique_ptr<scan::TrainingBlocks> ServerRecords::trainingBlocks(
    const scan::TrainingHint& hint) {
  return server::trainingBlocks(connection_, hint);
}

std::vector<store::RenewalRecord> ServerRecords::renewalPeriods() {
  std::vector<store::RenewalRecord> periods;
  for (const RenewalRow& row : listRenewals(connection_)) periods.push_back(row.period);
  return periods;
}

std::vector<store::Change> ServerRecords::savePeriodChanges(
    const store::ChangeAuthor& author, std::span<const records::PeriodChange> changes) {
  std::vector<PeriodChange> onServer;
  onServer.reserve(changes.size());
  for (const records::PeriodChange& c : changes)
    onServer.push_back({c.courseId, c.months, c.code, c.name});
  return server::savePeriodChanges(connection_, author, onServer);
}

bool ServerRecords::addRecords(const store::ChangeAuthor& author,
                               const records::Additions& additions,
                               const store::PassProgress& progress) {
  bool added = false;
  toldWork(connection_, progress, [&] {
    added = server::addRecords(connection_, author, additions);
    return 0;
  });
  return added;
}

bool ServerRecords::logExists(records::Log log) { return logHoldsAny(log); }

bool ServerRecords::logHoldsAny(records::Log log) {
  return logHoldsLines(connection_, tableOf(log));
}

// In a transaction of its own, so that a connection lost before the answer says the line's fate is
// not known.
void ServerRecords::appendUserLog(std::string_view line) {
  connection_.transaction(
      [&] { addLogLines(connection_, kUserLogTable, format::utf8ToCp1252(line) + "\r\n"); });
}

std::string ServerRecords::userLogText() {
  return format::cp1252ToUtf8(logBytes(connection_, kUserLogTable));
}

std::unique_ptr<store::ChangeLineSource> ServerRecords::changeLines() {
  return std::make_unique<ServerChangeLines>(connection_);
}

// The client library reads what the socket holds without waiting for more, so a window may ask
// at any moment; while long work of this desk awaits a statement (its window's timers run
// meanwhile), nothing is told, so that no window lists anew over it, and the changes wait.
records::ChangedLists ServerRecords::changedElsewhere(const records::ChangedLists& wanted) {
  if (connection_.awaitingAnswer()) return {};
  unclaimed_.add(changedLists(connection_.takeNotifications()));
  return unclaimed_.take(wanted);
}

std::optional<std::string> ServerRecords::backUpInto(const std::string& folder,
                                                     const store::ChangeAuthor& author,
                                                     const store::FileStarted& started) {
  return backUpServer(connection_, disk_, folder, author, started);
}

std::optional<std::string> ServerRecords::restoreFrom(const std::string& folder,
                                                      const store::ChangeAuthor& author,
                                                      const store::FileStarted& started) {
  return restoreServer(connection_, disk_, folder, author, started);
}

void ServerRecords::reconnect() {
  connection_.reconnect();
  // What other desks announced while the connection was lost went untold.
  unclaimed_ = records::kEveryList;
}

}  // namespace vm::server
