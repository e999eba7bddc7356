// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/change_log/change_line.h"

#include "format/automation_date.h"
#include "format/cp1252.h"
#include "format/date_text.h"

namespace vm::store {
namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";  // U+2026, byte 0x85 in Windows-1252

// The length of the UTF-8 sequence that begins with this byte (1 for a stray byte).
std::size_t sequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

// C0 controls, DEL, and the C1 controls (U+0080 to U+009F, two bytes C2 80 to C2 9F).
bool isControl(std::string_view character) {
  const auto first = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) return first < 0x20 || first == 0x7F;
  return character.size() == 2 && first == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
}

std::string plural(std::int32_t n, std::string_view one, std::string_view many) {
  return std::to_string(n) + ' ' + std::string(n == 1 ? one : many);
}

}  // namespace

std::string logValue(std::string_view utf8) {
  std::vector<std::string_view> characters;
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t n = std::min(sequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80) {
        n = 1;  // malformed: the lead byte alone, which the code page writes as "?"
        break;
      }
    }
    characters.push_back(utf8.substr(i, n));
    i += n;
  }
  const bool cut = characters.size() > kLongestValue;
  const std::size_t kept = cut ? kLongestValue - 1 : characters.size();
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < kept; ++i)
    out += isControl(characters[i]) ? std::string_view(" ") : characters[i];
  if (cut) out += kEllipsis;
  return out;
}

std::string quoted(std::string_view utf8) {
  std::string out = "\"";
  for (const char c : logValue(utf8)) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

std::string pendingLine(const ChangeAuthor& author, const Change& change) {
  const double when = format::toAutomationDate(author.when);
  std::string line = format::formatDate(when) + ' ' + format::formatTime(when) + '\t' +
                     logValue(author.user) + '\t' + change.action + '\t' + change.record + '\t';
  for (std::size_t i = 0; i < change.details.size(); ++i) {
    if (i > 0) line += "; ";
    line += change.details[i];
  }
  return format::utf8ToCp1252(line);
}

std::string finishedLine(std::string_view pending, Tally tally, std::int32_t counted,
                         std::int32_t reviewed) {
  std::string line(pending);
  std::string count;
  switch (tally) {
    case Tally::None:
      break;
    case Tally::TrainingRemoved:
      count = plural(counted, "training record removed", "training records removed");
      break;
    case Tally::TrainingUpdated:
      count = std::to_string(counted) + " of " +
              plural(reviewed, "training record updated", "training records updated");
      break;
  }
  if (!count.empty()) line += (line.ends_with('\t') ? "" : "; ") + count;
  return line + "\r\n";
}

}  // namespace vm::store
