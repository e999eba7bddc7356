// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/field_edit.h"

#include <vector>

#include "format/automation_date.h"
#include "format/date_parse.h"
#include "format/number_parse.h"
#include "format/number_text.h"
#include "store/change_log/record_changes.h"
#include "store/compaction.h"
#include "store/field_codec.h"
#include "store/record_codec.h"
#include "store/work_journal.h"

namespace vm::training {
namespace {

namespace layout = store::layout::training;

std::string_view captionOf(EditField field) {
  return kEditMenuCaptions[static_cast<std::size_t>(field) - 1];
}

std::size_t characters(std::string_view utf8) {
  std::size_t n = 0;
  for (char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

std::optional<std::string> tooLong(std::string_view answer, std::size_t limit) {
  if (characters(answer) <= limit) return std::nullopt;
  return "is too many characters\n(limited to " + std::to_string(limit) + " characters)";
}

std::optional<std::string> complaint(EditField field, std::string_view answer) {
  switch (field) {
    case EditField::Date:
      if (format::parseDate(answer)) return std::nullopt;
      return "is an unreadable date entry.";
    case EditField::Code:
      // A record under the removal mark would vanish with the next removal of any record.
      if (answer == store::kTombstone) return "marks removed records\n(it cannot be a Course Code)";
      return tooLong(answer, layout::CourseCode.width);
    case EditField::Name:
      return tooLong(answer, layout::CourseName.width);
    case EditField::Provider:
      return tooLong(answer, layout::ProvidedBy.width);
    case EditField::Hours: {
      // As in the course editor, only an answer that is wholly a number counts as one.
      const double hours = format::isNumeric(answer) ? format::leadingNumber(answer) : 0;
      if (hours >= 1 && hours <= 999) return std::nullopt;
      return "is an improbable 'Hours' entry";
    }
  }
  return std::nullopt;
}

constexpr auto kTraining = store::DataFile::Training;

std::string readRecord(store::FileTable& table, std::int32_t n) {
  const store::OpenFile file(table, kTraining);
  std::string record(layout::kLength, '\0');
  table.readBytes(kTraining, n, record);
  return record;
}

}  // namespace

std::string editPrompt(EditField field) {
  return "Below, enter your changes for\n" + std::string(captionOf(field).substr(3)) +
         ".\n\nor press the <Cancel> key at right\nto cancel this edit operation.";
}

std::optional<std::string> refuseAnswer(EditField field, std::string_view answer) {
  const std::optional<std::string> why = complaint(field, answer);
  if (!why) return std::nullopt;
  return std::string(answer) + "\n\n" + *why;
}

records::TrainingEdit fieldEdit(EditField field, std::string_view text) {
  return [field, answer = std::string(text)](std::span<char> record) {
    switch (field) {
      case EditField::Date:
        store::codec::putDouble(record, layout::TrainingDate,
                                format::toAutomationDate(*format::parseDate(answer)));
        break;
      case EditField::Code:
        store::codec::putText(record, layout::CourseCode, answer);
        break;
      case EditField::Name:
        store::codec::putText(record, layout::CourseName, answer);
        break;
      case EditField::Provider:
        store::codec::putText(record, layout::ProvidedBy, answer);
        break;
      case EditField::Hours:
        store::codec::putSingle(record, layout::Hours,
                                format::toSingle(format::leadingNumber(answer)));
        break;
    }
  };
}

records::TrainingEdit commentsEdit(std::string_view text) {
  return [comments = std::string(text)](std::span<char> record) {
    store::codec::putText(record, layout::Comments, comments);
  };
}

void editTraining(store::FileTable& table, const store::ChangeAuthor& author, std::int32_t n,
                  std::string_view person, const records::TrainingEdit& edit) {
  const std::string before = readRecord(table, n);
  std::string after = before;
  edit(std::span<char>(after));
  const store::Change change =
      store::trainingEdited(person, store::decoded<store::TrainingRecord>(before),
                            store::decoded<store::TrainingRecord>(after));
  if (change.details.empty()) return;
  store::doWork(table, author, {store::PutRecord{kTraining, n, after}}, {&change, 1});
}

void removeTrainingRecord(store::FileTable& table, const store::ChangeAuthor& author,
                          std::int32_t n, std::string_view person,
                          const store::PassProgress& progress) {
  const store::Change change =
      store::trainingDeleted(person, store::decoded<store::TrainingRecord>(readRecord(table, n)));
  store::doWork(table, author, {store::RemoveRecord{kTraining, n}}, {&change, 1}, progress);
}

}  // namespace vm::training
