// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/credit.h"

#include <span>

#include "store/change_log/record_changes.h"
#include "store/course_copies.h"
#include "store/field_codec.h"
#include "store/record_codec.h"
#include "store/work_journal.h"

namespace vm::training {

using store::DataFile;

store::CourseRecord creditTraining(store::FileTable& table, const store::ChangeAuthor& author,
                                   const Credit& credit) {
  store::CourseRecord course;
  {
    const store::OpenFile courses(table, DataFile::Courses);
    course = table.read<store::CourseRecord>(credit.courseRecNum);
  }
  std::vector<store::NameRecord> persons;
  persons.reserve(credit.personRecNums.size());
  {
    const store::OpenFile names(table, DataFile::Names);
    for (std::int32_t n : credit.personRecNums) persons.push_back(table.read<store::NameRecord>(n));
  }
  namespace layout = store::layout::training;
  store::TrainingRecord record = store::trainingOf(course, 0, credit.trainingDate, credit.comments);
  // Encoded once; each person's copy differs only in its person link.
  const std::string first = store::encoded(record);
  std::string records;
  records.reserve(first.size() * persons.size());
  std::vector<store::Change> changes;
  changes.reserve(persons.size());
  const auto stored = store::decoded<store::TrainingRecord>(first);
  for (const store::NameRecord& person : persons) {
    const std::size_t at = records.size();
    records += first;
    store::codec::putDouble(std::span<char>(records.data() + at, first.size()), layout::PersonID,
                            person.DateCreated);
    changes.push_back(store::trainingCredited(store::personName(person), stored));
  }
  store::doWork(table, author, {store::AppendRecords{DataFile::Training, std::move(records)}},
                changes);
  return course;
}

}  // namespace vm::training
