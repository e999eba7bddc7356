// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/date_parse.h"

#include <array>
#include <string>
#include <vector>

namespace vm::format {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isBlank(char c) { return c == ' ' || c == '\t'; }
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

struct Token {
  enum Kind { Number, Word, Mark, Blank } kind;
  std::string_view text;  // for Mark a single character: / - . , :
};

// Splits the text into runs of digits, letters and blanks and single marks; nullopt when it
// holds a character that no date uses.
std::optional<std::vector<Token>> tokenize(std::string_view text) {
  std::vector<Token> tokens;
  std::size_t at = 0;
  while (at < text.size()) {
    const char c = text[at];
    std::size_t end = at + 1;
    Token::Kind kind;
    if (isDigit(c)) {
      kind = Token::Number;
      while (end < text.size() && isDigit(text[end])) ++end;
    } else if (isLetter(c)) {
      kind = Token::Word;
      while (end < text.size() && isLetter(text[end])) ++end;
    } else if (isBlank(c)) {
      kind = Token::Blank;
      while (end < text.size() && isBlank(text[end])) ++end;
    } else if (c == '/' || c == '-' || c == '.' || c == ',' || c == ':') {
      kind = Token::Mark;
    } else {
      return std::nullopt;
    }
    tokens.push_back({kind, text.substr(at, end - at)});
    at = end;
  }
  return tokens;
}

// Walks the tokens; every read either consumes what it wants or leaves the position alone.
class Reader {
 public:
  explicit Reader(const std::vector<Token>& tokens) : tokens_(tokens) {}

  bool atEnd() const { return at_ == tokens_.size(); }

  const Token* peek() const { return atEnd() ? nullptr : &tokens_[at_]; }

  const Token* take(Token::Kind kind) {
    const Token* t = peek();
    if (t == nullptr || t->kind != kind) return nullptr;
    ++at_;
    return t;
  }

  bool takeMark(char mark) {
    const Token* t = peek();
    if (t == nullptr || t->kind != Token::Mark || t->text[0] != mark) return false;
    ++at_;
    return true;
  }

  bool takeBlank() { return take(Token::Blank) != nullptr; }

 private:
  const std::vector<Token>& tokens_;
  std::size_t at_ = 0;
};

int valueOf(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

// 1 to 12 for a month's full name, its first three letters, or "sept"; 0 otherwise.
int monthOfName(std::string_view word) {
  static constexpr std::array<std::string_view, 12> kNames = {
      "january", "february", "march",     "april",   "may",      "june",
      "july",    "august",   "september", "october", "november", "december"};
  std::string name;
  for (char c : word) name += lower(c);
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (name == kNames[i] || name == kNames[i].substr(0, 3)) return static_cast<int>(i) + 1;
  }
  return name == "sept" ? 9 : 0;
}

// A group of the date: a number or a month name.
struct Group {
  const Token* token;
  bool isNumber() const { return token->kind == Token::Number; }
  std::size_t digits() const { return token->text.size(); }
};

// What stands between two groups: blanks, a mark, or a mark with blanks around it. Returns
// the mark, ' ' for blanks alone, or 0 when there is no separator. A point after a month
// name ("Mar. 15") is read as its separator.
char takeSeparator(Reader& in) {
  const bool blankBefore = in.takeBlank();
  char mark = ' ';
  for (char c : {'/', '-', '.', ','}) {
    if (in.takeMark(c)) {
      mark = c;
      break;
    }
  }
  const bool blankAfter = in.takeBlank();
  if (mark == ' ' && !blankBefore && !blankAfter) return 0;
  return mark;
}

int yearOf(const Group& g) {
  const int year = valueOf(g.token->text);
  if (g.digits() == 4) return year;
  return year < 30 ? 2000 + year : 1900 + year;
}

bool isDayOrMonth(const Group& g) { return g.isNumber() && g.digits() <= 2; }
bool isYear(const Group& g) { return g.isNumber() && (g.digits() == 2 || g.digits() == 4); }

std::optional<DateTime> readDate(Reader& in) {
  std::array<Group, 3> g{};
  std::array<char, 2> separator{};
  for (std::size_t i = 0; i < 3; ++i) {
    if (i > 0 && (separator[i - 1] = takeSeparator(in)) == 0) return std::nullopt;
    const Token* t = in.take(Token::Number);
    if (t == nullptr) t = in.take(Token::Word);
    if (t == nullptr) return std::nullopt;
    g[i] = Group{t};
  }

  DateTime date{};
  const bool allNumbers = g[0].isNumber() && g[1].isNumber() && g[2].isNumber();
  if (allNumbers) {
    // The same separator twice, and no comma, keeps "3/5-2004" and "3,5,2004" out.
    if (separator[0] != separator[1] || separator[0] == ',') return std::nullopt;
    if (g[0].digits() == 4 && isDayOrMonth(g[1]) && isDayOrMonth(g[2])) {
      date = {valueOf(g[0].token->text), valueOf(g[1].token->text), valueOf(g[2].token->text)};
    } else if (isDayOrMonth(g[0]) && isDayOrMonth(g[1]) && isYear(g[2])) {
      date = {yearOf(g[2]), valueOf(g[0].token->text), valueOf(g[1].token->text)};
    } else {
      return std::nullopt;
    }
  } else if (!g[0].isNumber() && isDayOrMonth(g[1]) && isYear(g[2])) {
    date = {yearOf(g[2]), monthOfName(g[0].token->text), valueOf(g[1].token->text)};
  } else if (!g[1].isNumber() && g[0].isNumber() && g[0].digits() == 4 && isDayOrMonth(g[2])) {
    date = {valueOf(g[0].token->text), monthOfName(g[1].token->text), valueOf(g[2].token->text)};
  } else if (!g[1].isNumber() && isDayOrMonth(g[0]) && isYear(g[2])) {
    date = {yearOf(g[2]), monthOfName(g[1].token->text), valueOf(g[0].token->text)};
  } else {
    return std::nullopt;
  }
  return date;
}

// Reads "h[:mm[:ss]] [am|pm]" into `date`; false when it is not a time of day.
bool readTime(Reader& in, DateTime& date) {
  const Token* hour = in.take(Token::Number);
  if (hour == nullptr || hour->text.size() > 2) return false;
  std::array<const Token*, 2> parts{};
  for (auto& part : parts) {
    if (!in.takeMark(':')) break;
    part = in.take(Token::Number);
    if (part == nullptr || part->text.size() != 2) return false;
  }
  in.takeBlank();
  const Token* word = in.take(Token::Word);
  date.hour = valueOf(hour->text);
  date.minute = parts[0] ? valueOf(parts[0]->text) : 0;
  date.second = parts[1] ? valueOf(parts[1]->text) : 0;
  if (word == nullptr) return parts[0] != nullptr;  // a bare number is no time
  const std::string_view half = word->text;
  const bool pm = half.size() == 2 && lower(half[0]) == 'p' && lower(half[1]) == 'm';
  const bool am = half.size() == 2 && lower(half[0]) == 'a' && lower(half[1]) == 'm';
  if ((!am && !pm) || date.hour < 1 || date.hour > 12) return false;
  date.hour = date.hour % 12 + (pm ? 12 : 0);
  return true;
}

}  // namespace

std::optional<DateTime> parseDate(std::string_view text) {
  const auto tokens = tokenize(text);
  if (!tokens) return std::nullopt;
  Reader in(*tokens);
  in.takeBlank();
  auto date = readDate(in);
  if (!date) return std::nullopt;
  in.takeBlank();
  if (!in.atEnd() && !readTime(in, *date)) return std::nullopt;
  in.takeBlank();
  if (!in.atEnd() || !isValid(*date)) return std::nullopt;
  return date;
}

}  // namespace vm::format
