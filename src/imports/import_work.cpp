// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/import_work.h"

#include "store/change_log/record_changes.h"
#include "store/record_codec.h"
#include "store/work_journal.h"

namespace vm::imports {
namespace {

template <typename Record>
void appendStep(std::vector<store::WorkStep>& steps, const std::vector<Record>& records) {
  if (records.empty()) return;
  std::string bytes;
  bytes.reserve(records.size() * store::recordLength(store::RecordTraits<Record>::file));
  for (const Record& r : records) bytes += store::encoded(r);
  steps.push_back(store::AppendRecords{store::RecordTraits<Record>::file, std::move(bytes)});
}

}  // namespace

std::vector<store::WorkStep> importSteps(const records::Additions& additions) {
  std::vector<store::WorkStep> steps;
  appendStep(steps, additions.persons);
  appendStep(steps, additions.courses);
  appendStep(steps, additions.trainings);
  return steps;
}

std::vector<store::Change> importChanges(const ImportPlan& plan, std::string_view file) {
  std::vector<store::Change> changes;
  changes.reserve(1 + plan.persons.size() + plan.courses.size() + plan.trainings.size());
  changes.push_back(
      store::dataImported(file, {plan.persons.size(), plan.courses.size(), plan.trainings.size(),
                                 plan.count(Outcome::OnFile), plan.count(Outcome::Refused)}));
  for (const store::NameRecord& p : plan.persons) changes.push_back(store::personAdded(p));
  for (const store::CourseRecord& c : plan.courses) changes.push_back(store::courseAdded(c));
  for (std::size_t i = 0; i < plan.trainings.size(); ++i)
    changes.push_back(store::trainingCredited(plan.trainingPersons[i], plan.trainings[i]));
  return changes;
}

records::Additions importAdditions(const ImportPlan& plan, std::string_view file) {
  return {plan.persons, plan.courses, plan.trainings, importChanges(plan, file)};
}

bool fitsOneImport(const std::vector<store::Change>& changes, const store::ChangeAuthor& author,
                   std::size_t longestLines) {
  std::size_t bytes = 0;
  for (const store::Change& c : changes) {
    bytes += store::pendingLine(author, c).size() + 16;
    if (bytes > longestLines) return false;
  }
  return true;
}

bool writeImport(store::FileTable& table, const store::ChangeAuthor& author,
                 const records::Additions& additions) {
  std::vector<store::WorkStep> steps = importSteps(additions);
  if (steps.empty()) return true;
  if (!fitsOneImport(additions.changes, author)) return false;
  store::doWork(table, author, std::move(steps), additions.changes);
  return true;
}

}  // namespace vm::imports
