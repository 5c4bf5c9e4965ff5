#include "tests/fuzz/operations_check.h"

#include <gmpxx.h>

#include <algorithm>
#include <array>
#include <cstddef>

#include "arith/decimal_integer.h"
#include "tests/well_formed.h"

namespace nines::fuzz {
namespace {

constexpr std::size_t kOperandBytes = 39;
using OperandText = std::array<char, kOperandBytes + 1>;

OperandText toText(std::string_view bytes) {
  OperandText text{};
  bytes = bytes.substr(0, kOperandBytes);
  std::copy(bytes.begin(), bytes.end(), text.begin());
  return text;
}

// A value and its sign flag, worked out without the value type.
struct Expected {
  mpz_class value;
  int flag;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a text the way the value type documents it: an optional blank, "+"
// or "-", then digit places where any non-digit byte counts as 0; a text
// starting with any other non-digit is zero.
Expected parse(const char* text) {
  int flag = 1;
  const char* places = text;
  if (text[0] == ' ' || text[0] == '+') {
    ++places;
  } else if (text[0] == '-') {
    flag = 0;
    ++places;
  } else if (!isDigit(text[0])) {
    places = "";
  }
  mpz_class magnitude = 0;
  for (; *places != '\0'; ++places) magnitude = magnitude * 10 + (isDigit(*places) ? *places - '0' : 0);
  return {flag ? magnitude : mpz_class(-magnitude), flag};
}

// A nonzero result's flag follows its sign; a zero's flag is the rule's.
Expected withZeroFlag(const mpz_class& value, int zeroFlag) {
  return {value, value == 0 ? zeroFlag : value > 0 ? 1 : 0};
}

mpz_class valueOf(const DecimalInteger& v) {
  mpz_class magnitude = 0;
  for (int i = 0; i < kDigitCount; ++i) magnitude = magnitude * 10 + v.digitAt(i);
  return v.isNonNegative() ? magnitude : mpz_class(-magnitude);
}

std::string flagged(const mpz_class& value, int flag) {
  return (value == 0 && flag == 0 ? "-" : "") + value.get_str() + " (flag " +
         std::to_string(flag) + ")";
}

// "" when `actual` is well formed with the expected value and flag.
std::string mismatch(const char* what, const DecimalInteger& actual, const Expected& expected) {
  const ::testing::AssertionResult formed = testing::isWellFormed(actual);
  if (!formed) return std::string(what) + " is not well formed: " + formed.message();
  if (valueOf(actual) != expected.value || actual.isNonNegative() != expected.flag) {
    return std::string(what) + " is " + flagged(valueOf(actual), actual.isNonNegative()) +
           ", expected " + flagged(expected.value, expected.flag);
  }
  return "";
}

std::string checkPair(const DecimalInteger& x, const Expected& ex, const DecimalInteger& y,
                      const Expected& ey) {
  const int signRule = ex.flag == ey.flag ? 1 : 0;
  const DecimalInteger quotient = x / y;
  const DecimalInteger remainder = x % y;
  const DecimalInteger::Division division = x.divide(y);

  const struct {
    const char* what;
    DecimalInteger actual;
    Expected expected;
  } plain[] = {
      {"first operand", x, ex},
      {"second operand", y, ey},
      {"sum", x + y, withZeroFlag(ex.value + ey.value, ex.flag)},
      {"difference", x - y, withZeroFlag(ex.value - ey.value, ex.flag)},
      {"product", x * y, withZeroFlag(ex.value * ey.value, signRule)},
  };
  for (const auto& c : plain) {
    if (std::string m = mismatch(c.what, c.actual, c.expected); !m.empty()) return m;
  }
  if (division.quotient != quotient || division.remainder != remainder) {
    return "divide() differs from / and %";
  }

  if (ey.value == 0) {
    // The undefined quotient, flagged by the sign rule; the dividend kept.
    if (!quotient.isUndefined() || quotient.isNonNegative() != signRule ||
        !testing::isWellFormed(quotient)) {
      return "quotient by zero is " + testing::plainText(quotient) + ", expected undefined";
    }
    if (remainder != x || !testing::isWellFormed(remainder)) {
      return "remainder by zero is " + testing::plainText(remainder) + ", expected the dividend";
    }
    return "";
  }

  mpz_class q;
  mpz_class r;
  mpz_tdiv_qr(q.get_mpz_t(), r.get_mpz_t(), ex.value.get_mpz_t(), ey.value.get_mpz_t());
  if (std::string m = mismatch("quotient", quotient, withZeroFlag(q, signRule)); !m.empty()) {
    return m;
  }
  if (std::string m = mismatch("remainder", remainder, withZeroFlag(r, ex.flag)); !m.empty()) {
    return m;
  }
  // The division identity, in the value type's own arithmetic.
  const DecimalInteger rebuilt = y * quotient + remainder;
  if (valueOf(rebuilt) != ex.value) {
    return "divisor * quotient + remainder is " + testing::plainText(rebuilt);
  }
  return "";
}

}  // namespace

std::string checkOperations(std::string_view input) {
  const std::size_t split = std::min(input.find('\n'), input.size());
  const OperandText first = toText(input.substr(0, split));
  const OperandText second = toText(input.substr(std::min(split + 1, input.size())));
  const std::string failure = checkPair(DecimalInteger(first.data()), parse(first.data()),
                                        DecimalInteger(second.data()), parse(second.data()));
  if (failure.empty()) return "";
  return "\"" + std::string(first.data()) + "\" and \"" + std::string(second.data()) +
         "\": " + failure;
}

}  // namespace nines::fuzz
