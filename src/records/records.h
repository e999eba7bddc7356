// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/change_refused.h"
#include "records/changed_lists.h"
#include "scan/training_blocks.h"
#include "scan/training_pass.h"
#include "store/backup/file_started.h"
#include "store/change_log/change_line.h"
#include "store/change_log/change_line_source.h"
#include "store/data_files.h"
#include "store/pass_progress.h"
#include "store/records.h"

namespace vm::records {

// A training record and its number: in a data folder its record number in Training.Records, on a
// server its lasting place in the file order. Either way the number names the record to the
// training edits below.
struct NumberedTraining {
  std::int32_t n = 0;
  store::TrainingRecord record{};
};

// One course credited on one date to several persons with one comment.
struct Credit {
  std::int32_t courseRecNum = 0;            // in the course list
  std::vector<std::int32_t> personRecNums;  // in the person list, in the order they were chosen
  double trainingDate = 0;
  std::string comments{};  // as stored: trimmed, line breaks CR LF
};

// What carrying a course into its training records did.
struct CarryCount {
  std::int32_t reviewed = 0;  // training records read
  std::int32_t updated = 0;   // of them, the course's own, rewritten
};

// A course's renewal period as the user set it: 0 for none. The code and name name the course in
// the change log.
struct PeriodChange {
  double courseId = 0;
  int months = 0;
  std::string code{};
  std::string name{};
};

// Persons, courses and training records added together, as an import brings them: with their
// DateCreated stamps and links as given, and the lines that tell them, in order.
struct Additions {
  std::vector<store::NameRecord> persons{};
  std::vector<store::CourseRecord> courses{};
  std::vector<store::TrainingRecord> trainings{};
  std::vector<store::Change> changes{};
};

// The two logs the records keep beside the lists: the user log of log-ins and log-outs, and the
// change log of every change.
enum class Log { User, Change };

// Changes one training record's bytes (layout of Training.Records) in place.
using TrainingEdit = std::function<void(std::span<char> record)>;

// The records, wherever they are kept: the one way the windows read and change them. A list's
// records are numbered 1 to its count in list order, as the windows number their rows; a number
// names the record the caller last listed or read under it. Every change is whole or not made,
// with its lines in the change log, and gives back what it stored. A change refused because
// another user changed or removed the record first throws ChangeRefused, writing nothing.
class Records {
 public:
  virtual ~Records() = default;

  // Whether the list has ever been written (users, training records), and how many records it
  // holds now.
  virtual bool exists(store::DataFile list) = 0;
  virtual std::int32_t count(store::DataFile list) = 0;

  virtual std::vector<store::UserRecord> users() = 0;
  virtual store::UserRecord user(std::int32_t n) = 0;
  // Nothing, and nothing written, when the list holds as many records as it can count.
  virtual std::optional<store::UserRecord> addUser(const store::ChangeAuthor& author,
                                                   const store::UserRecord& user) = 0;
  // The line tells of the password only whether it changed, which the caller knows.
  virtual store::UserRecord saveUser(const store::ChangeAuthor& author, std::int32_t n,
                                     const store::UserRecord& user, bool passwordChanged) = 0;
  virtual void removeUser(const store::ChangeAuthor& author, std::int32_t n) = 0;

  virtual std::vector<store::NameRecord> persons() = 0;
  virtual store::NameRecord person(std::int32_t n) = 0;
  virtual std::optional<store::NameRecord> addPerson(const store::ChangeAuthor& author,
                                                     const store::NameRecord& person) = 0;
  virtual store::NameRecord savePerson(const store::ChangeAuthor& author, std::int32_t n,
                                       const store::NameRecord& person) = 0;
  // Removes the person with every training record of the person; gives how many of those went.
  // `progress` may stop the removal before anything changed.
  virtual std::int32_t removePerson(const store::ChangeAuthor& author, std::int32_t n,
                                    const store::PassProgress& progress) = 0;

  virtual std::vector<store::CourseRecord> courses() = 0;
  virtual store::CourseRecord course(std::int32_t n) = 0;
  virtual std::optional<store::CourseRecord> addCourse(const store::ChangeAuthor& author,
                                                       const store::CourseRecord& course) = 0;
  virtual store::CourseRecord saveCourse(const store::ChangeAuthor& author, std::int32_t n,
                                         const store::CourseRecord& course) = 0;
  // Removes the course and its renewal period; training records keep their copies of the course.
  virtual void removeCourse(const store::ChangeAuthor& author, std::int32_t n,
                            const store::PassProgress& progress) = 0;
  // Carries course n's code, name, provider and hours, as stored, into its training records.
  virtual CarryCount carryCourse(const store::ChangeAuthor& author, std::int32_t n,
                                 const store::PassProgress& progress) = 0;

  // Gives the course as credited.
  virtual store::CourseRecord credit(const store::ChangeAuthor& author, const Credit& credit) = 0;
  // The training records of the person whose DateCreated is `personId`, in file order.
  virtual std::vector<NumberedTraining> trainingOf(double personId,
                                                   const scan::PassOptions& pass) = 0;
  // Applies `edit` to training record n; the line names the record by `person` (the person's
  // name). An edit that changes nothing writes nothing.
  virtual void editTraining(const store::ChangeAuthor& author, std::int32_t n,
                            std::string_view person, const TrainingEdit& edit) = 0;
  virtual void removeTraining(const store::ChangeAuthor& author, std::int32_t n,
                              std::string_view person, const store::PassProgress& progress) = 0;
  // The training records a pass reads, picked out by the hint where the store can.
  virtual std::unique_ptr<scan::TrainingBlocks> trainingBlocks(const scan::TrainingHint& hint) = 0;

  // The renewal periods in file order.
  virtual std::vector<store::RenewalRecord> renewalPeriods() = 0;
  // Returns the changes told in the change log, none when nothing changed.
  virtual std::vector<store::Change> savePeriodChanges(const store::ChangeAuthor& author,
                                                       std::span<const PeriodChange> changes) = 0;

  // Adds them all at the ends of their lists with their lines, or nothing. False, and nothing
  // written, when a list would hold more than it can count or the store cannot take them at once.
  // `progress` may stop the addition, which then wrote nothing.
  virtual bool addRecords(const store::ChangeAuthor& author, const Additions& additions,
                          const store::PassProgress& progress) = 0;

  // Whether the log has been started, and whether it holds anything yet: a data folder's log may
  // have been made and left empty.
  virtual bool logExists(Log log) = 0;
  virtual bool logHoldsAny(Log log) = 0;
  // Adds the line (UTF-8, without its line end) to the user log, whole or not at all, kept for
  // good when this returns.
  virtual void appendUserLog(std::string_view line) = 0;
  // The whole user log as UTF-8 text, line ends and all. The log must exist.
  virtual std::string userLogText() = 0;
  // The change log's lines as they are now, newest first, read a block at a time as asked for.
  virtual std::unique_ptr<store::ChangeLineSource> changeLines() = 0;

  // Backs the records up into the folder as a data folder's backup holds them
  // (store/backup/backup_copy.h), all of them as of one moment or nothing: the backup's own line
  // ends its copy of the change log and, once the backup is whole, the records' log too. Returns
  // the name of the file that could not be written, nothing when the backup is done. `started` is
  // told each file and may stop the backup (store::WorkStopped), which then changed nothing.
  virtual std::optional<std::string> backUpInto(const std::string& folder,
                                                const store::ChangeAuthor& author,
                                                const store::FileStarted& started) = 0;
  // Puts the records of the backup in the folder in place of these, all together or not at all
  // (store/backup/restore_copy.h); the change log keeps every line and gets the restore's. Returns
  // the name of the file that could not be restored, nothing when the restore is done. `started`
  // is told each file and may stop the restore, which then changed nothing.
  virtual std::optional<std::string> restoreFrom(const std::string& folder,
                                                 const store::ChangeAuthor& author,
                                                 const store::FileStarted& started) = 0;

  // Which of the `wanted` lists other desks changed since they were last asked for, told at once
  // without waiting on anything, so that a window may ask often; changes to the other lists are
  // kept for the windows that show them. A change of this copy's own may be told too.
  virtual ChangedLists changedElsewhere(const ChangedLists& wanted) = 0;
};

}  // namespace vm::records
