// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "server/connection.h"
#include "server/server_rows.h"
#include "store/change_log/change_line.h"
#include "store/records.h"

namespace vm::server {

// The changes of users, persons and courses on the server, each one transaction together with
// its line in the change log, told as the data folder tells it (store/change_log/record_changes.h):
// the change is saved with its line, or neither is.
//
// An addition goes to the end of its list, stamped with a DateCreated that no other record of the
// list has (the author's time, moved on a second at a time), and gives the record as stored, or
// nothing when the list holds as many records as a data file can count (32,767).
//
// A save writes the record over the one the caller read, keeping its DateCreated. It is refused
// with an EditConflict, writing nothing, when another user changed or removed the record since
// the caller read that version; a save that changes no field writes nothing. It gives the record
// as it now stands. A removal is refused the same way.

std::optional<Row<store::UserRecord>> addUser(Connection& connection,
                                              const store::ChangeAuthor& author,
                                              const store::UserRecord& user);
// The line tells of the password only whether it changed, which the caller knows: the stored form
// differs at every save.
Row<store::UserRecord> saveUser(Connection& connection, const store::ChangeAuthor& author,
                                RowRef ref, const store::UserRecord& user, bool passwordChanged);
void removeUser(Connection& connection, const store::ChangeAuthor& author, RowRef ref);

std::optional<Row<store::NameRecord>> addPerson(Connection& connection,
                                                const store::ChangeAuthor& author,
                                                const store::NameRecord& person);
Row<store::NameRecord> savePerson(Connection& connection, const store::ChangeAuthor& author,
                                  RowRef ref, const store::NameRecord& person);
// Removes the person together with every training record of the person; returns how many
// training records went, which the line tells.
std::int32_t removePerson(Connection& connection, const store::ChangeAuthor& author, RowRef ref);

std::optional<Row<store::CourseRecord>> addCourse(Connection& connection,
                                                  const store::ChangeAuthor& author,
                                                  const store::CourseRecord& course);
Row<store::CourseRecord> saveCourse(Connection& connection, const store::ChangeAuthor& author,
                                    RowRef ref, const store::CourseRecord& course);
// Removes the course and its renewal period; training records keep their copies of the course.
void removeCourse(Connection& connection, const store::ChangeAuthor& author, RowRef ref);

// Carries the course's code, name, provider and hours, as saved, into every training record of
// the course (by the link rule), in one transaction with its line ("N of M training records
// updated"). Refused with an EditConflict when the course changed since the caller read it, so
// that what is carried is what the caller saw.
struct CarryCount {
  std::int32_t reviewed = 0;  // training records on the server
  std::int32_t updated = 0;   // of them, the course's own
};
CarryCount carryCourse(Connection& connection, const store::ChangeAuthor& author, RowRef course);

}  // namespace vm::server
