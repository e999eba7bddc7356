#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/work_step.h"

namespace vm::store {

// The journal's text: a first line naming it, one line per step, and a last line "end",
// so that a journal cut short by a crash is known as such:
//   Verdimark unfinished work
//   remove Name.List 5 120
//   drop Training.Records 8 45123.5
//   patch Training.Records 16 45100.5 24 46412D30322020...
//   end
// Numbers read back exactly; the patch is written in hexadecimal.
std::string journalText(const std::vector<WorkStep>& steps);

// The steps of a whole journal; nothing for one that is cut short, damaged or unknown, or
// whose steps do not fit their files' records.
std::optional<std::vector<WorkStep>> parseJournal(std::string_view text);

}  // namespace vm::store
