// Checks shared by the tests: a value is well formed, and helpers to read one.
#ifndef NINES_TESTS_WELL_FORMED_H_
#define NINES_TESTS_WELL_FORMED_H_

#include <string>

#include "arith/decimal_integer.h"
#include "gtest/gtest.h"

namespace nines::testing {

// Success when every digit is 0..9 and the chain fields, the residue and the
// significant-digit count follow from the digits and the sign flag, as they
// would be computed by hand. The out-of-range value may carry residue 0.
::testing::AssertionResult isWellFormed(const DecimalInteger& v);

// The value as a plain signed decimal ("-0" for a zero with flag 0), all 80
// digits considered.
std::string plainText(const DecimalInteger& v);

}  // namespace nines::testing

#define EXPECT_WELL_FORMED(v) EXPECT_TRUE(::nines::testing::isWellFormed(v))

#endif  // NINES_TESTS_WELL_FORMED_H_
