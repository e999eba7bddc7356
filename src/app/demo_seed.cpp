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
#include "store/course_copies.h"
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

// Persons who joined a few weeks ago: they have taken the induction courses and none of the
// courses that must be renewed yet, so some searches find persons without any first aid.
bool newcomer(std::size_t person) { return person % 9 == 4; }
constexpr std::array<const char*, 2> kInduction = {"ADM-0101", "ADM-0205"};
constexpr int kNewcomerDays = 45;

// Where a person stands in a renewed course on the day the folder is seeded.
enum class Standing { NeverTaken, Expired, Due, Current };

// Spread by person and course so that every course and most persons have some of each: one
// pairing in five never taken (the gaps of the training matrix), and of the others about one in
// twelve expired, one in twelve due within the month and the rest current.
Standing standingOf(std::size_t person, std::size_t course) {
  if ((person + 2 * course) % 5 == 0) return Standing::NeverTaken;
  switch ((person * 7 + course * 3) % 12) {
    case 0:
      return Standing::Expired;
    case 1:
      return Standing::Due;
    default:
      return Standing::Current;
  }
}

// The day `months` months before `today`, on the 28th at the latest so that every month has it.
std::int64_t monthsBefore(const format::DateTime& today, int months) {
  const int index = today.year * 12 + (today.month - 1) - months;
  return format::automationDay(
      format::automationDateOf(index / 12, index % 12 + 1, std::min(today.day, 28)));
}

// A creation stamp `days` before today, at 08:00 plus a second for each place in its list.
double createdBefore(std::int64_t today, int days, std::size_t place) {
  return static_cast<double>(today - days) + (8 * 3600 + static_cast<double>(place)) / 86400.0;
}

// The records' exact bytes, one after the other.
template <typename Record>
std::string bytesOf(const std::vector<Record>& records) {
  std::string bytes;
  for (const Record& r : records) bytes += store::encoded(r);
  return bytes;
}

struct Seeder {
  std::mt19937 random{20221};  // the same organisation, relative to the day, every time
  std::vector<TrainingRecord> training;

  void credit(double person, const CourseRecord& c, std::int64_t day) {
    std::uniform_int_distribution<std::size_t> pickComment(0, kComments.size() - 1);
    training.push_back(store::trainingOf(c, person, static_cast<double>(day),
                                         std::string(kComments[pickComment(random)])));
  }
  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
};

}  // namespace

bool seedDemonstrationData(store::FileTable& files, const format::Clock& clock) {
  for (DataFile f : store::kRecordFiles)
    if (files.exists(f)) return false;
  const format::DateTime now = clock.now();
  const std::int64_t today = format::automationDay(format::toAutomationDate(now));
  // The organisation started using the program six years ago; its training goes back five.
  constexpr int kUsersSince = 6 * 365 + 2;
  constexpr int kHistoryDays = 5 * 365;

  std::vector<UserRecord> users(2);
  UserRecord& user = users[0];
  user.DateCreated = createdBefore(today, kUsersSince, 0);
  user.FirstName = kDemoUserFirst;
  user.LastName = kDemoUserLast;
  user.Password = access::ScramblePassword(kDemoPassword);
  user.AccessLevel = 4;
  user.Comments = "Demonstration user with full access.";
  UserRecord& viewer = users[1];
  viewer.DateCreated = createdBefore(today, kUsersSince, 300);
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
    n.DateCreated = createdBefore(today, newcomer(i) ? kNewcomerDays : kUsersSince - 1, i);
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
  std::vector<CourseRecord> onceOnly;                 // courses taken whenever
  std::vector<std::pair<CourseRecord, int>> renewed;  // with their months
  for (std::size_t i = 0; i < kCourses.size(); ++i) {
    const Course& c = kCourses[i];
    CourseRecord r;
    r.DateCreated = createdBefore(today, kUsersSince - 2, i);
    r.CourseCode = c.code;
    r.CourseName = c.name;
    r.ProvidedBy = c.provider;
    r.Hours = c.hours;
    index.push_back(r);
    if (c.hours <= 0) continue;
    const auto period = std::find_if(kRenewed.begin(), kRenewed.end(),
                                     [&](const auto& k) { return r.CourseCode == k.first; });
    if (period == kRenewed.end())
      onceOnly.push_back(r);
    else
      renewed.emplace_back(r, period->second);
  }
  std::vector<RenewalRecord> periods;
  for (const auto& [c, months] : renewed)
    periods.push_back({c.DateCreated, static_cast<std::int16_t>(months)});

  Seeder seed;
  std::uniform_int_distribution<std::size_t> pickCourse(0, onceOnly.size() - 1);
  for (std::size_t p = 0; p < personIds.size(); ++p) {
    if (newcomer(p)) {
      for (const CourseRecord& c : onceOnly)
        if (std::find(kInduction.begin(), kInduction.end(), c.CourseCode) != kInduction.end())
          seed.credit(personIds[p], c, today - seed.between(1, kNewcomerDays - 5));
      continue;
    }
    const int records = 4 + static_cast<int>(p % 5);
    for (int k = 0; k < records; ++k)
      seed.credit(personIds[p], onceOnly[pickCourse(seed.random)],
                  today - seed.between(1, kHistoryDays));
    // In a renewed course the day of the latest training sets where the person stands: it
    // lapses the course's months later, and the one before it a period earlier.
    for (std::size_t c = 0; c < renewed.size(); ++c) {
      const auto& [course, months] = renewed[c];
      int lapsesIn = 0;  // days from today
      switch (standingOf(p, c)) {
        case Standing::NeverTaken:
          continue;
        case Standing::Expired:
          lapsesIn = -seed.between(5, 60);
          break;
        case Standing::Due:
          lapsesIn = seed.between(5, 25);
          break;
        case Standing::Current:
          lapsesIn = seed.between(40, std::max(45, months * 28));
          break;
      }
      const std::int64_t latest = monthsBefore(now, months) + lapsesIn;
      const std::int64_t before = latest - months * 30 - seed.between(0, 20);
      if (before > today - kHistoryDays) seed.credit(personIds[p], course, before);
      seed.credit(personIds[p], course, latest);
    }
  }

  // One piece of journalled work makes every file whole, so that a seed cut short is finished by
  // the next start. Nobody made these records: the change log gets no line.
  store::doWork(files, {},
                {store::ReplaceFile{DataFile::Users, bytesOf(users)},
                 store::ReplaceFile{DataFile::Names, bytesOf(names)},
                 store::ReplaceFile{DataFile::Courses, bytesOf(index)},
                 store::ReplaceFile{DataFile::Renewals, bytesOf(periods)},
                 store::ReplaceFile{DataFile::Training, bytesOf(seed.training)}},
                {});
  return true;
}

}  // namespace vm::app
