#include "session/elevens.h"

#include "arith/digits.h"

namespace nines::session {

int alternatingDigitSum(const DecimalInteger& value) {
  int sum = 0;
  int sign = 1;
  for (int i = kDigitCount - 1; i >= kDigitCount - value.countSignificantDigits(); --i) {
    sum += sign * value.digitAt(i);
    sign = -sign;
  }
  return value.isNonNegative() ? sum : -sum;
}

int elevensResidue(const DecimalInteger& value) {
  const int rest = alternatingDigitSum(value) % 11;
  return rest < 0 ? rest + 11 : rest;
}

Text elevensChain(const DecimalInteger& value) {
  const int sum = alternatingDigitSum(value);
  const int residue = elevensResidue(value);
  Text text;
  text << kChainLead << sum;
  if (residue != sum) text << kChainArrow << residue;
  return text;
}

}  // namespace nines::session
