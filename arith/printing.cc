// Stream insertion of a value and its proof chain.
#include <array>
#include <cstdlib>
#include <iostream>
#include <ostream>

#include "arith/decimal_integer.h"

namespace nines {

std::ostream& operator<<(std::ostream& out, const DecimalInteger& value) {
  if (value.isUndefined()) return out << " undefined";
  if (value.isOutOfRange()) return out << " out of range" << std::endl;

  // Built whole, then inserted once: at most a blank or sign and 80 digits.
  std::array<char, kDigitCount + 2> text{};
  std::size_t size = 0;
  const int length = value.countSignificantDigits();
  if (length == 0) text[size++] = '0';
  if (value.isNonNegative()) text[size++] = ' ';
  if (length > 0) {
    if (!value.isNonNegative()) text[size++] = '-';
    for (int i = kDigitCount - length; i < kDigitCount; ++i) {
      text[size++] = static_cast<char>('0' + value.digitAt(i));
    }
  }
  return out.write(text.data(), static_cast<std::streamsize>(size));
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
  // printed is the single digit s.
  const std::int16_t members[] = {value.digitSum, value.digitSum2, value.digitSum3,
                                  value.digitSum4};
  out << "\t\t\t\t\t->  ";
  int s = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    s = members[i];
    out << s;
    if (std::abs(s) <= 9 || i == 3) break;
    out << "  ->  ";
  }
  if (s == 9 || s == -9) out << "  ->  0";
  if (s < 0 && s != -9) out << "  ->  " << value.residue;
}

}  // namespace nines
