// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "store/change_log/change_line.h"
#include "store/records.h"

namespace vm::store {

// The change of each kind, as its line tells it (see change_line.h), built in one place from the
// records as they are stored: the writers pass the record read back from its bytes, so the line
// says what the file holds, cut to its widths. Field names are the editors' labels.

// "First Middle Last", without the middle name when it is empty.
std::string personName(const NameRecord& person);

Change personAdded(const NameRecord& person);
// No details when no field differs.
Change personEdited(const NameRecord& before, const NameRecord& after);
// Counts the training records removed with the person: those of step `trainingStep`.
Change personDeleted(const NameRecord& person, std::size_t trainingStep);

Change courseAdded(const CourseRecord& course);
Change courseEdited(const CourseRecord& before, const CourseRecord& after);
Change courseDeleted(const CourseRecord& course);
// A course's code, name, provider and hours carried into its training records: counts the records
// of step `patchStep` that belong to the course, of all those reviewed.
Change courseCarried(const CourseRecord& course, std::size_t patchStep);

// A training record is named by its person (the person's name), its date and its course.
Change trainingCredited(std::string_view person, const TrainingRecord& training);
Change trainingEdited(std::string_view person, const TrainingRecord& before,
                      const TrainingRecord& after);
Change trainingDeleted(std::string_view person, const TrainingRecord& training);

// The password is never told, only that it changed.
Change userAdded(const UserRecord& user);
Change userEdited(const UserRecord& before, const UserRecord& after, bool passwordChanged);
Change userDeleted(const UserRecord& user);

// The data files copied to a backup folder. The backup's copy of the change log ends with this
// line, and says so, so that a restore can tell when the backup was made:
//   data backed up <TAB> folder <TAB> User.List, ..., Change.Log; its Change.Log ends with this
//   line
Change dataBackedUp(std::string_view folder, std::span<const std::string> files);
inline constexpr std::string_view kBackupLogEnds = "its Change.Log ends with this line";

// The data files put back from a backup folder, when the backup was made ("mm/dd/yyyy hh:nn:ss",
// when known) and the files removed because the backup has none:
//   data restored <TAB> folder <TAB> User.List, ...; Backed up: "..."; Removed: "Course.Renewal"
Change dataRestored(std::string_view folder, std::span<const std::string> files,
                    std::string_view backedUp = {}, std::span<const std::string> removed = {});

// Records brought in from a spreadsheet file, with what its rows came to.
struct ImportCounts {
  std::size_t persons = 0;
  std::size_t courses = 0;
  std::size_t trainings = 0;
  std::size_t onFile = 0;   // rows with nothing new
  std::size_t refused = 0;  // rows left out
};
Change dataImported(std::string_view file, const ImportCounts& counts);

}  // namespace vm::store
