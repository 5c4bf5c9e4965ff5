// Casting out elevens: a value's digits summed from the units with signs
// that alternate, +, -, +, ..., which leaves what the value leaves when
// divided by 11 (as 10 leaves -1). It sees what casting out nines cannot:
// two neighbouring digits swapped.
#ifndef NINES_SESSION_ELEVENS_H_
#define NINES_SESSION_ELEVENS_H_

#include "arith/decimal_integer.h"
#include "arith/text.h"

namespace nines::session {

// The alternating digit sum from the units, negated for a negative value:
// -1 for 9866 (6 - 6 + 8 - 9), -3 for -168.
int alternatingDigitSum(const DecimalInteger& value);

// The value modulo 11: its alternating digit sum brought into 0..10.
int elevensResidue(const DecimalInteger& value);

// The elevens chain, in the form of the console's proof chain: the
// alternating sum and, when that is not 0..10 already, the residue:
// "\t\t\t\t\t->  -1  ->  10". No line end.
Text elevensChain(const DecimalInteger& value);

}  // namespace nines::session

#endif  // NINES_SESSION_ELEVENS_H_
