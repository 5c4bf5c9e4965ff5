// The quotient with its remainder as a mixed number and a nine-place decimal.
#ifndef NINES_SESSION_QUOTIENT_APPROXIMATION_H_
#define NINES_SESSION_QUOTIENT_APPROXIMATION_H_

#include <cstdint>
#include <ctime>
#include <ostream>

#include "session/pair_answers.h"

namespace nines::session {

// The nine decimal places of remainder / divisor, worked out once per pair.
// For a zero divisor nothing is worked out and all are 0.
struct QuotientApproximation {
  // The first nine places of |remainder| / |divisor|, cut, not rounded; at
  // most 999999999. A divisor of at most nine digits gives them in double
  // precision, a longer one exactly.
  std::int32_t nineDigits;
  // Whether the decimal is told as approximate, with its note: for a divisor
  // of at most nine digits when the places do not end in two zeros, for a
  // longer one exactly when the decimal goes on after them.
  bool inexact;
};

QuotientApproximation approximateQuotient(const PairAnswers& answers);

// The console form, after the report. For a zero divisor it shows the
// undefined quotient, or "the gods are angry..." when `seconds` (the current
// calendar time) is a multiple of 4.
void printApproximation(std::ostream& out, const PairAnswers& answers,
                        const QuotientApproximation& approximation, std::time_t seconds);

// The answers file's form, at the end of the pair's block.
void writeApproximation(std::ostream& out, const PairAnswers& answers,
                        const QuotientApproximation& approximation);

}  // namespace nines::session

#endif  // NINES_SESSION_QUOTIENT_APPROXIMATION_H_
