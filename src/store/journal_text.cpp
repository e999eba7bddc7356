#include "store/journal_text.h"

#include <charconv>

namespace vm::store {
namespace {

constexpr std::string_view kHeader = "Verdimark unfinished work";
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

std::vector<std::string_view> wordsOf(std::string_view line) {
  std::vector<std::string_view> words;
  while (!line.empty()) {
    const auto space = line.find(' ');
    words.push_back(line.substr(0, space));
    line = space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);
  }
  return words;
}

bool linkFits(DataFile f, std::size_t linkOffset) { return linkOffset + 8 <= recordLength(f); }

std::optional<WorkStep> stepOf(std::string_view line) {
  const auto words = wordsOf(line);
  if (words.size() < 2) return std::nullopt;
  const auto file = fileNamed(words[1]);
  if (!file) return std::nullopt;
  if (words[0] == "remove" && words.size() == 4) {
    RemoveRecord s{*file};
    if (readNumber(words[2], s.record) && readNumber(words[3], s.countBefore) && s.record >= 1)
      return s;
  } else if (words[0] == "drop" && words.size() == 4) {
    DropLinked s{*file};
    if (readNumber(words[2], s.linkOffset) && readNumber(words[3], s.key) &&
        linkFits(*file, s.linkOffset))
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
  std::string operator()(const RemoveRecord& s) const {
    return "remove " + std::string(fileName(s.file)) + ' ' + numberText(s.record) + ' ' +
           numberText(s.countBefore);
  }
  std::string operator()(const DropLinked& s) const {
    return "drop " + std::string(fileName(s.file)) + ' ' + numberText(s.linkOffset) + ' ' +
           numberText(s.key);
  }
  std::string operator()(const PatchLinked& s) const {
    return "patch " + std::string(fileName(s.file)) + ' ' + numberText(s.linkOffset) + ' ' +
           numberText(s.key) + ' ' + numberText(s.offset) + ' ' + hexOf(s.patch);
  }
};

}  // namespace

std::string journalText(const std::vector<WorkStep>& steps) {
  std::string text = std::string(kHeader) + '\n';
  for (const WorkStep& step : steps) text += std::visit(LineOf{}, step) + '\n';
  return text + std::string(kEnd) + '\n';
}

std::optional<std::vector<WorkStep>> parseJournal(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    if (end == std::string_view::npos) return std::nullopt;  // the last line is unfinished
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  if (lines.size() < 2 || lines.front() != kHeader || lines.back() != kEnd) return std::nullopt;
  std::vector<WorkStep> steps;
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    auto step = stepOf(lines[i]);
    if (!step) return std::nullopt;
    steps.push_back(std::move(*step));
  }
  return steps;
}

}  // namespace vm::store
