// Shared by the tests of the value type: the sentinels' texts, a value as
// plain text, test names made from operand texts, and the check that a value
// is well formed.
#ifndef NINES_TESTS_VALUE_CHECKS_H_
#define NINES_TESTS_VALUE_CHECKS_H_

#include <string>
#include <string_view>

#include "arith/decimal_integer.h"
#include "gtest/gtest.h"

namespace nines::testing {

// `count` copies of `c`.
inline std::string repeat(int count, char c) {
  return std::string(static_cast<std::size_t>(count), c);
}

inline const std::string kUndefinedText = repeat(80, '9');
inline const std::string kOutOfRangeText = repeat(79, '9') + "8";

// Success when every digit is 0..9 and the chain fields, the residue and the
// significant-digit count follow from the digits and the sign flag, as they
// would be computed by hand. The out-of-range value may carry residue 0.
::testing::AssertionResult isWellFormed(const DecimalInteger& v);

// The value as a plain signed decimal ("-0" for a zero with flag 0), all 80
// digits considered.
std::string plainText(const DecimalInteger& v);

// A test name made from operand texts: letters and digits kept, signs and
// blanks spelled out, other bytes in hex, runs of four or more written as
// count "x" byte ("38x9"), texts joined by "_".
std::string testName(std::initializer_list<std::string_view> texts);

}  // namespace nines::testing

#define EXPECT_WELL_FORMED(v) EXPECT_TRUE(::nines::testing::isWellFormed(v))

#endif  // NINES_TESTS_VALUE_CHECKS_H_
