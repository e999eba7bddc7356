// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/field_check.h"

#include <string_view>

#include "format/cp1252.h"
#include "store/record_layouts.h"

namespace vm::imports {
namespace {

namespace layout = store::layout;

struct Rule {
  std::string_view label;
  std::size_t width;
  bool comments;
};

Rule ruleOf(FieldRule r) {
  switch (r) {
    case FieldRule::FirstName:
      return {"first name", layout::name::FirstName.width, false};
    case FieldRule::MiddleName:
      return {"middle name", layout::name::MiddleName.width, false};
    case FieldRule::LastName:
      return {"last name", layout::name::LastName.width, false};
    case FieldRule::Organization:
      return {"organization", layout::name::Organization.width, false};
    case FieldRule::EmployeeID:
      return {"employee ID", layout::name::EmployeeID.width, false};
    case FieldRule::PersonComments:
      return {"comments", layout::name::Comments.width, true};
    case FieldRule::CourseCode:
      return {"course code", layout::course::CourseCode.width, false};
    case FieldRule::CourseName:
      return {"course name", layout::course::CourseName.width, false};
    case FieldRule::ProvidedBy:
      return {"provider", layout::course::ProvidedBy.width, false};
    case FieldRule::CourseComments:
      return {"comments", layout::course::Comments.width, true};
    case FieldRule::TrainingComments:
      return {"comments", layout::training::Comments.width, true};
  }
  return {};
}

}  // namespace

std::optional<std::string> checkField(FieldRule r, const std::string& utf8) {
  const Rule rule = ruleOf(r);
  std::size_t characters = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const std::size_t len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : 4;
    const std::string_view ch = std::string_view(utf8).substr(i, len);
    if (b < 0x20 && !(rule.comments && (b == '\n' || b == '\r' || b == '\t')))
      return std::string(rule.label) + " holds a line break or another control character";
    if (len > 1 && format::utf8ToCp1252(ch) == "?")
      return std::string(rule.label) + " holds \"" + std::string(ch) +
             "\", which the data files cannot store";
    ++characters;
    i += len;
  }
  if (characters > rule.width)
    return std::string(rule.label) + " too long: " + std::to_string(characters) + " of " +
           std::to_string(rule.width) + " characters";
  return std::nullopt;
}

}  // namespace vm::imports
