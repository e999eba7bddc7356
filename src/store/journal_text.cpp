// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/journal_text.h"

#include <charconv>

namespace vm::store {
namespace {

constexpr std::string_view kEnd = "end";
constexpr std::string_view kHex = "0123456789ABCDEF";

template <typename Number>
std::string numberText(Number value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

template <typename Number>
bool readNumber(std::string_view word, Number& value) {
  const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
  return result.ec == std::errc() && result.ptr == word.data() + word.size();
}

std::string hexOf(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    text += kHex[b >> 4];
    text += kHex[b & 15];
  }
  return text;
}

bool bytesOf(std::string_view hex, std::string& bytes) {
  if (hex.size() % 2 != 0) return false;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const auto high = kHex.find(hex[i]);
    const auto low = kHex.find(hex[i + 1]);
    if (high == std::string_view::npos || low == std::string_view::npos) return false;
    bytes += static_cast<char>(high << 4 | low);
  }
  return true;
}

std::optional<DataFile> fileNamed(std::string_view name) {
  for (DataFile f : kRecordFiles)
    if (fileName(f) == name) return f;
  return std::nullopt;
}

// The first `most` - 1 words separated by single blanks, and the rest of the line as the last.
std::vector<std::string_view> wordsOf(std::string_view line, std::size_t most = 16) {
  std::vector<std::string_view> words;
  while (!line.empty()) {
    const auto space = words.size() + 1 == most ? std::string_view::npos : line.find(' ');
    words.push_back(line.substr(0, space));
    line = space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);
  }
  return words;
}

bool linkFits(DataFile f, std::size_t linkOffset) { return linkOffset + 8 <= recordLength(f); }

constexpr std::string_view tallyWord(Tally t) {
  switch (t) {
    case Tally::None:
      return "none";
    case Tally::TrainingRemoved:
      return "removed";
    case Tally::TrainingUpdated:
      return "updated";
  }
  return {};
}

std::optional<Tally> tallyNamed(std::string_view word) {
  for (Tally t : {Tally::None, Tally::TrainingRemoved, Tally::TrainingUpdated})
    if (tallyWord(t) == word) return t;
  return std::nullopt;
}

std::optional<WorkStep> stepOf(const std::vector<std::string_view>& words) {
  if (words.size() < 2) return std::nullopt;
  const auto file = fileNamed(words[1]);
  if (!file) return std::nullopt;
  if (words[0] == "put" && words.size() == 4) {
    PutRecord s{*file};
    if (readNumber(words[2], s.record) && s.record >= 1 && bytesOf(words[3], s.bytes) &&
        s.bytes.size() == recordLength(*file))
      return s;
  } else if (words[0] == "append" && words.size() == 4) {
    AppendRecords s{*file};
    if (readNumber(words[2], s.countBefore) && readNumber(words[3], s.countAfter) &&
        s.countBefore >= 0 && s.countAfter > s.countBefore)
      return s;
  } else if (words[0] == "remove" && words.size() == 4) {
    RemoveRecord s{*file};
    if (readNumber(words[2], s.record) && readNumber(words[3], s.countBefore) && s.record >= 1)
      return s;
  } else if (words[0] == "drop" && (words.size() == 4 || words.size() == 5)) {
    DropLinked s{*file};
    if (readNumber(words[2], s.linkOffset) && readNumber(words[3], s.key) &&
        linkFits(*file, s.linkOffset) &&
        (words.size() == 4 || (readNumber(words[4], s.countBefore) && s.countBefore >= 0)))
      return s;
  } else if (words[0] == "replace" && (words.size() == 2 || words.size() == 3)) {
    ReplaceFile s{*file};
    if ((words.size() == 2 || bytesOf(words[2], s.bytes)) &&
        s.bytes.size() % recordLength(*file) == 0 &&
        s.bytes.size() / recordLength(*file) <= static_cast<std::size_t>(maxRecords(*file)))
      return s;
  } else if (words[0] == "patch" && words.size() == 6) {
    PatchLinked s{*file};
    if (readNumber(words[2], s.linkOffset) && readNumber(words[3], s.key) &&
        readNumber(words[4], s.offset) && bytesOf(words[5], s.patch) &&
        linkFits(*file, s.linkOffset) && s.offset <= recordLength(*file) &&
        s.patch.size() <= recordLength(*file) - s.offset)
      return s;
  }
  return std::nullopt;
}

struct LineOf {
  std::string operator()(const PutRecord& s) const {
    return "put " + std::string(fileName(s.file)) + ' ' + numberText(s.record) + ' ' +
           hexOf(s.bytes);
  }
  std::string operator()(const AppendRecords& s) const {
    return "append " + std::string(fileName(s.file)) + ' ' + numberText(s.countBefore) + ' ' +
           numberText(s.countAfter);
  }
  std::string operator()(const RemoveRecord& s) const {
    return "remove " + std::string(fileName(s.file)) + ' ' + numberText(s.record) + ' ' +
           numberText(s.countBefore);
  }
  std::string operator()(const DropLinked& s) const {
    return "drop " + std::string(fileName(s.file)) + ' ' + numberText(s.linkOffset) + ' ' +
           numberText(s.key) + ' ' + numberText(s.countBefore);
  }
  std::string operator()(const PatchLinked& s) const {
    return "patch " + std::string(fileName(s.file)) + ' ' + numberText(s.linkOffset) + ' ' +
           numberText(s.key) + ' ' + numberText(s.offset) + ' ' + hexOf(s.patch);
  }
  std::string operator()(const ReplaceFile& s) const {
    // No records: the file goes.
    return "replace " + std::string(fileName(s.file)) +
           (s.bytes.empty() ? "" : " " + hexOf(s.bytes));
  }
};

// "line <tally> <step> <text>"; the text may hold blanks and tabs but no line break.
std::optional<PendingLine> pendingOf(std::string_view line, std::size_t steps) {
  const auto words = wordsOf(line, 4);
  if (words.size() != 4) return std::nullopt;
  PendingLine p;
  const auto tally = tallyNamed(words[1]);
  if (!tally || !readNumber(words[2], p.step) || words[3].find('\r') != std::string_view::npos)
    return std::nullopt;
  if (*tally != Tally::None && p.step >= steps) return std::nullopt;
  p.tally = *tally;
  p.text = std::string(words[3]);
  return p;
}

}  // namespace

std::string journalText(const Journal& journal) {
  std::string text = std::string(kJournalHeader) + '\n';
  for (const WorkStep& step : journal.steps) text += std::visit(LineOf{}, step) + '\n';
  if (!journal.lines.empty()) {
    text += "log " + numberText(journal.logAt) + '\n';
    for (const PendingLine& p : journal.lines)
      text += "line " + std::string(tallyWord(p.tally)) + ' ' + numberText(p.step) + ' ' + p.text +
              '\n';
  }
  return text + std::string(kEnd) + '\n';
}

std::optional<Journal> parseJournal(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    if (end == std::string_view::npos) return std::nullopt;  // the last line is unfinished
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  if (lines.size() < 2 || lines.front() != kJournalHeader || lines.back() != kEnd)
    return std::nullopt;
  Journal journal;
  bool logSeen = false;
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.starts_with("line ")) {
      auto pending = pendingOf(line, journal.steps.size());
      if (!pending || !logSeen) return std::nullopt;
      journal.lines.push_back(std::move(*pending));
    } else if (line.starts_with("log ")) {
      if (logSeen || !journal.lines.empty() || !readNumber(line.substr(4), journal.logAt))
        return std::nullopt;
      logSeen = true;
    } else {
      auto step = logSeen ? std::nullopt : stepOf(wordsOf(line));
      if (!step) return std::nullopt;
      journal.steps.push_back(std::move(*step));
    }
  }
  return journal;
}

}  // namespace vm::store
