#include "tests/fuzz/checks.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "arith/decimal_integer.h"
#include "session/session.h"
#include "tests/gmp_reference.h"

namespace nines::fuzz {
namespace {

using OperandText = std::array<char, session::kOperandChars + 1>;

OperandText toText(std::string_view bytes) {
  OperandText text{};
  bytes = bytes.substr(0, session::kOperandChars);
  std::copy(bytes.begin(), bytes.end(), text.begin());
  return text;
}

// "" when every answer, and divide(), is right.
std::string checkPair(const char* x, const char* y) {
  const DecimalInteger a(x);
  const DecimalInteger b(y);
  const testing::Expected expectedA = testing::expectedValue(x);
  const testing::ExpectedAnswers expected =
      testing::expectedAnswers(expectedA, testing::expectedValue(y));
  const DecimalInteger::Division division = a.divide(b);
  const struct {
    const char* what;
    DecimalInteger actual;
    const testing::Expected& expected;
  } results[] = {
      {"first operand", a, expectedA},
      {"sum", a + b, expected.sum},
      {"difference", a - b, expected.difference},
      {"product", a * b, expected.product},
      {"quotient", a / b, expected.quotient},
      {"remainder", a % b, expected.remainder},
      {"divide()'s quotient", division.quotient, expected.quotient},
      {"divide()'s remainder", division.remainder, expected.remainder},
  };
  for (const auto& r : results) {
    if (const ::testing::AssertionResult ok = testing::holds(r.actual, r.expected); !ok) {
      return std::string(r.what) + " " + ok.message();
    }
  }
  return "";
}

}  // namespace

std::string checkOperations(std::string_view input) {
  const std::size_t split = std::min(input.find('\n'), input.size());
  const OperandText first = toText(input.substr(0, split));
  const OperandText second = toText(input.substr(std::min(split + 1, input.size())));
  const std::string failure = checkPair(first.data(), second.data());
  if (failure.empty()) return "";
  return "\"" + std::string(first.data()) + "\" and \"" + std::string(second.data()) +
         "\": " + failure;
}

}  // namespace nines::fuzz
