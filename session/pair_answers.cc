#include "session/pair_answers.h"

namespace nines::session {

PairAnswers computeAnswers(const DecimalInteger& first, const DecimalInteger& second) {
  const DecimalInteger::Division division = first.divide(second);
  return {first, second, first + second, first - second, first * second, division.quotient,
          division.remainder};
}

bool divisorIsZero(const PairAnswers& answers) {
  // Both tests together catch a zero of either flag: "-0" is not equal to 0,
  // but 0 - (-0) is.
  return !(answers.second != 0 && DecimalInteger("0") - answers.second != 0);
}

}  // namespace nines::session
