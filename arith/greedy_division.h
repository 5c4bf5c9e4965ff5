// The greedy quotient search of DecimalInteger division.
#ifndef NINES_ARITH_GREEDY_DIVISION_H_
#define NINES_ARITH_GREEDY_DIVISION_H_

#include "arith/magnitude.h"

namespace nines::magnitude {

// quotient := floor(a / b) and remainder := a - quotient * b, found by the
// greedy search: Q starts at 2 and doubles while (Q * 2) * b <= a, then for
// each step P = 10^k from the largest whose multiple of b can fit down to 1,
// Q grows by P while (Q + P) * b <= a. Exact for every length of a. Requires
// |b| >= 2 and 2|b| <= |a|; both outputs start all zero.
void greedyQuotient(View a, View b, Digits& quotient, Digits& remainder);

}  // namespace nines::magnitude

#endif  // NINES_ARITH_GREEDY_DIVISION_H_
