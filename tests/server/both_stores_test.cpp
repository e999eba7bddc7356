// SPDX-License-Identifier: GPL-3.0-or-later
// One run of changes of every kind, made once through the data folder's store and once through the
// server's: the server's data, written out as a folder, must be the data folder byte for byte, the
// change log included, so that a record and a line mean the same in both stores.
#include <filesystem>

#include "access/password.h"
#include "access/user_store.h"
#include "courses/course_propagation.h"
#include "courses/course_store.h"
#include "format/automation_date.h"
#include "format/trim.h"
#include "names/person_deletion.h"
#include "names/person_store.h"
#include "renewals/renewal_periods.h"
#include "server/change_lines.h"
#include "server/folder_transfer.h"
#include "server/record_edits.h"
#include "server/renewal_edits.h"
#include "server/server_test.h"
#include "server/training_edits.h"
#include "store/change_log/record_changes.h"
#include "store/posix_file_system.h"
#include "store/work_journal.h"
#include "support/temp_folder.h"
#include "training/credit.h"
#include "training/field_edit.h"

namespace vm::test {
namespace {

using store::ChangeAuthor;
using store::CourseRecord;
using store::NameRecord;
using store::UserRecord;

ChangeAuthor at(int minute, int second = 0) {
  return {"Dana Demo", {2026, 12, 8, 9, minute, second}};
}

struct Period {
  int course;  // in list order
  int months;
};

// The data folder's store, records named by their place in the list.
struct FolderDesk {
  TempFolder folder;
  store::PosixFileSystem fs;
  store::FileTable table{fs, folder.str()};

  void addUser(const ChangeAuthor& a, UserRecord u) { access::UserStore(table).add(a, u); }
  void saveUser(const ChangeAuthor& a, int i, UserRecord u, bool) {
    access::UserStore(table).save(a, i + 1, u);
  }
  void removeUser(const ChangeAuthor& a, int i) { access::UserStore(table).remove(a, i + 1); }
  void addPerson(const ChangeAuthor& a, NameRecord p) { names::PersonStore(table).add(a, p); }
  void savePerson(const ChangeAuthor& a, int i, NameRecord p) {
    names::PersonStore(table).save(a, i + 1, p);
  }
  void removePerson(const ChangeAuthor& a, int i) { names::PersonStore(table).remove(a, i + 1); }
  void addCourse(const ChangeAuthor& a, CourseRecord c) { courses::CourseStore(table).add(a, c); }
  void saveCourse(const ChangeAuthor& a, int i, CourseRecord c) {
    courses::CourseStore(table).save(a, i + 1, c);
  }
  void removeCourse(const ChangeAuthor& a, int i) { courses::CourseStore(table).remove(a, i + 1); }
  void carryCourse(const ChangeAuthor& a, int i) {
    CourseRecord course;
    {
      const store::OpenFile file(table, store::DataFile::Courses);
      course = table.read<CourseRecord>(i + 1);
    }
    courses::propagateCourse(table, a, course, {});
  }
  void credit(const ChangeAuthor& a, int course, std::vector<int> persons, double date,
              const std::string& comments) {
    training::Credit credit{course + 1, {}, date, comments};
    for (int p : persons) credit.personRecNums.push_back(p + 1);
    training::creditTraining(table, a, credit);
  }
  void editComments(const ChangeAuthor& a, int i, const std::string& person,
                    const std::string& text) {
    training::editTraining(table, a, i + 1, person, training::commentsEdit(text));
  }
  void editCode(const ChangeAuthor& a, int i, const std::string& person, const std::string& code) {
    training::editTraining(table, a, i + 1, person,
                           training::fieldEdit(training::EditField::Code, code));
  }
  void removeTraining(const ChangeAuthor& a, int i, const std::string& person) {
    training::removeTrainingRecord(table, a, i + 1, person);
  }
  void setPeriods(const ChangeAuthor& a, const std::vector<Period>& periods) {
    std::vector<renewals::PeriodChange> changes;
    const store::OpenFile file(table, store::DataFile::Courses);
    for (const Period& p : periods) {
      const CourseRecord c = table.read<CourseRecord>(p.course + 1);
      changes.push_back(
          {c.DateCreated, p.months, format::trim(c.CourseCode), format::trim(c.CourseName)});
    }
    renewals::savePeriodChanges(table, a, changes);
  }
};

// The server's store, records named by their place in the list as read just before.
struct ServerDesk {
  server::Connection c;

  template <typename Record>
  server::RowRef ref(int i) {
    return server::refOf(server::listRows<Record>(c).at(static_cast<std::size_t>(i)));
  }
  template <typename Record>
  Record record(int i) {
    return server::listRows<Record>(c).at(static_cast<std::size_t>(i)).record;
  }

  void addUser(const ChangeAuthor& a, const UserRecord& u) { server::addUser(c, a, u); }
  void saveUser(const ChangeAuthor& a, int i, const UserRecord& u, bool passwordChanged) {
    server::saveUser(c, a, ref<UserRecord>(i), u, passwordChanged);
  }
  void removeUser(const ChangeAuthor& a, int i) { server::removeUser(c, a, ref<UserRecord>(i)); }
  void addPerson(const ChangeAuthor& a, const NameRecord& p) { server::addPerson(c, a, p); }
  void savePerson(const ChangeAuthor& a, int i, const NameRecord& p) {
    server::savePerson(c, a, ref<NameRecord>(i), p);
  }
  void removePerson(const ChangeAuthor& a, int i) {
    server::removePerson(c, a, ref<NameRecord>(i));
  }
  void addCourse(const ChangeAuthor& a, const CourseRecord& k) { server::addCourse(c, a, k); }
  void saveCourse(const ChangeAuthor& a, int i, const CourseRecord& k) {
    server::saveCourse(c, a, ref<CourseRecord>(i), k);
  }
  void removeCourse(const ChangeAuthor& a, int i) {
    server::removeCourse(c, a, ref<CourseRecord>(i));
  }
  void carryCourse(const ChangeAuthor& a, int i) {
    server::carryCourse(c, a, ref<CourseRecord>(i));
  }
  void credit(const ChangeAuthor& a, int course, std::vector<int> persons, double date,
              const std::string& comments) {
    server::Credit credit{ref<CourseRecord>(course).pos, {}, date, comments};
    for (int p : persons) credit.persons.push_back(ref<NameRecord>(p).pos);
    server::creditTraining(c, a, credit);
  }
  void editComments(const ChangeAuthor& a, int i, const std::string& person,
                    const std::string& text) {
    store::TrainingRecord t = record<store::TrainingRecord>(i);
    t.Comments = text;
    server::saveTraining(c, a, ref<store::TrainingRecord>(i), person, t);
  }
  void editCode(const ChangeAuthor& a, int i, const std::string& person, const std::string& code) {
    store::TrainingRecord t = record<store::TrainingRecord>(i);
    t.CourseCode = code;
    server::saveTraining(c, a, ref<store::TrainingRecord>(i), person, t);
  }
  void removeTraining(const ChangeAuthor& a, int i, const std::string& person) {
    server::removeTraining(c, a, ref<store::TrainingRecord>(i), person);
  }
  void setPeriods(const ChangeAuthor& a, const std::vector<Period>& periods) {
    std::vector<server::PeriodChange> changes;
    for (const Period& p : periods) {
      const CourseRecord k = record<CourseRecord>(p.course);
      changes.push_back(
          {k.DateCreated, p.months, format::trim(k.CourseCode), format::trim(k.CourseName)});
    }
    server::savePeriodChanges(c, a, changes);
  }
};

UserRecord user(const std::string& first, const std::string& last, const std::string& password,
                std::int16_t level) {
  return {0, first, last, password, level, ""};
}
NameRecord person(const std::string& first, const std::string& last,
                  const std::string& comments = "") {
  return {0, first, "", last, "Works", "E-1", comments, store::kActive};
}
CourseRecord course(const std::string& code, const std::string& name, float hours) {
  return {0, code, name, "Red Cross", hours, ""};
}

template <typename Desk>
void changeEverything(Desk& d, const std::string& dana, const std::string& kim,
                      const std::string& kim2) {
  d.addUser(at(0), user("Dana", "Demo", dana, 4));
  d.addUser(at(0), user("Kim", "Ng", kim, 2));  // the same second: the stamp moves on
  d.saveUser(at(1), 1, user("Kim", "Ng", kim2, 3), true);
  d.addPerson(at(2), person("Ann", "Lee"));
  d.addPerson(at(2), person("Bob", "Li", "Line one\r\nline two"));
  d.addPerson(at(3), person("Zo\xC3\xAB", "\xC3\x86r\xC3\xB8"));
  d.addPerson(at(3), person("Eve", "Ortiz"));
  d.savePerson(at(4), 0, person("Ann", "Lee-Smith"));
  d.savePerson(at(4), 1, person("Bob", "Li", "Line one\r\nline two"));  // changes nothing
  d.addCourse(at(5), course("HEALTH", "Health and Safety", 0));
  d.addCourse(at(5), course("FA-02", "First Aid", 2.5f));
  d.addCourse(at(6), course("FIRE", "Fire Warden", 4));
  const double day = format::automationDateOf(2026, 11, 20);
  d.credit(at(7), 1, {0, 2, 3}, day, "Passed");
  d.credit(at(8), 2, {1}, day + 1, "");
  d.saveCourse(at(9), 1, course("FA-02", "First Aid at Work", 3));
  d.carryCourse(at(9, 30), 1);
  d.editComments(at(10), 0, "Ann Lee-Smith", "Passed well");
  d.editCode(at(10, 5), 3, "Bob Li", "FW-1");
  d.removeTraining(at(11), 1, "Zo\xC3\xAB \xC3\x86r\xC3\xB8");
  d.setPeriods(at(12), {{1, 12}, {2, 24}});
  d.setPeriods(at(13), {{1, 0}, {2, 36}, {0, 0}});
  d.removePerson(at(14), 3);
  d.removeCourse(at(15), 2);
  d.removeUser(at(16), 1);
}

TEST_F(ServerTest, EveryKindOfChangeLeavesTheSameFilesAndLinesAsTheDataFolder) {
  const std::string dana = access::ScramblePassword("demo1234");
  const std::string kim = access::ScramblePassword("kim12345");
  const std::string kim2 = access::ScramblePassword("kim54321");
  FolderDesk folder;
  changeEverything(folder, dana, kim, kim2);
  ServerDesk server{connect()};
  changeEverything(server, dana, kim, kim2);

  TempFolder out;
  store::PosixFileSystem fs;
  server::copyServerToFolder(server.c, fs, out.str() + "/copy");
  for (const std::string name : {"User.List", "Name.List", "Course.Index", "Training.Records",
                                 "Course.Renewal", "Change.Log"}) {
    EXPECT_EQ(out.read("copy/" + name), folder.folder.read(name)) << name;
  }
  const std::string log = folder.folder.read("Change.Log");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 27);

  // The log's viewer reads it newest first, a few lines at a time.
  std::string backwards;
  for (std::int64_t before = 0;;) {
    const auto lines = server::olderChangeLines(server.c, before, 4);
    if (lines.empty()) break;
    for (const auto& line : lines) backwards.insert(0, line.bytes + "\r\n");
    before = lines.back().pos;
  }
  EXPECT_EQ(backwards, log);
}

}  // namespace
}  // namespace vm::test
