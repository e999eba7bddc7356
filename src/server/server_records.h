// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>

#include "records/records.h"
#include "server/connection.h"
#include "server/row_numbers.h"
#include "store/posix_file_system.h"

namespace vm::server {

// The records on a server, numbered as the windows number them. Users, persons and courses are
// numbered by their last listing (RowNumbers), training records by their lasting place; each
// number keeps the version the caller last read under it, so that a save or removal of a record
// another desk changed or removed meanwhile is refused (EditConflict) rather than written over,
// and never lands on another record. Every change is one transaction; a progress is told at its
// start, while its statements run and at its end, and a stop at any of these cancels the change on
// the server and takes the whole of it back.
class ServerRecords final : public records::Records {
 public:
  // The connection outlives this. Listens on the change channel from the start, so that no change
  // made after the first listing goes untold.
  explicit ServerRecords(Connection& connection);

  // Any row counts as the list having been written.
  bool exists(store::DataFile list) override;
  // Counts without listing: the numbers keep naming what the caller last saw.
  std::int32_t count(store::DataFile list) override;

  std::vector<store::UserRecord> users() override;
  store::UserRecord user(std::int32_t n) override;
  std::optional<store::UserRecord> addUser(const store::ChangeAuthor& author,
                                           const store::UserRecord& user) override;
  store::UserRecord saveUser(const store::ChangeAuthor& author, std::int32_t n,
                             const store::UserRecord& user, bool passwordChanged) override;
  void removeUser(const store::ChangeAuthor& author, std::int32_t n) override;

  std::vector<store::NameRecord> persons() override;
  store::NameRecord person(std::int32_t n) override;
  std::optional<store::NameRecord> addPerson(const store::ChangeAuthor& author,
                                             const store::NameRecord& person) override;
  store::NameRecord savePerson(const store::ChangeAuthor& author, std::int32_t n,
                               const store::NameRecord& person) override;
  std::int32_t removePerson(const store::ChangeAuthor& author, std::int32_t n,
                            const store::PassProgress& progress) override;

  std::vector<store::CourseRecord> courses() override;
  store::CourseRecord course(std::int32_t n) override;
  std::optional<store::CourseRecord> addCourse(const store::ChangeAuthor& author,
                                               const store::CourseRecord& course) override;
  store::CourseRecord saveCourse(const store::ChangeAuthor& author, std::int32_t n,
                                 const store::CourseRecord& course) override;
  void removeCourse(const store::ChangeAuthor& author, std::int32_t n,
                    const store::PassProgress& progress) override;
  // Stoppable at any moment of the one transaction that carries it, which then changes nothing.
  records::CarryCount carryCourse(const store::ChangeAuthor& author, std::int32_t n,
                                  const store::PassProgress& progress) override;

  store::CourseRecord credit(const store::ChangeAuthor& author,
                             const records::Credit& credit) override;
  std::vector<records::NumberedTraining> trainingOf(double personId,
                                                    const scan::PassOptions& pass) override;
  void editTraining(const store::ChangeAuthor& author, std::int32_t n, std::string_view person,
                    const records::TrainingEdit& edit) override;
  void removeTraining(const store::ChangeAuthor& author, std::int32_t n, std::string_view person,
                      const store::PassProgress& progress) override;
  std::unique_ptr<scan::TrainingBlocks> trainingBlocks(const scan::TrainingHint& hint) override;

  std::vector<store::RenewalRecord> renewalPeriods() override;
  std::vector<store::Change> savePeriodChanges(
      const store::ChangeAuthor& author, std::span<const records::PeriodChange> changes) override;

  // One transaction. The numbers of the lists stay as listed: the additions follow them.
  bool addRecords(const store::ChangeAuthor& author, const records::Additions& additions,
                  const store::PassProgress& progress) override;

  // A log counts as started once it holds a line.
  bool logExists(records::Log log) override;
  bool logHoldsAny(records::Log log) override;
  void appendUserLog(std::string_view line) override;
  std::string userLogText() override;
  std::unique_ptr<store::ChangeLineSource> changeLines() override;

  // Through the folder of a data folder's backup (server_backups.h), on this machine's disk.
  std::optional<std::string> backUpInto(const std::string& folder,
                                        const store::ChangeAuthor& author,
                                        const store::FileStarted& started) override;
  std::optional<std::string> restoreFrom(const std::string& folder,
                                         const store::ChangeAuthor& author,
                                         const store::FileStarted& started) override;

  // From the notifications the connection holds or can read at once.
  records::ChangedLists changedElsewhere(const records::ChangedLists& wanted) override;

  // Makes the lost connection again, listening again on the change channel. The numbers stay as
  // listed: each keeps the version read under it, so a record changed meanwhile is refused rather
  // than written over, and a change whose commit went unanswered is found as it landed.
  void reconnect();

 private:
  template <typename Record>
  RowNumbers& numbers();
  template <typename Record>
  std::vector<Record> list();
  template <typename Record>
  RowRef& numbered(std::int32_t n);
  template <typename Record>
  Record read(std::int32_t n);
  template <typename Record>
  Record saved(std::int32_t n, const Row<Record>& row);
  template <typename Record>
  std::optional<Record> added(const std::optional<Row<Record>>& row);
  Row<store::TrainingRecord> trainingSeen(std::int32_t n);

  Connection& connection_;
  store::PosixFileSystem disk_;
  RowNumbers users_, persons_, courses_;
  std::map<std::int64_t, std::int32_t> trainingVersions_;  // by place, as trainingOf gave them
  records::ChangedLists unclaimed_;  // told by the server, not yet asked for by a window
};

}  // namespace vm::server
