// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folder_records.h"

#include "access/user_store.h"
#include "courses/course_propagation.h"
#include "courses/course_store.h"
#include "imports/import_work.h"
#include "names/person_deletion.h"
#include "names/person_store.h"
#include "renewals/renewal_periods.h"
#include "scan/folder_blocks.h"
#include "store/backup/backup_copy.h"
#include "store/backup/restore_copy.h"
#include "store/change_log/change_log.h"
#include "store/change_log/change_log_reader.h"
#include "store/user_log/user_log.h"
#include "training/credit.h"
#include "training/field_edit.h"
#include "training/history_rows.h"

namespace vm::app {
namespace {

// Every record of the file in file order. The name list is made when missing, as the main window
// has always made it; the other lists stay missing.
template <typename Record>
std::vector<Record> allRecords(store::FileTable& files, bool makeMissing) {
  constexpr store::DataFile kFile = store::RecordTraits<Record>::file;
  if (!makeMissing && !files.exists(kFile)) return {};
  const store::OpenFile file(files, kFile);
  std::vector<Record> out;
  out.reserve(static_cast<std::size_t>(file.count()));
  files.scan(kFile, 1, file.count(), [&](std::int32_t, std::span<const char> record) {
    out.push_back(store::RecordTraits<Record>::decode(record));
    return true;
  });
  return out;
}

std::string_view fileOf(records::Log log) {
  return log == records::Log::User ? store::kUserLogName : store::kChangeLogName;
}

}  // namespace

bool FolderRecords::exists(store::DataFile list) { return files_.exists(list); }

std::int32_t FolderRecords::count(store::DataFile list) { return files_.storedCount(list); }

std::vector<store::UserRecord> FolderRecords::users() {
  return allRecords<store::UserRecord>(files_, false);
}

store::UserRecord FolderRecords::user(std::int32_t n) { return access::UserStore(files_).read(n); }

std::optional<store::UserRecord> FolderRecords::addUser(const store::ChangeAuthor& author,
                                                        const store::UserRecord& user) {
  return access::UserStore(files_).add(author, user);
}

// The folder tells a changed password by its stored form, as the line of every edit does.
store::UserRecord FolderRecords::saveUser(const store::ChangeAuthor& author, std::int32_t n,
                                          const store::UserRecord& user, bool) {
  return access::UserStore(files_).save(author, n, user);
}

void FolderRecords::removeUser(const store::ChangeAuthor& author, std::int32_t n) {
  access::UserStore(files_).remove(author, n);
}

std::vector<store::NameRecord> FolderRecords::persons() {
  return allRecords<store::NameRecord>(files_, true);
}

store::NameRecord FolderRecords::person(std::int32_t n) {
  return names::PersonStore(files_).read(n);
}

std::optional<store::NameRecord> FolderRecords::addPerson(const store::ChangeAuthor& author,
                                                          const store::NameRecord& person) {
  return names::PersonStore(files_).add(author, person);
}

store::NameRecord FolderRecords::savePerson(const store::ChangeAuthor& author, std::int32_t n,
                                            const store::NameRecord& person) {
  return names::PersonStore(files_).save(author, n, person);
}

std::int32_t FolderRecords::removePerson(const store::ChangeAuthor& author, std::int32_t n,
                                         const store::PassProgress& progress) {
  return names::removePerson(files_, author, n, progress);
}

std::vector<store::CourseRecord> FolderRecords::courses() {
  return allRecords<store::CourseRecord>(files_, false);
}

store::CourseRecord FolderRecords::course(std::int32_t n) {
  return courses::CourseStore(files_).read(n);
}

std::optional<store::CourseRecord> FolderRecords::addCourse(const store::ChangeAuthor& author,
                                                            const store::CourseRecord& course) {
  return courses::CourseStore(files_).add(author, course);
}

store::CourseRecord FolderRecords::saveCourse(const store::ChangeAuthor& author, std::int32_t n,
                                              const store::CourseRecord& course) {
  return courses::CourseStore(files_).save(author, n, course);
}

void FolderRecords::removeCourse(const store::ChangeAuthor& author, std::int32_t n,
                                 const store::PassProgress& progress) {
  courses::CourseStore(files_).remove(author, n, progress);
}

records::CarryCount FolderRecords::carryCourse(const store::ChangeAuthor& author, std::int32_t n,
                                               const store::PassProgress& progress) {
  return courses::propagateCourse(files_, author, course(n), progress);
}

store::CourseRecord FolderRecords::credit(const store::ChangeAuthor& author,
                                          const records::Credit& credit) {
  return training::creditTraining(files_, author, credit);
}

std::vector<records::NumberedTraining> FolderRecords::trainingOf(double personId,
                                                                 const scan::PassOptions& pass) {
  return training::historyRecords(files_, personId, pass);
}

void FolderRecords::editTraining(const store::ChangeAuthor& author, std::int32_t n,
                                 std::string_view person, const records::TrainingEdit& edit) {
  training::editTraining(files_, author, n, person, edit);
}

void FolderRecords::removeTraining(const store::ChangeAuthor& author, std::int32_t n,
                                   std::string_view person, const store::PassProgress& progress) {
  training::removeTrainingRecord(files_, author, n, person, progress);
}

std::unique_ptr<scan::TrainingBlocks> FolderRecords::trainingBlocks(const scan::TrainingHint&) {
  return std::make_unique<scan::FolderBlocks>(files_);
}

std::vector<store::RenewalRecord> FolderRecords::renewalPeriods() {
  return renewals::renewalRecords(files_);
}

std::vector<store::Change> FolderRecords::savePeriodChanges(
    const store::ChangeAuthor& author, std::span<const records::PeriodChange> changes) {
  return renewals::savePeriodChanges(files_, author, changes);
}

bool FolderRecords::addRecords(const store::ChangeAuthor& author,
                               const records::Additions& additions,
                               const store::PassProgress& progress) {
  if (progress) progress(0, 1, 0);
  return imports::writeImport(files_, author, additions);
}

bool FolderRecords::logExists(records::Log log) { return files_.exists(fileOf(log)); }

bool FolderRecords::logHoldsAny(records::Log log) {
  return files_.fileSize(fileOf(log)).value_or(0) > 0;
}

void FolderRecords::appendUserLog(std::string_view line) { store::appendUserLogLine(files_, line); }

std::string FolderRecords::userLogText() { return store::readUserLogText(files_); }

std::unique_ptr<store::ChangeLineSource> FolderRecords::changeLines() {
  return std::make_unique<store::ChangeLogReader>(files_.fileSystem(),
                                                  files_.pathOf(store::kChangeLogName));
}

std::optional<std::string> FolderRecords::backUpInto(const std::string& folder,
                                                     const store::ChangeAuthor& author,
                                                     const store::FileStarted& started) {
  // One line, in the backup's copy of the change log and then in the data folder's.
  const store::Change change = store::backupChange(files_, folder);
  const std::string line =
      store::finishedLine(store::pendingLine(author, change), store::Tally::None, 0, 0);
  if (auto failed = store::backUpFiles(files_.fileSystem(), files_.folder(), folder, started,
                                       store::kCarriedFiles, line))
    return failed;
  if (files_.use() == store::FolderUse::Owner) store::logBackup(files_, author, change);
  return std::nullopt;
}

std::optional<std::string> FolderRecords::restoreFrom(const std::string& folder,
                                                      const store::ChangeAuthor& author,
                                                      const store::FileStarted& started) {
  return store::restoreFiles(files_, folder, author, started);
}

}  // namespace vm::app
