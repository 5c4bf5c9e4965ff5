#include "session/calculation.h"

#include <algorithm>
#include <array>
#include <optional>

namespace nines::session {
namespace {

constexpr std::string_view kTimes = "\u00d7";      // ×
constexpr std::string_view kDividedBy = "\u00f7";  // ÷

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
// What people put between groups of digits.
bool isGroupingMark(char c) { return c == ',' || c == '.' || c == '\'' || c == '_'; }
bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 character that `rest` starts with, or
// 0: no overlong form, no surrogate, nothing past U+10FFFF.
std::size_t characterLength(std::string_view rest) {
  const auto byte = [rest](std::size_t i) {
    return i < rest.size() ? static_cast<unsigned char>(rest[i]) : 0u;
  };
  const unsigned lead = byte(0);
  // The second byte's range narrows for the leads that could go astray.
  unsigned low = 0x80;
  unsigned high = 0xBF;
  std::size_t length = 0;
  if (lead < 0x80) {
    length = 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  if (length <= 1) return length;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!isContinuationByte(static_cast<char>(byte(i)))) return 0;
  }
  return length;
}

// True when the line is printable text: tabs, and no other control
// character, and UTF-8 throughout.
bool isText(std::string_view line) {
  while (!line.empty()) {
    const unsigned char c = static_cast<unsigned char>(line[0]);
    if ((c < 0x20 && c != '\t') || c == 0x7F) return false;
    const std::size_t length = characterLength(line);
    if (length == 0) return false;
    line.remove_prefix(length);
  }
  return true;
}

// Every byte that does not continue a UTF-8 character starts one.
std::size_t countCharacters(std::string_view line) {
  return static_cast<std::size_t>(
      std::count_if(line.begin(), line.end(), [](char c) { return !isContinuationByte(c); }));
}

// Walks a line from the left. The first mistake is kept and ends the walk:
// each step after it does nothing.
class Parser {
 public:
  explicit Parser(std::string_view line) : rest_(line) {}

  Reading read() {
    const DecimalInteger a = number(kOperandDigitsAtMost, /*remainderMayFollow=*/false);
    const Operation operation = readOperation();
    const DecimalInteger b = number(kOperandDigitsAtMost, /*remainderMayFollow=*/false);
    const bool division = operation == Operation::divide;
    if (division && b.isZero()) refuse(Refusal::divisionByZero);
    expect('=');
    const DecimalInteger answer = number(kAnswerDigitsAtMost, division);
    DecimalInteger remainder(0);
    if (division && remainderMark()) remainder = number(kAnswerDigitsAtMost, false);
    skipBlanks();
    if (!rest_.empty()) refuse(Refusal::shape);
    if (refusal_) return *refusal_;
    return Calculation{a, operation, b, answer, remainder};
  }

 private:
  void refuse(Refusal refusal) {
    if (!refusal_) refusal_ = refusal;
  }

  void skipBlanks() {
    while (!rest_.empty() && isBlank(rest_.front())) rest_.remove_prefix(1);
  }

  bool take(std::string_view piece) {
    if (!rest_.starts_with(piece)) return false;
    rest_.remove_prefix(piece.size());
    return true;
  }

  // Whether the rest starts with "=" or an operation, which may touch a
  // number's digits but cannot stand for one.
  bool atOperationOrEquals() const {
    constexpr std::array<std::string_view, 8> kMarks = {"=", "+", "-", "*",
                                                        "/", ":", kTimes, kDividedBy};
    return std::any_of(kMarks.begin(), kMarks.end(),
                       [this](std::string_view mark) { return rest_.starts_with(mark); });
  }

  // An optional sign (blanks may follow it) and at most `maxDigits` digits.
  // What touches the digits must be a blank, "=" or an operation, or, where
  // a remainder may follow, "r" or "R"; and blanks must not be followed by
  // more digits.
  DecimalInteger number(int maxDigits, bool remainderMayFollow) {
    if (refusal_) return DecimalInteger(0);
    skipBlanks();
    char sign = '+';
    if (!rest_.empty() && (rest_.front() == '+' || rest_.front() == '-')) {
      sign = rest_.front();
      rest_.remove_prefix(1);
      skipBlanks();
    }
    if (rest_.empty() || atOperationOrEquals()) {
      refuse(Refusal::shape);
      return DecimalInteger(0);
    }
    const std::size_t count = static_cast<std::size_t>(
        std::find_if_not(rest_.begin(), rest_.end(), isDigit) - rest_.begin());
    if (count == 0) {
      refuse(Refusal::notADigit);
      return DecimalInteger(0);
    }
    const std::string_view digits = rest_.substr(0, count);
    rest_.remove_prefix(count);
    if (!rest_.empty()) {
      const char next = rest_.front();
      const bool remainderMark = remainderMayFollow && (next == 'r' || next == 'R');
      if (isGroupingMark(next)) {
        refuse(Refusal::grouping);
      } else if (!isBlank(next) && !atOperationOrEquals() && !remainderMark) {
        refuse(Refusal::notADigit);
      } else if (isBlank(next)) {
        const std::size_t after = rest_.find_first_not_of(" \t");
        if (after != std::string_view::npos && isDigit(rest_[after])) refuse(Refusal::grouping);
      }
    }
    if (count > static_cast<std::size_t>(maxDigits)) refuse(Refusal::tooManyDigits);
    if (refusal_) return DecimalInteger(0);

    // The value type reads a sign and digits from a terminated text.
    std::array<char, kAnswerDigitsAtMost + 2> text{};
    text[0] = sign;
    std::copy(digits.begin(), digits.end(), text.begin() + 1);
    return DecimalInteger(text.data());
  }

  Operation readOperation() {
    if (refusal_) return Operation::add;
    skipBlanks();
    if (take("+")) return Operation::add;
    if (take("-")) return Operation::subtract;
    if (take("*") || take(kTimes)) return Operation::multiply;
    if (take("/") || take(":") || take(kDividedBy)) return Operation::divide;
    refuse(rest_.empty() || rest_.starts_with('=') ? Refusal::shape : Refusal::operation);
    return Operation::add;
  }

  void expect(char mark) {
    if (refusal_) return;
    skipBlanks();
    if (!take(std::string_view(&mark, 1))) refuse(Refusal::shape);
  }

  // Takes "rem", "r" or "R" after a quotient, if one is there.
  bool remainderMark() {
    if (refusal_) return false;
    skipBlanks();
    return take("rem") || take("r") || take("R");
  }

  std::string_view rest_;
  std::optional<Refusal> refusal_;
};

}  // namespace

Reading readCalculation(std::string_view line) {
  if (line.ends_with('\r')) line.remove_suffix(1);
  if (countCharacters(line) > kLineCharacters) return Refusal::tooLong;
  if (!isText(line)) return Refusal::notText;
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return Refusal::blank;
  const std::string_view trimmed = line.substr(first, line.find_last_not_of(" \t") + 1 - first);
  if (trimmed == "x") return Finish{};
  return Parser(trimmed).read();
}

}  // namespace nines::session
