// The reference for the value type's arithmetic, worked out with GMP: the
// number a text spells, and a pair's five answers with the sign flags the
// value type gives them.
#ifndef NINES_TESTS_GMP_REFERENCE_H_
#define NINES_TESTS_GMP_REFERENCE_H_

#include <gmpxx.h>

#include <string>
#include <string_view>

#include "arith/decimal_integer.h"
#include "gtest/gtest.h"

namespace nines::testing {

// A value as the value type should hold it: its number and its sign flag,
// which a zero may carry as 0.
struct Expected {
  mpz_class value;
  int flag;
};

// What a text of at most 80 digit places spells: an optional blank, "+" or
// "-", then places where any byte but a digit counts as 0; a text that starts
// with any other byte is zero.
Expected expectedValue(std::string_view text);

struct ExpectedAnswers {
  Expected sum, difference, product, quotient, remainder;
};

// The answers for a and b. A zero takes the flag of its operation's rule: the
// left operand's for a sum or difference, 1 exactly when the operands' flags
// agree for a product or quotient, the dividend's for a remainder. A sum or
// difference of 10^80 or more is the out-of-range value (79 nines then 8)
// with flag 1; such a product has the out-of-range digits with the product's
// flag. A zero divisor gives the undefined value (80 nines) with the
// quotient's flag and a copy of the dividend. Quotients truncate toward zero.
ExpectedAnswers expectedAnswers(const Expected& a, const Expected& b);

// The fraction and the decimal of the combined quotient for a divisor of ten
// or more digits: "|r| / |b|"; the point and the first nine places of
// |r| / |b|, cut, not rounded, less their trailing zeros (".0" when all are
// zeros); and whether the decimal goes on after them.
struct ExpectedApproximation {
  std::string fraction;
  std::string places;
  bool inexact;
};
ExpectedApproximation expectedApproximation(const Expected& remainder, const Expected& divisor);

// Success when `actual` is well formed and holds the expected number and flag.
::testing::AssertionResult holds(const DecimalInteger& actual, const Expected& expected);

}  // namespace nines::testing

#endif  // NINES_TESTS_GMP_REFERENCE_H_
