// Sign-blind arithmetic on the 80 digit magnitudes of a DecimalInteger.
//
// A magnitude is a digit array (index 0 most significant) together with its
// count of significant digits; the functions touch only the significant
// digits, so a 38-digit operand costs 38 digit steps, not 80.
#ifndef NINES_ARITH_MAGNITUDE_H_
#define NINES_ARITH_MAGNITUDE_H_

#include "arith/digits.h"

namespace nines::magnitude {

// A read-only view of a magnitude: its digits and significant-digit count.
struct View {
  const Digits& digits;
  int length;  // 0..80; digits before index 80 - length are 0
};

// The number of digits after the leading zeros; 0 when all are zero.
int significantLength(const Digits& digits);

// -1, 0 or 1 as |a| is less than, equal to or greater than |b|.
int compare(View a, View b);

// sum := a + b over 80 digits (sum starts all zero). Returns the carry out of
// index 0: true when the true sum is 10^80 or more.
bool add(View a, View b, Digits& sum);

// difference := a - b, where |a| >= |b| (difference starts all zero).
void subtract(View a, View b, Digits& difference);

// product := a * b exactly (product starts all zero). Returns false, leaving
// product unspecified, when the true product is 10^80 or more.
bool multiply(View a, View b, Digits& product);

}  // namespace nines::magnitude

#endif  // NINES_ARITH_MAGNITUDE_H_
