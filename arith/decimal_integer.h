// DecimalInteger: an 80-digit signed decimal integer that carries its
// casting-out-nines chain.
#ifndef NINES_ARITH_DECIMAL_INTEGER_H_
#define NINES_ARITH_DECIMAL_INTEGER_H_

#include <compare>
#include <cstdint>
#include <iosfwd>
#include <string_view>
#include <type_traits>

#include "arith/digits.h"

namespace nines {

// A signed decimal integer of up to 80 digits, stored as digit magnitudes with
// a separate sign flag, together with its chain of repeated digit sums.
//
// Invariants, after construction and after every operation:
//  - every digit is 0..9; index 0 is the most significant, index 79 the units;
//  - `significantDigits` is the number of digits after the leading zeros;
//  - `nonNegative` is 1 for zero or positive, 0 for negative; a zero may carry
//    0, and the operations say which zero they return;
//  - `digitSum` is the sum of the 80 digits, and `digitSum2`..`singleDigit`
//    follow from it by the chain rule (sums that are not needed are 0), all
//    negated when `nonNegative` is 0;
//  - `residue` is 0..8, the casting-out-nines residue of the value, except
//    that the out-of-range value produced by +, - or * (or by a text too long
//    for the record) has `residue` 0: an overflow casts out to nothing.
//    Copy-assignment applies the plain rule again (see operator=).
//
// Failures live in the data: division by zero gives the undefined value
// (80 nines) and a result of 10^80 or more in magnitude gives the out-of-range
// value (79 nines then 8). No operation throws, allocates or reads outside the
// record.
//
// A text that does not fit the record (more than 80 digit places) is read as
// the number it spells: leading places beyond the 80 that are zeros or
// non-digits are dropped, and a nonzero digit there gives the out-of-range
// value, as an overflow would.
//
// Operands of more than 39 digits and sentinels used as operands get exact
// answers: products are exact up to 10^80 (beyond it, out of range), and the
// division search steps by powers of ten above 10^38 where a dividend is long
// enough to need them, so every quotient is the exact truncated one.
class [[nodiscard]] DecimalInteger {
 public:
  // The value zero.
  DecimalInteger() : DecimalInteger(0) {}

  // The value spelled by a terminated text: an optional blank, "+" or "-",
  // then digits; any other byte in a digit place counts as 0, and a text
  // starting with any other byte is zero.
  explicit DecimalInteger(const char* text);

  // The value of a machine integer; INT32_MIN included.
  explicit DecimalInteger(std::int32_t n);

  DecimalInteger(const DecimalInteger&) = default;

  // Copies the digits and the sign flag and recomputes the chain from them.
  // So it does not carry over the residue 0 of an overflowed result: after
  // `x = DecimalInteger::undefined() + 1`, x holds the out-of-range digits
  // with residue 8, as the value built from their text does, while the sum
  // itself has residue 0.
  DecimalInteger& operator=(const DecimalInteger& other);

  // The sentinels, built once here from their texts.
  static DecimalInteger undefined();    // 80 nines, nonNegative 1
  static DecimalInteger outOfRange();   // 79 nines then 8, as constructed

  // True for 80 nines with either sign flag.
  bool isUndefined() const;
  // True for 79 nines then 8 with sign flag 1.
  bool isOutOfRange() const;
  // True when the magnitude is zero, whatever the sign flag: "-0" is zero
  // here, though it does not compare equal to 0.
  bool isZero() const { return significantDigits == 0; }

  // The digit magnitude at index i, 0..79.
  int digitAt(int i) const { return digits[static_cast<std::size_t>(i)]; }
  // The number of digits after the leading zeros; 0 for zero.
  int countSignificantDigits() const;
  int getResidue() const { return residue; }
  int getDigitSum() const { return digitSum; }
  int getDigitSum2() const { return digitSum2; }
  int getDigitSum3() const { return digitSum3; }
  int getDigitSum4() const { return digitSum4; }
  int getSingleDigit() const { return singleDigit; }
  int isNonNegative() const { return nonNegative; }

  // Comparisons look at the sign flag first, then the digits: a zero with
  // flag 0 is less than, and not equal to, a zero with flag 1.
  bool operator==(const DecimalInteger& other) const;
  std::strong_ordering operator<=>(const DecimalInteger& other) const;
  bool operator==(std::int32_t n) const { return *this == DecimalInteger(n); }
  std::strong_ordering operator<=>(std::int32_t n) const {
    return *this <=> DecimalInteger(n);
  }

  // Sum; equal magnitudes of opposite signs give zero with this value's flag.
  DecimalInteger operator+(const DecimalInteger& other) const;
  // Difference: this value plus `other` with its sign flag inverted.
  DecimalInteger operator-(const DecimalInteger& other) const;
  // Product; its sign flag is 1 exactly when the operands' flags agree.
  DecimalInteger operator*(const DecimalInteger& other) const;
  // Quotient truncated toward zero, by the greedy search; the undefined value
  // for a zero divisor. Its flag is 1 exactly when the operands' flags agree.
  DecimalInteger operator/(const DecimalInteger& other) const;
  // This value minus quotient times divisor, with this value's sign flag; a
  // copy of this value for a zero divisor.
  DecimalInteger operator%(const DecimalInteger& other) const;

  DecimalInteger operator+(std::int32_t n) const { return *this + DecimalInteger(n); }
  DecimalInteger operator-(std::int32_t n) const { return *this - DecimalInteger(n); }
  DecimalInteger operator*(std::int32_t n) const { return *this * DecimalInteger(n); }
  DecimalInteger operator/(std::int32_t n) const { return *this / DecimalInteger(n); }
  DecimalInteger operator%(std::int32_t n) const { return *this % DecimalInteger(n); }
  DecimalInteger operator+(const char* t) const { return *this + DecimalInteger(t); }
  DecimalInteger operator-(const char* t) const { return *this - DecimalInteger(t); }
  DecimalInteger operator*(const char* t) const { return *this * DecimalInteger(t); }
  DecimalInteger operator/(const char* t) const { return *this / DecimalInteger(t); }
  DecimalInteger operator%(const char* t) const { return *this % DecimalInteger(t); }

  // The quotient and remainder of one division, found by a single search;
  // `/` and `%` are its two halves.
  struct Division;
  Division divide(const DecimalInteger& divisor) const;

  // Writes the chain of `value` to standard output, or "->  undefined" when
  // this value (the receiver) is undefined; no line end.
  void printProofChain(const DecimalInteger& value) const;
  void printProofChain(std::ostream& out, const DecimalInteger& value) const;

 private:
  // Builds a value from digits and a sign flag, with the chain computed.
  DecimalInteger(const Digits& magnitude, int sign);

  // The value a text spells; see the text constructor.
  static DecimalInteger fromText(const char* text);

  // A result of +, - or *: the value of the digits and sign flag, with
  // residue 0 when it is the out-of-range value.
  static DecimalInteger arithmeticResult(const Digits& magnitude, int sign);

  // a + b, with b's sign flag taken as bFlag: the one addition behind + and -.
  static DecimalInteger signedSum(const DecimalInteger& a, const DecimalInteger& b,
                                  int bFlag);

  // Recomputes `significantDigits`, `digitSum` and the chain from the digits
  // and the sign flag. Every value is finished by it.
  void applyChainRule();

  Digits digits;
  std::int16_t significantDigits;
  std::uint8_t nonNegative;
  std::int16_t residue;
  std::int16_t digitSum;
  std::int16_t digitSum2;
  std::int16_t digitSum3;
  std::int16_t digitSum4;
  std::int16_t singleDigit;
};

struct DecimalInteger::Division {
  DecimalInteger quotient;
  DecimalInteger remainder;
};

// The arrow between the members of a printed chain, on the console and in
// the answers file.
inline constexpr std::string_view kChainArrow = "  ->  ";
// What a console chain starts with, five tabs in.
inline constexpr std::string_view kChainLead = "\t\t\t\t\t->  ";

// Writes " undefined"; or " out of range" and a line end; or the value: a
// blank and the digits when non-negative ("0 " for zero), "-" and the digits
// when negative ("0" for a zero whose flag is 0). Every significant digit is
// written, an 80th included.
std::ostream& operator<<(std::ostream& out, const DecimalInteger& value);

// The record is plain data: copied bitwise, destroyed trivially, no heap.
// (Its copy-assignment recomputes the chain, so it is not trivially
// assignable.)
static_assert(std::is_trivially_copy_constructible_v<DecimalInteger>);
static_assert(std::is_trivially_destructible_v<DecimalInteger>);
static_assert(std::is_standard_layout_v<DecimalInteger>);
static_assert(sizeof(DecimalInteger) <= 176);

}  // namespace nines

#endif  // NINES_ARITH_DECIMAL_INTEGER_H_
