// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/record_edits.h"

#include "server/change_lines.h"
#include "server/row_codec.h"
#include "server/row_writes.h"
#include "store/change_log/record_changes.h"
#include "store/course_copies.h"
#include "store/record_codec.h"

namespace vm::server {
namespace {

using store::ChangeAuthor;

template <typename Record, typename Told>
std::optional<Row<Record>> addRecord(Connection& c, const ChangeAuthor& author, const Record& given,
                                     Told&& told) {
  const TableShape& shape = shapeOf<Record>();
  return c.transaction([&]() -> std::optional<Row<Record>> {
    holdList(c, shape.file);
    const std::int64_t count =
        c.exec("SELECT count(*) FROM " + std::string(shape.table)).getInt64(0, 0);
    if (count >= store::maxRecords(shape.file)) return std::nullopt;
    Record record = given;
    record.DateCreated = uniqueStamp(c, shape, author.when);
    const std::string bytes = store::encoded(record);
    const Record stored = store::decoded<Record>(bytes);
    const std::int64_t pos = insertRow(c, shape, bytes, author);
    const store::Change change = told(stored);
    addChangeLines(c, author, {&change, 1});
    return Row<Record>{pos, 1, stored};
  });
}

template <typename Record, typename Told>
Row<Record> saveRecord(Connection& c, const ChangeAuthor& author, RowRef ref, const Record& given,
                       std::string_view what, Told&& told) {
  const TableShape& shape = shapeOf<Record>();
  return c.transaction([&] {
    const Row<Record> before = lockedRow<Record>(c, ref, what);
    Record record = given;
    record.DateCreated = before.record.DateCreated;
    const std::string bytes = store::encoded(record);
    const Record after = store::decoded<Record>(bytes);
    const store::Change change = told(before.record, after);
    if (change.details.empty()) return before;
    updateRow(c, shape, ref.pos, bytes, author);
    addChangeLines(c, author, {&change, 1});
    return Row<Record>{ref.pos, ref.version + 1, after};
  });
}

// Removes the record after `alsoRemove` (which gives the count the line tallies) in one
// transaction.
template <typename Record, typename Told, typename AlsoRemove>
std::int32_t removeRecord(Connection& c, const ChangeAuthor& author, RowRef ref,
                          std::string_view what, Told&& told, AlsoRemove&& alsoRemove) {
  const TableShape& shape = shapeOf<Record>();
  return c.transaction([&] {
    const Row<Record> doomed = lockedRow<Record>(c, ref, what);
    const TallyCount tally = alsoRemove(doomed.record);
    deleteRow(c, shape, ref.pos);
    const store::Change change = told(doomed.record);
    addChangeLines(c, author, {&change, 1}, tally);
    return tally.counted;
  });
}

constexpr auto kNothingElse = [](const auto&) { return TallyCount{}; };

std::int32_t trainingCount(Connection& c) {
  return static_cast<std::int32_t>(c.exec("SELECT count(*) FROM training").getInt64(0, 0));
}

}  // namespace

std::optional<Row<store::UserRecord>> addUser(Connection& c, const ChangeAuthor& author,
                                              const store::UserRecord& user) {
  return addRecord(c, author, user, store::userAdded);
}

Row<store::UserRecord> saveUser(Connection& c, const ChangeAuthor& author, RowRef ref,
                                const store::UserRecord& user, bool passwordChanged) {
  return saveRecord(c, author, ref, user, "user",
                    [&](const store::UserRecord& before, const store::UserRecord& after) {
                      return store::userEdited(before, after, passwordChanged);
                    });
}

void removeUser(Connection& c, const ChangeAuthor& author, RowRef ref) {
  removeRecord<store::UserRecord>(c, author, ref, "user", store::userDeleted, kNothingElse);
}

std::optional<Row<store::NameRecord>> addPerson(Connection& c, const ChangeAuthor& author,
                                                const store::NameRecord& person) {
  return addRecord(c, author, person, store::personAdded);
}

Row<store::NameRecord> savePerson(Connection& c, const ChangeAuthor& author, RowRef ref,
                                  const store::NameRecord& person) {
  return saveRecord(c, author, ref, person, "person", store::personEdited);
}

std::int32_t removePerson(Connection& c, const ChangeAuthor& author, RowRef ref) {
  return removeRecord<store::NameRecord>(
      c, author, ref, "person",
      [](const store::NameRecord& person) { return store::personDeleted(person, 0); },
      [&](const store::NameRecord& person) {
        const std::int32_t reviewed = trainingCount(c);
        const std::int64_t removed =
            c.exec("DELETE FROM training WHERE person_link = verdimark_link($1)",
                   Params().add(person.DateCreated))
                .affected();
        return TallyCount{static_cast<std::int32_t>(removed), reviewed};
      });
}

std::optional<Row<store::CourseRecord>> addCourse(Connection& c, const ChangeAuthor& author,
                                                  const store::CourseRecord& course) {
  return addRecord(c, author, course, store::courseAdded);
}

Row<store::CourseRecord> saveCourse(Connection& c, const ChangeAuthor& author, RowRef ref,
                                    const store::CourseRecord& course) {
  return saveRecord(c, author, ref, course, "course", store::courseEdited);
}

void removeCourse(Connection& c, const ChangeAuthor& author, RowRef ref) {
  removeRecord<store::CourseRecord>(c, author, ref, "course", store::courseDeleted,
                                    [&](const store::CourseRecord& course) {
                                      c.exec(
                                          "DELETE FROM renewals WHERE course_link = "
                                          "verdimark_link($1)",
                                          Params().add(course.DateCreated));
                                      return TallyCount{};
                                    });
}

CarryCount carryCourse(Connection& c, const ChangeAuthor& author, RowRef ref) {
  namespace layout = store::layout::training;
  return c.transaction([&] {
    const store::CourseRecord course =
        lockedRow<store::CourseRecord>(c, ref, "course", true).record;
    // The course's fields as they lie in a training record, and so in its columns.
    const store::CourseCopies copies(course);
    constexpr store::layout::Field kCopies = store::CourseCopies::kField;

    const std::int32_t reviewed = trainingCount(c);
    // A record that keeps bytes of its own gets the same bytes written into them.
    const std::int64_t updated =
        c.exec(
             "UPDATE training SET course_code = $2, course_name = $3, provided_by = $4, "
             "hours = $5, raw = overlay(raw PLACING $6 FROM " +
                 std::to_string(kCopies.offset + 1) + " FOR " + std::to_string(kCopies.width) +
                 "), version = version + 1, changed_by = $7, changed_at = $8 "
                 "WHERE course_link = verdimark_link($1)",
             Params()
                 .add(course.DateCreated)
                 .text(columnText(copies.field(layout::CourseCode)))
                 .text(columnText(copies.field(layout::CourseName)))
                 .text(columnText(copies.field(layout::ProvidedBy)))
                 .add(course.Hours)
                 .bytes(copies.bytes())
                 .text(author.user)
                 .add(changeStamp(author)))
            .affected();
    const store::Change change = store::courseCarried(course, 0);
    addChangeLines(c, author, {&change, 1}, {static_cast<std::int32_t>(updated), reviewed});
    return CarryCount{reviewed, static_cast<std::int32_t>(updated)};
  });
}

}  // namespace vm::server
