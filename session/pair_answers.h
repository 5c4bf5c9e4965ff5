// The five answers of one operand pair, each computed once.
#ifndef NINES_SESSION_PAIR_ANSWERS_H_
#define NINES_SESSION_PAIR_ANSWERS_H_

#include "arith/decimal_integer.h"

namespace nines::session {

struct PairAnswers {
  DecimalInteger first;
  DecimalInteger second;
  DecimalInteger sum;
  DecimalInteger difference;
  DecimalInteger product;
  DecimalInteger quotient;
  DecimalInteger remainder;
};

// Works out all five answers; the quotient and remainder come from one search.
PairAnswers computeAnswers(const DecimalInteger& first, const DecimalInteger& second);

}  // namespace nines::session

#endif  // NINES_SESSION_PAIR_ANSWERS_H_
