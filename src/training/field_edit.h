// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/records.h"
#include "store/change_log/change_line.h"
#include "store/file_table.h"
#include "store/pass_progress.h"

namespace vm::training {

// The editing menu of the training history, by item index (1 to 10); a separator has an empty
// caption.
inline constexpr std::array<std::string_view, 10> kEditMenuCaptions = {
    "Click below to edit...",
    "",
    "...the date the training was received...",
    "...the Course Code of this training record",
    "...the name of the training course",
    "...who provided this training",
    "...the hours associated with this training record",
    "...the comments associated with this training record",
    "",
    "Exit this menu"};

// The items that change one field through an input box, numbered as in the menu.
enum class EditField { Date = 3, Code = 4, Name = 5, Provider = 6, Hours = 7 };
inline constexpr int kEditComments = 8;

// The input box of a field edit: its title and its five-line prompt.
inline constexpr std::string_view kEditTitle = "Editing the highlighted training record";
std::string editPrompt(EditField field);

// Why an answer (already trimmed, not empty) cannot be stored: the text of the "Entry Error" box,
// which repeats the answer above the complaint. Nothing when it can.
std::optional<std::string> refuseAnswer(EditField field, std::string_view answer);

// The edit that writes the answer into its field of a training record, leaving every other byte
// of the record as it was. The answer must have passed refuseAnswer.
records::TrainingEdit fieldEdit(EditField field, std::string_view answer);
// The same for the comments, given as stored (trimmed, line breaks CR LF).
records::TrainingEdit commentsEdit(std::string_view comments);

// Applies the edit to training record n of Training.Records, in place, with the change log's line
// naming the record by `person` (the person's name), its date and course. An edit that changes
// nothing writes nothing. Opens and closes the file.
void editTraining(store::FileTable& table, const store::ChangeAuthor& author, std::int32_t n,
                  std::string_view person, const records::TrainingEdit& edit);

// Removes training record n, the change log's line naming it as above; removing the last record
// leaves no Training.Records.
// `progress` may stop the removal before anything changed (see store::doWork).
void removeTrainingRecord(store::FileTable& table, const store::ChangeAuthor& author,
                          std::int32_t n, std::string_view person,
                          const store::PassProgress& progress = {});

}  // namespace vm::training
