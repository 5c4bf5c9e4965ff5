// The quotient with its remainder as a mixed number and a nine-place decimal.
#ifndef NINES_SESSION_QUOTIENT_APPROXIMATION_H_
#define NINES_SESSION_QUOTIENT_APPROXIMATION_H_

#include <cstdint>
#include <ctime>
#include <ostream>

#include "session/pair_answers.h"

namespace nines::session {

// The machine numbers behind the fraction and the decimal, worked out once
// per pair. For a zero divisor nothing is converted and all are 0.
struct QuotientApproximation {
  // The divisor's magnitude, or its leading nine digits when it has ten or
  // more; the remainder's magnitude at the same scale.
  std::int32_t divisorApprox;
  std::int32_t remainderApprox;
  // The first nine decimal places of remainderApprox / divisorApprox, worked
  // out in double precision; at most 999999999.
  std::int32_t nineDigits;
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
