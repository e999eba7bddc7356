// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/demo_seed.h"

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "access/password.h"
#include "format/automation_date.h"
#include "store/record_codec.h"
#include "store/work_journal.h"

namespace vm::app {
namespace {

using store::CourseRecord;
using store::DataFile;
using store::NameRecord;
using store::RenewalRecord;
using store::TrainingRecord;
using store::UserRecord;

struct Person {
  const char* first;
  const char* middle;
  const char* last;
  const char* organization;
  bool active;
};

constexpr std::array<Person, 36> kPeople = {{
    {"Alice", "", "Brennan", "Operations", true},
    {"Marcus", "J", "Okafor", "Operations", true},
    {"Priya", "", "Raman", "Quality Assurance", true},
    {"Tomás", "", "Vidal", "Warehouse", true},
    {"Helen", "Marie", "Fischer", "Administration", true},
    {"George", "", "Abernathy", "Maintenance", true},
    {"Ingrid", "", "Solberg", "Laboratory", true},
    {"Kwame", "", "Mensah", "Warehouse", true},
    {"Laura", "", "Castellano", "Human Resources", true},
    {"Noah", "", "Whitfield", "Maintenance", true},
    {"Olivia", "Grace", "Lindqvist", "Laboratory", true},
    {"Rafael", "", "Duarte", "Operations", true},
    {"Sofia", "", "Marchetti", "Quality Assurance", true},
    {"Daniel", "", "Kowalski", "Warehouse", true},
    {"Emma", "", "Thornton", "Administration", true},
    {"Farid", "", "Haddad", "Maintenance", true},
    {"Grace", "", "O'Connell", "Laboratory", true},
    {"Hiro", "", "Tanaka", "Operations", true},
    {"Isabel", "", "Moreau", "Human Resources", true},
    {"Jonas", "", "Berg", "Warehouse", true},
    {"Karen", "Ann", "Walsh", "Operations", true},
    {"Liam", "", "Gallagher", "Maintenance", true},
    {"Mei", "", "Chen", "Laboratory", true},
    {"Nadia", "", "Petrova", "Quality Assurance", true},
    {"Oscar", "", "Lindgren", "Warehouse", true},
    {"Paula", "", "Ferreira", "Administration", true},
    {"Quinn", "", "Adeyemi", "Operations", true},
    {"Ruth", "", "Goldberg", "Human Resources", true},
    {"Samuel", "", "Nakamura", "Maintenance", false},
    {"Teresa", "", "Alvarez", "Operations", false},
    {"Victor", "", "Dubois", "Warehouse", false},
    {"Wendy", "", "Harper", "Laboratory", false},
    {"Xavier", "", "Ibáñez", "Maintenance", false},
    {"Yvonne", "", "Keller", "Administration", false},
    {"Zack", "", "Morrison", "Warehouse", false},
    {"Bruno", "", "Costa", "Operations", false},
}};

struct Course {
  const char* code;
  const char* name;
  const char* provider;
  float hours;  // 0: a category heading
};

constexpr std::array<Course, 22> kCourses = {{
    {"ADM-0000", "ADMINISTRATION", "", 0},
    {"ADM-0101", "Records Management Basics", "In-house", 2.0f},
    {"ADM-0205", "Data Protection Awareness", "Compliance Partners", 1.5f},
    {"ADM-A300", "Annual Ethics Refresher", "In-house", 1.0f},
    {"FIR-0000", "FIRE AND EMERGENCY", "", 0},
    {"FIR-0101", "Fire Extinguisher Use", "County Fire Academy", 2.0f},
    {"FIR-0110", "Evacuation Warden Duties", "County Fire Academy", 4.0f},
    {"FIR-A120", "Annual Fire Drill", "In-house", 0.5f},
    {"HLT-0000", "HEALTH AND FIRST AID", "", 0},
    {"HLT-0101", "First Aid and CPR", "Red Cross Chapter", 8.0f},
    {"HLT-0102", "Bloodborne Pathogens", "Red Cross Chapter", 2.0f},
    {"HLT-Q150", "Quarterly Ergonomics Check", "In-house", 0.5f},
    {"LAB-0000", "LABORATORY", "", 0},
    {"LAB-0101", "Chemical Hygiene Plan", "State University", 3.0f},
    {"LAB-0120", "Fume Hood Operation", "State University", 1.5f},
    {"MNT-0000", "MAINTENANCE", "", 0},
    {"MNT-0101", "Lockout / Tagout", "Safety Institute", 4.0f},
    {"MNT-0130", "Forklift Operator Certification", "Safety Institute", 16.0f},
    {"MNT-0145", "Confined Space Entry", "Safety Institute", 8.0f},
    {"QUA-0000", "QUALITY", "", 0},
    {"QUA-0101", "Good Documentation Practice", "In-house", 2.5f},
    {"QUA-0210", "Internal Auditor Course", "Quality Society", 24.0f},
}};

// The courses that must be renewed, and every how many months.
constexpr std::array<std::pair<const char*, int>, 5> kRenewed = {
    {{"ADM-A300", 12}, {"FIR-A120", 12}, {"HLT-0101", 24}, {"HLT-Q150", 3}, {"MNT-0130", 36}}};

constexpr std::array<const char*, 5> kComments = {"", "", "Passed written test.",
                                                  "Make-up session.", "Certificate on file."};

double stamp(int y, int m, int d, int h, int mi, int s) {
  return format::toAutomationDate({y, m, d, h, mi, s});
}

// The records' exact bytes, one after the other.
template <typename Record>
std::string bytesOf(const std::vector<Record>& records) {
  std::string bytes;
  for (const Record& r : records) bytes += store::encoded(r);
  return bytes;
}

}  // namespace

bool seedDemonstrationData(store::FileTable& files) {
  for (DataFile f : store::kRecordFiles)
    if (files.exists(f)) return false;

  std::vector<UserRecord> users(2);
  UserRecord& user = users[0];
  user.DateCreated = stamp(2022, 1, 10, 9, 0, 0);
  user.FirstName = kDemoUserFirst;
  user.LastName = kDemoUserLast;
  user.Password = access::ScramblePassword(kDemoPassword);
  user.AccessLevel = 4;
  user.Comments = "Demonstration user with full access.";
  UserRecord& viewer = users[1];
  viewer.DateCreated = stamp(2022, 1, 10, 9, 5, 0);
  viewer.FirstName = "Victor";
  viewer.LastName = "Viewer";
  viewer.Password = access::ScramblePassword("view1234");
  viewer.AccessLevel = 1;
  viewer.Comments = "Demonstration user who may only look.";

  std::vector<double> personIds;
  std::vector<NameRecord> names;
  for (std::size_t i = 0; i < kPeople.size(); ++i) {
    const Person& p = kPeople[i];
    NameRecord n;
    n.DateCreated = stamp(2022, 1, 11, 8, 0, static_cast<int>(i));
    n.FirstName = p.first;
    n.MiddleName = p.middle;
    n.LastName = p.last;
    n.Organization = p.organization;
    n.EmployeeID = "E" + std::to_string(1040 + i * 7);
    n.Active = p.active ? store::kActive : store::kInactive;
    names.push_back(n);
    personIds.push_back(n.DateCreated);
  }

  std::vector<CourseRecord> index;
  std::vector<CourseRecord> courses;
  for (std::size_t i = 0; i < kCourses.size(); ++i) {
    const Course& c = kCourses[i];
    CourseRecord r;
    r.DateCreated = stamp(2022, 1, 12, 8, 0, static_cast<int>(i));
    r.CourseCode = c.code;
    r.CourseName = c.name;
    r.ProvidedBy = c.provider;
    r.Hours = c.hours;
    index.push_back(r);
    if (c.hours > 0) courses.push_back(r);
  }
  std::vector<RenewalRecord> periods;
  for (const auto& [code, months] : kRenewed)
    for (const CourseRecord& c : index)
      if (c.CourseCode == code)
        periods.push_back({c.DateCreated, static_cast<std::int16_t>(months)});

  // The same organisation every time: a fixed seed.
  std::mt19937 random(20221);
  std::uniform_int_distribution<std::size_t> pickCourse(0, courses.size() - 1);
  std::uniform_int_distribution<int> pickMonth(1, 12);
  std::uniform_int_distribution<int> pickDay(1, 28);
  std::uniform_int_distribution<std::size_t> pickComment(0, kComments.size() - 1);
  std::vector<TrainingRecord> training;
  for (std::size_t p = 0; p < personIds.size(); ++p) {
    const int records = 6 + static_cast<int>(p % 7);
    for (int k = 0; k < records; ++k) {
      const CourseRecord& c = courses[pickCourse(random)];
      TrainingRecord t;
      const int year = 2021 + k % 6;
      const int month = pickMonth(random);
      t.TrainingDate =
          stamp(year, year == 2026 ? std::min(month, 11) : month, pickDay(random), 0, 0, 0);
      t.PersonID = personIds[p];
      t.CourseID = c.DateCreated;
      t.CourseCode = c.CourseCode;
      t.CourseName = c.CourseName;
      t.ProvidedBy = c.ProvidedBy;
      t.Hours = c.Hours;
      t.Comments = kComments[pickComment(random)];
      training.push_back(t);
    }
  }

  // One piece of journalled work makes every file whole, so that a seed cut short is finished by
  // the next start. Nobody made these records: the change log gets no line.
  store::doWork(files, {},
                {store::ReplaceFile{DataFile::Users, bytesOf(users)},
                 store::ReplaceFile{DataFile::Names, bytesOf(names)},
                 store::ReplaceFile{DataFile::Courses, bytesOf(index)},
                 store::ReplaceFile{DataFile::Renewals, bytesOf(periods)},
                 store::ReplaceFile{DataFile::Training, bytesOf(training)}},
                {});
  return true;
}

}  // namespace vm::app
