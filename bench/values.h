// The benchmark operands as our values and as GMP's, and a common text of a
// result, so that the two sides can be checked against each other before
// they are timed.
#ifndef NINES_BENCH_VALUES_H_
#define NINES_BENCH_VALUES_H_

#include <gmpxx.h>

#include <string>
#include <vector>

#include "arith/decimal_integer.h"
#include "bench/operands.h"

namespace nines::bench {

struct OurPair {
  DecimalInteger first;
  DecimalInteger second;
};

struct GmpPair {
  mpz_class first;
  mpz_class second;
};

std::vector<OurPair> ourPairs(const std::vector<TextPair>& texts);
std::vector<GmpPair> gmpPairs(const std::vector<TextPair>& texts);

// The signed decimal of a value: "-" and digits when negative, the digits
// otherwise; a zero is "0" whatever its sign flag.
std::string signedText(const DecimalInteger& value);
std::string signedText(const mpz_class& value);

}  // namespace nines::bench

#endif  // NINES_BENCH_VALUES_H_
