#include "tests/gmp_reference.h"

#include <string>

#include "tests/value_checks.h"

namespace nines::testing {
namespace {

const mpz_class kLimit = [] {
  mpz_class limit;
  mpz_ui_pow_ui(limit.get_mpz_t(), 10, 80);
  return limit;
}();
const mpz_class kOutOfRange = kLimit - 2;
const mpz_class kUndefined = kLimit - 1;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

Expected withFlag(const mpz_class& magnitude, int flag) {
  return {flag ? magnitude : mpz_class(-magnitude), flag};
}

// A nonzero result's flag is its sign; a zero's is the rule's.
Expected withZeroFlag(const mpz_class& value, int zeroFlag) {
  return {value, value == 0 ? zeroFlag : value > 0 ? 1 : 0};
}

Expected sumOrDifference(const mpz_class& value, int zeroFlag) {
  return abs(value) >= kLimit ? Expected{kOutOfRange, 1} : withZeroFlag(value, zeroFlag);
}

mpz_class valueOf(const DecimalInteger& v) {
  mpz_class magnitude = 0;
  for (int i = 0; i < kDigitCount; ++i) magnitude = magnitude * 10 + v.digitAt(i);
  return v.isNonNegative() ? magnitude : mpz_class(-magnitude);
}

std::string describe(const mpz_class& value, int flag) {
  return value.get_str() + " (flag " + std::to_string(flag) + ")";
}

}  // namespace

Expected expectedValue(std::string_view text) {
  int flag = 1;
  std::string_view places;
  if (!text.empty() && (text[0] == ' ' || text[0] == '+' || text[0] == '-')) {
    flag = text[0] == '-' ? 0 : 1;
    places = text.substr(1);
  } else if (!text.empty() && isDigit(text[0])) {
    places = text;
  }
  mpz_class magnitude = 0;
  for (char c : places) magnitude = magnitude * 10 + (isDigit(c) ? c - '0' : 0);
  return withFlag(magnitude, flag);
}

ExpectedAnswers expectedAnswers(const Expected& a, const Expected& b) {
  const int signRule = a.flag == b.flag ? 1 : 0;
  const mpz_class product = a.value * b.value;
  ExpectedAnswers answers{
      sumOrDifference(a.value + b.value, a.flag),
      sumOrDifference(a.value - b.value, a.flag),
      abs(product) >= kLimit ? withFlag(kOutOfRange, signRule) : withZeroFlag(product, signRule),
      withFlag(kUndefined, signRule),
      a,
  };
  if (b.value != 0) {
    mpz_class quotient;
    mpz_class remainder;
    mpz_tdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), a.value.get_mpz_t(),
                b.value.get_mpz_t());
    answers.quotient = withZeroFlag(quotient, signRule);
    answers.remainder = withZeroFlag(remainder, a.flag);
  }
  return answers;
}

ExpectedApproximation expectedApproximation(const Expected& remainder, const Expected& divisor) {
  const mpz_class r = abs(remainder.value);
  const mpz_class b = abs(divisor.value);
  const mpz_class scaled = r * 1000000000;
  const mpz_class places = scaled / b;
  std::string digits = places.get_str();
  digits.insert(0, 9 - digits.size(), '0');
  digits.erase(digits.find_last_not_of('0') + 1);
  if (digits.empty()) digits = "0";
  return {r.get_str() + " / " + b.get_str(), "." + digits, places * b != scaled};
}

::testing::AssertionResult holds(const DecimalInteger& actual, const Expected& expected) {
  if (::testing::AssertionResult formed = isWellFormed(actual); !formed) return formed;
  const mpz_class value = valueOf(actual);
  if (value == expected.value && actual.isNonNegative() == expected.flag) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "holds " << describe(value, actual.isNonNegative())
                                       << ", expected " << describe(expected.value, expected.flag);
}

}  // namespace nines::testing
