// Stream insertion of a value and its proof chain, each built whole in a
// Text and inserted once.
#include <array>
#include <cstdlib>
#include <iostream>
#include <ostream>
#include <string_view>

#include "arith/decimal_integer.h"
#include "arith/text.h"

namespace nines {

std::ostream& operator<<(std::ostream& out, const DecimalInteger& value) {
  if (value.isUndefined()) return out << " undefined";
  if (value.isOutOfRange()) return out << " out of range" << std::endl;

  Text text;
  const int length = value.countSignificantDigits();
  if (length == 0) text << '0';
  if (value.isNonNegative()) text << ' ';
  if (length > 0) {
    if (!value.isNonNegative()) text << '-';
    std::array<char, kDigitCount> digits;
    for (int i = 0; i < length; ++i) {
      digits[static_cast<std::size_t>(i)] =
          static_cast<char>('0' + value.digitAt(kDigitCount - length + i));
    }
    text << std::string_view(digits.data(), static_cast<std::size_t>(length));
  }
  return out << text;
}

void DecimalInteger::printProofChain(const DecimalInteger& value) const {
  printProofChain(std::cout, value);
}

void DecimalInteger::printProofChain(std::ostream& out, const DecimalInteger& value) const {
  Text text;
  text << kChainLead;
  if (isUndefined()) {
    out << (text << "undefined");
    return;
  }
  // Each member of two or more digits is followed by the next; the last one
  // written is the single digit s.
  const std::int16_t members[] = {value.digitSum, value.digitSum2, value.digitSum3,
                                  value.digitSum4};
  int s = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    s = members[i];
    text << s;
    if (std::abs(s) <= 9 || i == 3) break;
    text << kChainArrow;
  }
  if (s == 9 || s == -9) text << kChainArrow << '0';
  if (s < 0 && s != -9) text << kChainArrow << static_cast<int>(value.residue);
  out << text;
}

}  // namespace nines
