// Checks the five operations against GMP on many random operand pairs, and
// for a divisor of ten or more digits the combined quotient's fraction and
// decimal too.
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "arith/decimal_integer.h"
#include "gtest/gtest.h"
#include "session/pair_answers.h"
#include "session/quotient_approximation.h"
#include "tests/gmp_reference.h"
#include "tests/value_checks.h"

namespace nines::testing {
namespace {

class OperandSource {
 public:
  explicit OperandSource(unsigned seed) : random_(seed) {
    for (int k = 1; k <= 39; ++k) {
      edges_.push_back("1" + repeat(k, '0'));
      edges_.push_back(repeat(k, '9'));
    }
    for (const char* text : {"0", "-0", "+0", "1", "-1", "2", "-2", "9", "-9"}) {
      edges_.push_back(text);
    }
  }

  // Mostly random digits of length 1..maxDigits, sometimes runs of 9s or 0s
  // that make carries and borrows travel, sometimes an edge value.
  std::string next(int maxDigits) {
    std::string text;
    const int kind = pick(0, 9);
    if (kind == 0) {
      text = edges_[static_cast<std::size_t>(pick(0, static_cast<int>(edges_.size()) - 1))];
      if (maxDigits < 40 && text.size() > static_cast<std::size_t>(maxDigits)) text = "7";
    } else {
      const int length = pick(1, maxDigits);
      const char run = kind == 1 ? '9' : '0';
      for (int i = 0; i < length; ++i) {
        const bool inRun = kind <= 2 && pick(0, 5) != 0;
        text += inRun ? run : static_cast<char>('0' + pick(0, 9));
      }
      if (text[0] == '0' && length > 1) text[0] = '1';
    }
    if (text[0] != '-' && text[0] != '+' && pick(0, 1) == 1) text = "-" + text;
    return text;
  }

 private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  std::mt19937 random_;
  std::vector<std::string> edges_;
};

// The console's combined quotient for a divisor of ten or more digits: the
// heading says "approximately" and the note follows the decimal exactly when
// the decimal goes on after its nine places.
void checkApproximation(const DecimalInteger& a, const DecimalInteger& b,
                        const ExpectedApproximation& expected) {
  const session::PairAnswers answers = session::computeAnswers(a, b);
  std::ostringstream console;
  session::printApproximation(console, answers, session::approximateQuotient(answers), 1);
  const std::string text = console.str();
  EXPECT_EQ(text.starts_with("\nCombined with the remainder the quotient is approximately:"),
            expected.inexact)
      << text;
  EXPECT_NE(text.find("  " + expected.fraction + "\n\t  or\n\t"), std::string::npos) << text;
  EXPECT_TRUE(text.ends_with(expected.places + "\n" +
                             (expected.inexact ? "\n\t\t\t... to nine decimal places" : "")))
      << text;
}

// Checks one pair; operands may have up to 80 digits, where sums and
// products beyond the record are out of range. A divisor of 10 to 39
// digits, as long as the program reads, has its combined quotient checked.
void checkPair(const std::string& x, const std::string& y) {
  SCOPED_TRACE("a = " + x + ", b = " + y);
  const DecimalInteger a(x.c_str());
  const DecimalInteger b(y.c_str());
  const ExpectedAnswers expected = expectedAnswers(expectedValue(x), expectedValue(y));
  EXPECT_TRUE(holds(a + b, expected.sum)) << "sum";
  EXPECT_TRUE(holds(a - b, expected.difference)) << "difference";
  EXPECT_TRUE(holds(a * b, expected.product)) << "product";
  EXPECT_TRUE(holds(a / b, expected.quotient)) << "quotient";
  EXPECT_TRUE(holds(a % b, expected.remainder)) << "remainder";
  if (b.countSignificantDigits() >= 10 && b.countSignificantDigits() <= 39) {
    checkApproximation(a, b, expectedApproximation(expected.remainder, expectedValue(y)));
  }
}

unsigned seed() {
  const int gtestSeed = ::testing::UnitTest::GetInstance()->random_seed();
  std::printf("Random seed %d (replay with --gtest_random_seed=%d)\n", gtestSeed, gtestSeed);
  return static_cast<unsigned>(gtestSeed);
}

// The operands the program reads: up to 39 digits with an optional sign.
TEST(GmpDifferentialTest, OperandsOfUpTo39Digits) {
  OperandSource source(seed());
  for (int i = 0; i < 100000 && !::testing::Test::HasFailure(); ++i) {
    checkPair(source.next(39), source.next(39));
  }
}

// Longer operands, up to the whole record: exact answers or out of range.
TEST(GmpDifferentialTest, OperandsOfUpTo80Digits) {
  OperandSource source(seed() + 1);
  for (int i = 0; i < 10000 && !::testing::Test::HasFailure(); ++i) {
    checkPair(source.next(80), source.next(80));
  }
}

// Dividends built as b * q + r with the answer known in advance.
TEST(GmpDifferentialTest, DivisionByConstruction) {
  OperandSource source(seed() + 2);
  for (int i = 0; i < 20000 && !::testing::Test::HasFailure(); ++i) {
    const mpz_class b = abs(expectedValue(source.next(19)).value);
    if (b == 0) continue;
    const mpz_class q = abs(expectedValue(source.next(19)).value);
    const mpz_class r = mpz_class(abs(expectedValue(source.next(19)).value)) % b;
    checkPair(mpz_class(b * q + r).get_str(), b.get_str());
  }
}

// The division search keeps its numbers in as few 64-bit words as the
// dividend's length needs (one up to 19 digits, two up to 38, three up to
// 57, four up to 77, five beyond), worked on in 32-bit halves where it
// multiplies or divides, and reads and writes them in groups of 9 digits:
// quotients and remainders just below, at and above each of those limits,
// by small and long divisors, in every sign combination, with dividends of
// up to 80 digits. By 10 with remainder 9, the quotients 10^18 - 1, 10^37 - 1,
// 10^56 - 1 and 10^76 - 1 give the longest dividend of each width, all
// nines; one more gives the shortest of the next.
TEST(GmpDifferentialTest, QuotientsAtMachineWordLimits) {
  const auto power = [](unsigned long base, unsigned long exponent) {
    mpz_class result;
    mpz_ui_pow_ui(result.get_mpz_t(), base, exponent);
    return result;
  };
  const mpz_class limits[] = {power(2, 32),  power(2, 64),  power(2, 96),   power(2, 127),
                              power(2, 128), power(2, 192), power(2, 255),  power(10, 9),
                              power(10, 19), power(10, 27), power(10, 36),  power(10, 38),
                              power(10, 45), power(10, 63), power(10, 72),
                              power(2, 64) * power(10, 19), power(10, 18), power(10, 37),
                              power(10, 56), power(10, 76)};
  const mpz_class divisors[] = {2, 3, 7, 9, 10, 99, power(10, 18) + 1, power(2, 64) - 1};
  int checked = 0;
  for (const mpz_class& limit : limits) {
    for (const int offset : {-1, 0, 1}) {
      for (const mpz_class& divisor : divisors) {
        for (const mpz_class& remainder : {mpz_class(0), mpz_class(divisor - 1)}) {
          const std::string dividend = mpz_class((limit + offset) * divisor + remainder).get_str();
          if (dividend.size() > 80) continue;
          for (const std::string sign : {"", "-"}) {
            checkPair(sign + dividend, divisor.get_str());
            checkPair(dividend, sign + divisor.get_str());
          }
          ++checked;
        }
      }
    }
  }
  // Only the largest limits times the longest divisors pass 80 digits.
  EXPECT_GT(checked, 600);
}

}  // namespace
}  // namespace nines::testing
