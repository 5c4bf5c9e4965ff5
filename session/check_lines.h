// The check lines of a report: the operands' residues combined by the
// operation and reduced as a chain is, for the reader to compare with the
// answer's residue. Casting out nines reduces by 9, casting out elevens by
// 11; both are written alike.
#ifndef NINES_SESSION_CHECK_LINES_H_
#define NINES_SESSION_CHECK_LINES_H_

#include <optional>

#include "arith/text.h"

namespace nines::session {

inline constexpr int kNines = 9;
inline constexpr int kElevens = 11;

// ",\n\t\t\t\t\twhich = " and the residues' sum: "2 + 3"; "(4 + 5)  ->  0"
// when it is the modulus; "(5 + 7)  ->  12  ->  3" when it is more. No full
// stop.
Text sumCheck(int ra, int rb, int modulus);

// As sumCheck for the difference: "(2 - 5)  ->  -3  ->  6" when it is
// negative, otherwise "5 - 2".
Text differenceCheck(int ra, int rb, int modulus);

// As sumCheck for the product: "(4 * 7)  ->  28  ->  1" when it is more than
// the modulus, otherwise "3 * 3" (9 counts as 0).
Text productCheck(int ra, int rb, int modulus);

// dividend = ( divisor * quotient ) + remainder, on the residues:
// "\t\t\t\t\tand 2 = ( 3 * 5 ) + 5", followed by " -> ( 6 + 5 )" when the
// product reaches the modulus (`reduced`); the sum is left for the reader.
// A divisor without a residue (zero) is written "undefined". No line end.
struct DivisionCheck {
  Text text;
  bool reduced;
};
DivisionCheck divisionCheck(int ra, std::optional<int> rb, int rq, int rr, int modulus);

}  // namespace nines::session

#endif  // NINES_SESSION_CHECK_LINES_H_
