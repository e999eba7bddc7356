// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/training_edits.h"

#include <map>

#include "server/change_lines.h"
#include "server/row_writes.h"
#include "store/change_log/record_changes.h"
#include "store/field_codec.h"
#include "store/record_codec.h"

namespace vm::server {

using store::ChangeAuthor;

store::CourseRecord creditTraining(Connection& c, const ChangeAuthor& author,
                                   const Credit& credit) {
  return c.transaction([&] {
    const Result course =
        c.exec("SELECT " + rowSelectList(kCourses) + " FROM courses WHERE pos = $1 FOR SHARE",
               Params().add(credit.course));
    if (course.rows() == 0) throw EditConflict::removed("course");
    const store::CourseRecord credited = rowOf<store::CourseRecord>(course, 0).record;

    std::map<std::int64_t, store::NameRecord> persons;
    const Result found = c.exec("SELECT " + rowSelectList(kPersons) +
                                    " FROM persons WHERE pos = ANY($1) ORDER BY pos FOR SHARE",
                                Params().int64s(credit.persons));
    for (int i = 0; i < found.rows(); ++i) {
      Row<store::NameRecord> row = rowOf<store::NameRecord>(found, i);
      persons.emplace(row.pos, std::move(row.record));
    }

    namespace layout = store::layout::training;
    store::TrainingRecord record;
    record.TrainingDate = credit.trainingDate;
    record.CourseID = credited.DateCreated;
    record.CourseCode = credited.CourseCode;
    record.CourseName = credited.CourseName;
    record.ProvidedBy = credited.ProvidedBy;
    record.Hours = credited.Hours;
    record.Comments = credit.comments;
    // Encoded once; each person's copy differs only in its person link.
    std::string bytes = store::encoded(record);
    const auto stored = store::decoded<store::TrainingRecord>(bytes);
    std::vector<store::Change> changes;
    changes.reserve(credit.persons.size());
    CopyRows copy(c, kTraining.table, copyColumns(kTraining));
    for (const std::int64_t pos : credit.persons) {
      const auto person = persons.find(pos);
      if (person == persons.end()) throw EditConflict::removed("person");
      store::codec::putDouble(bytes, layout::PersonID, person->second.DateCreated);
      copyRow(copy, kTraining, bytes, &author);
      changes.push_back(store::trainingCredited(store::personName(person->second), stored));
    }
    copy.finish();
    addChangeLines(c, author, changes);
    return credited;
  });
}

Row<store::TrainingRecord> saveTraining(Connection& c, const ChangeAuthor& author, RowRef ref,
                                        std::string_view person,
                                        const store::TrainingRecord& training) {
  return c.transaction([&] {
    const Row<store::TrainingRecord> before =
        lockedRow<store::TrainingRecord>(c, ref, "training record");
    store::TrainingRecord record = training;
    record.PersonID = before.record.PersonID;
    record.CourseID = before.record.CourseID;
    const std::string bytes = store::encoded(record);
    const auto after = store::decoded<store::TrainingRecord>(bytes);
    const store::Change change = store::trainingEdited(person, before.record, after);
    if (change.details.empty()) return before;
    updateRow(c, kTraining, ref.pos, bytes, author);
    addChangeLines(c, author, {&change, 1});
    return Row<store::TrainingRecord>{ref.pos, ref.version + 1, after};
  });
}

void removeTraining(Connection& c, const ChangeAuthor& author, RowRef ref,
                    std::string_view person) {
  c.transaction([&] {
    const Row<store::TrainingRecord> doomed =
        lockedRow<store::TrainingRecord>(c, ref, "training record");
    deleteRow(c, kTraining, ref.pos);
    const store::Change change = store::trainingDeleted(person, doomed.record);
    addChangeLines(c, author, {&change, 1});
  });
}

}  // namespace vm::server
