#include "session/pair_answers.h"

namespace nines::session {

PairAnswers computeAnswers(const DecimalInteger& first, const DecimalInteger& second) {
  const DecimalInteger::Division division = first.divide(second);
  return {first, second, first + second, first - second, first * second, division.quotient,
          division.remainder};
}

}  // namespace nines::session
