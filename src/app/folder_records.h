// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/records.h"
#include "store/file_table.h"

namespace vm::app {

// The records of a data folder: each list in its record file, each change one piece of journalled
// work with its lines in the change log. A record's number is its record number in its file.
class FolderRecords final : public records::Records {
 public:
  explicit FolderRecords(store::FileTable& files) : files_(files) {}

  bool exists(store::DataFile list) override;
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

  // One piece of journalled work; false when its lines would not fit one journal.
  // Told only at the start: the appends are journalled and quick.
  bool addRecords(const store::ChangeAuthor& author, const records::Additions& additions,
                  const store::PassProgress& progress) override;

  bool logExists(records::Log log) override;
  bool logHoldsAny(records::Log log) override;
  void appendUserLog(std::string_view line) override;
  std::string userLogText() override;
  std::unique_ptr<store::ChangeLineSource> changeLines() override;

  // Today's backup and restore of the data folder; a copy that only reads the folder leaves its
  // log alone, the backup's copy having the line.
  std::optional<std::string> backUpInto(const std::string& folder,
                                        const store::ChangeAuthor& author,
                                        const store::FileStarted& started) override;
  std::optional<std::string> restoreFrom(const std::string& folder,
                                         const store::ChangeAuthor& author,
                                         const store::FileStarted& started) override;

  // One copy writes a folder, so nothing changes elsewhere.
  records::ChangedLists changedElsewhere(const records::ChangedLists&) override { return {}; }

 private:
  store::FileTable& files_;
};

}  // namespace vm::app
