// The sign cases of +, -, *, / and %; the digit work is in magnitude.h and
// greedy_division.h.
#include <cstddef>

#include "arith/decimal_integer.h"
#include "arith/greedy_division.h"
#include "arith/magnitude.h"

namespace nines {

DecimalInteger DecimalInteger::signedSum(const DecimalInteger& a, const DecimalInteger& b,
                                         int bFlag) {
  const magnitude::View x{a.digits, a.significantDigits};
  const magnitude::View y{b.digits, b.significantDigits};
  Digits sum{};
  int flag = a.nonNegative;
  if (a.nonNegative == bFlag) {
    // x + y == sign * (|x| + |y|); a carry out of the top digit is out of
    // range, which is always stored with flag 1.
    if (magnitude::add(x, y, sum)) return arithmeticResult(outOfRange().digits, 1);
  } else if (magnitude::compare(x, y) >= 0) {
    // x + (-y) == |x| - |y| with x's sign; equal magnitudes give zero with
    // x's flag, so (-5) + 5 is a zero with flag 0.
    magnitude::subtract(x, y, sum);
  } else {
    // x + (-y) == -(|y| - |x|): the sign of the larger magnitude.
    magnitude::subtract(y, x, sum);
    flag = bFlag;
  }
  return arithmeticResult(sum, flag);
}

DecimalInteger DecimalInteger::operator+(const DecimalInteger& other) const {
  return signedSum(*this, other, other.nonNegative);
}

DecimalInteger DecimalInteger::operator-(const DecimalInteger& other) const {
  // x - y == x + (-y); subtracting a zero adds a zero with the other flag.
  return signedSum(*this, other, other.nonNegative ? 0 : 1);
}

DecimalInteger DecimalInteger::operator*(const DecimalInteger& other) const {
  // The flag is 1 exactly when the operands' flags agree, for every product:
  // 0 * (-5) is a zero with flag 0, and an overflow of unlike signs is the
  // out-of-range digits with flag 0.
  const int flag = nonNegative == other.nonNegative ? 1 : 0;
  Digits product{};
  const bool fits = magnitude::multiply({digits, significantDigits},
                                        {other.digits, other.significantDigits}, product);
  return arithmeticResult(fits ? product : outOfRange().digits, flag);
}

DecimalInteger::Division DecimalInteger::divide(const DecimalInteger& divisor) const {
  // The quotient's flag is 1 exactly when the flags agree, zero and undefined
  // quotients included; the remainder keeps the dividend's flag.
  const int quotientFlag = nonNegative == divisor.nonNegative ? 1 : 0;
  const magnitude::View a{digits, significantDigits};
  const magnitude::View b{divisor.digits, divisor.significantDigits};

  if (b.length == 0) {
    return {DecimalInteger(undefined().digits, quotientFlag), DecimalInteger(digits, nonNegative)};
  }

  Digits quotient{};
  Digits remainder{};
  Digits twiceDivisor{};
  const bool twiceOverflows = magnitude::add(b, b, twiceDivisor);
  const magnitude::View twiceB{twiceDivisor, magnitude::significantLength(twiceDivisor)};
  if (!twiceOverflows && magnitude::compare(a, twiceB) >= 0) {
    // Dividing by 1 needs no search: the quotient is the dividend's digits
    // and the remainder stays zero.
    const bool divisorIsOne = b.length == 1 && divisor.digits[kDigitCount - 1] == 1;
    if (divisorIsOne) {
      quotient = digits;
    } else {
      magnitude::greedyQuotient(a, b, quotient, remainder);
    }
  } else if (magnitude::compare(a, b) >= 0) {
    // |b| <= |a| < 2|b|: the quotient is 1 and the remainder |a| - |b|.
    quotient[kDigitCount - 1] = 1;
    magnitude::subtract(a, b, remainder);
  } else {
    remainder = digits;  // |a| < |b|: quotient 0
  }
  return {DecimalInteger(quotient, quotientFlag), DecimalInteger(remainder, nonNegative)};
}

DecimalInteger DecimalInteger::operator/(const DecimalInteger& other) const {
  return divide(other).quotient;
}

DecimalInteger DecimalInteger::operator%(const DecimalInteger& other) const {
  return divide(other).remainder;
}

}  // namespace nines
