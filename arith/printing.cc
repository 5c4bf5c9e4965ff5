// Stream insertion of a value and its proof chain. Each text is built whole
// and inserted once: formatted insertion of many small pieces costs more than
// the bytes they add.
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <iostream>
#include <ostream>
#include <string_view>

#include "arith/decimal_integer.h"

namespace nines {
namespace {

// Room for a sign and 80 digits, or for five tabs and a chain of five members.
class ShortText {
 public:
  void append(std::string_view piece) { end_ = std::copy(piece.begin(), piece.end(), end_); }
  void append(char c) { *end_++ = c; }
  void appendNumber(int n) { end_ = std::to_chars(end_, chars_.data() + chars_.size(), n).ptr; }
  std::ostream& writeTo(std::ostream& out) const {
    return out.write(chars_.data(), end_ - chars_.data());
  }

 private:
  std::array<char, 96> chars_;
  char* end_ = chars_.data();
};

}  // namespace

std::ostream& operator<<(std::ostream& out, const DecimalInteger& value) {
  if (value.isUndefined()) return out << " undefined";
  if (value.isOutOfRange()) return out << " out of range" << std::endl;

  ShortText text;
  const int length = value.countSignificantDigits();
  if (length == 0) text.append('0');
  if (value.isNonNegative()) text.append(' ');
  if (length > 0) {
    if (!value.isNonNegative()) text.append('-');
    std::array<char, kDigitCount> digits;
    for (int i = 0; i < length; ++i) {
      digits[static_cast<std::size_t>(i)] =
          static_cast<char>('0' + value.digitAt(kDigitCount - length + i));
    }
    text.append(std::string_view(digits.data(), static_cast<std::size_t>(length)));
  }
  return text.writeTo(out);
}

void DecimalInteger::printProofChain(const DecimalInteger& value) const {
  printProofChain(std::cout, value);
}

void DecimalInteger::printProofChain(std::ostream& out, const DecimalInteger& value) const {
  if (isUndefined()) {
    out << "\t\t\t\t\t->  undefined";
    return;
  }
  // Each member of two or more digits is followed by the next; the last one
  // written is the single digit s.
  const std::int16_t members[] = {value.digitSum, value.digitSum2, value.digitSum3,
                                  value.digitSum4};
  ShortText text;
  text.append("\t\t\t\t\t->  ");
  int s = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    s = members[i];
    text.appendNumber(s);
    if (std::abs(s) <= 9 || i == 3) break;
    text.append("  ->  ");
  }
  if (s == 9 || s == -9) text.append("  ->  0");
  if (s < 0 && s != -9) {
    text.append("  ->  ");
    text.appendNumber(value.residue);
  }
  text.writeTo(out);
}

}  // namespace nines
