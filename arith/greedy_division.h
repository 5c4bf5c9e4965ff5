// The greedy quotient search of DecimalInteger division.
#ifndef NINES_ARITH_GREEDY_DIVISION_H_
#define NINES_ARITH_GREEDY_DIVISION_H_

#include "arith/magnitude.h"

namespace nines::magnitude {

// The longest dividend the search handles; longer ones are divided by
// longDivide, which gives the same quotient.
inline constexpr int kSearchDigits = 39;

// quotient := floor(a / b) and remainder := a - quotient * b, found by the
// greedy search: Q starts at 2 and doubles while (Q * 2) * b <= a, then for
// each step P = 10^38, 10^37, ..., 1 in turn, Q grows by P while
// (Q + P) * b <= a. Requires |b| >= 2, 2|b| <= |a| and a.length <=
// kSearchDigits; both outputs start all zero.
void greedyQuotient(View a, View b, Digits& quotient, Digits& remainder);

}  // namespace nines::magnitude

#endif  // NINES_ARITH_GREEDY_DIVISION_H_
