#include "training/credit.h"

#include <span>

#include "store/field_codec.h"
#include "store/record_codec.h"

namespace vm::training {

using store::DataFile;

namespace {

// The training records of a credit, encoded back to back, one per person in the order given:
// the same date, course link, course copies and comments, each with its person's link.
std::vector<char> creditRecords(const store::CourseRecord& course,
                                const std::vector<double>& personIds, double trainingDate,
                                const std::string& comments) {
  namespace layout = store::layout::training;
  store::TrainingRecord record;
  record.TrainingDate = trainingDate;
  record.CourseID = course.DateCreated;
  record.CourseCode = course.CourseCode;
  record.CourseName = course.CourseName;
  record.ProvidedBy = course.ProvidedBy;
  record.Hours = course.Hours;
  record.Comments = comments;
  // Encoded once; each person's copy differs only in its person link.
  std::vector<char> first(layout::kLength);
  store::RecordTraits<store::TrainingRecord>::encode(record, first);

  std::vector<char> out(layout::kLength * personIds.size());
  for (std::size_t i = 0; i < personIds.size(); ++i) {
    const std::span<char> slot(out.data() + i * layout::kLength, layout::kLength);
    std::copy(first.begin(), first.end(), slot.begin());
    store::codec::putDouble(slot, layout::PersonID, personIds[i]);
  }
  return out;
}

}  // namespace

void creditTraining(store::FileTable& table, const Credit& credit, store::CourseRecord& course) {
  {
    const store::OpenFile courses(table, DataFile::Courses);
    course = table.read<store::CourseRecord>(credit.courseRecNum);
  }
  std::vector<double> personIds;
  personIds.reserve(credit.personRecNums.size());
  {
    const store::OpenFile names(table, DataFile::Names);
    std::vector<char> person(store::layout::name::kLength);
    for (std::int32_t n : credit.personRecNums) {
      table.readBytes(DataFile::Names, n, person);
      personIds.push_back(store::codec::getDouble(person, store::layout::name::DateCreated));
    }
  }
  const std::vector<char> records =
      creditRecords(course, personIds, credit.trainingDate, credit.comments);
  const store::OpenFile training(table, DataFile::Training);
  table.appendBytes(DataFile::Training, records);
}

}  // namespace vm::training
