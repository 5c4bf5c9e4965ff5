// Checks the five operations against GMP on many random operand pairs.
//
// The sign flag of a zero result is not GMP's to say; it follows the value
// type's rules, restated here: a zero sum or difference carries the left
// operand's flag, a product or quotient the sign rule (flag 1 exactly when the
// operands' flags agree), a remainder the dividend's flag.
#include <gmpxx.h>

#include <random>
#include <string>
#include <vector>

#include "arith/decimal_integer.h"
#include "gtest/gtest.h"
#include "tests/well_formed.h"

namespace nines {
namespace {

using testing::plainText;

const mpz_class kLimit = [] {
  mpz_class limit;
  mpz_ui_pow_ui(limit.get_mpz_t(), 10, 80);
  return limit;
}();

std::string digitsOf(const mpz_class& n) { return mpz_class(abs(n)).get_str(); }

// An operand text and its true value; "-0" is a zero with flag 0.
struct Operand {
  std::string text;
  mpz_class value;
  bool negative;
};

Operand makeOperand(const std::string& text) {
  const bool negative = text[0] == '-';
  const std::string digits = (text[0] == '-' || text[0] == '+') ? text.substr(1) : text;
  mpz_class magnitude(digits, 10);
  return {text, negative ? mpz_class(-magnitude) : magnitude, negative};
}

class OperandSource {
 public:
  explicit OperandSource(unsigned seed) : random_(seed) {
    for (int k = 1; k <= 39; ++k) {
      edges_.push_back("1" + std::string(static_cast<std::size_t>(k), '0'));
      edges_.push_back(std::string(static_cast<std::size_t>(k), '9'));
    }
    for (const char* text : {"0", "-0", "+0", "1", "-1", "2", "-2", "9", "-9"}) {
      edges_.push_back(text);
    }
  }

  // Mostly random digits of length 1..maxDigits, sometimes runs of 9s or 0s
  // that make carries and borrows travel, sometimes an edge value.
  Operand next(int maxDigits) {
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
    return makeOperand(text);
  }

 private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  std::mt19937 random_;
  std::vector<std::string> edges_;
};

// The expected sign flag: the true value's sign, or the rule's for a zero.
int expectedFlag(const mpz_class& value, int flagForZero) {
  return value == 0 ? flagForZero : (value > 0 ? 1 : 0);
}

::testing::AssertionResult matches(const DecimalInteger& actual, const mpz_class& value,
                                   int flag) {
  if (!::nines::testing::isWellFormed(actual)) return ::nines::testing::isWellFormed(actual);
  const std::string expected = (flag ? "" : "-") + digitsOf(value);
  if (plainText(actual) != expected) {
    return ::testing::AssertionFailure() << "got " << plainText(actual) << ", expected "
                                         << expected;
  }
  return ::testing::AssertionSuccess();
}

// Checks one pair; operands may have up to 80 digits, where sums and
// products beyond the record are out of range.
void checkPair(const Operand& x, const Operand& y) {
  SCOPED_TRACE("a = " + x.text + ", b = " + y.text);
  const DecimalInteger a(x.text.c_str());
  const DecimalInteger b(y.text.c_str());
  const int flagA = x.negative ? 0 : 1;
  const int flagB = y.negative ? 0 : 1;
  const int signRule = flagA == flagB ? 1 : 0;

  const mpz_class sum = x.value + y.value;
  const DecimalInteger s = a + b;
  if (abs(sum) >= kLimit) {
    EXPECT_TRUE(s.isOutOfRange());
    EXPECT_EQ(s.getResidue(), 0);
  } else {
    EXPECT_TRUE(matches(s, sum, expectedFlag(sum, flagA))) << "sum";
  }

  const mpz_class difference = x.value - y.value;
  const DecimalInteger d = a - b;
  if (abs(difference) >= kLimit) {
    EXPECT_TRUE(d.isOutOfRange());
  } else {
    EXPECT_TRUE(matches(d, difference, expectedFlag(difference, flagA))) << "difference";
  }

  const mpz_class product = x.value * y.value;
  const DecimalInteger p = a * b;
  if (abs(product) >= kLimit) {
    EXPECT_EQ(plainText(p), (signRule ? "" : "-") + std::string(79, '9') + "8");
    EXPECT_EQ(p.isNonNegative(), signRule);
  } else {
    EXPECT_TRUE(matches(p, product, signRule)) << "product";
  }

  const DecimalInteger q = a / b;
  const DecimalInteger r = a % b;
  if (y.value == 0) {
    EXPECT_TRUE(q.isUndefined());
    EXPECT_EQ(q.isNonNegative(), signRule);
    EXPECT_EQ(r, a);
    return;
  }
  mpz_class quotient;
  mpz_class remainder;
  // Truncating division: the quotient rounds toward zero and the remainder
  // takes the dividend's sign, as mpz_tdiv_qr gives them.
  mpz_tdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), x.value.get_mpz_t(),
              y.value.get_mpz_t());
  EXPECT_TRUE(matches(q, quotient, signRule)) << "quotient";
  EXPECT_TRUE(matches(r, remainder, flagA)) << "remainder";

  // Casting out nines: the residues combine as their values do.
  const int ra = a.getResidue();
  const int rb = b.getResidue();
  EXPECT_EQ(s.isOutOfRange() ? s.getResidue() : (ra + rb) % 9, s.getResidue());
  EXPECT_EQ(d.isOutOfRange() ? d.getResidue() : ((ra - rb) % 9 + 9) % 9, d.getResidue());
  if (abs(product) < kLimit) {
    EXPECT_EQ((ra * rb) % 9, p.getResidue());
  }
  EXPECT_EQ(ra, (rb * q.getResidue() + r.getResidue()) % 9);
}

unsigned seed() {
  const int gtestSeed = ::testing::UnitTest::GetInstance()->random_seed();
  std::printf("Random seed %d (replay with --gtest_random_seed=%d)\n", gtestSeed, gtestSeed);
  return static_cast<unsigned>(gtestSeed);
}

// The operands the program reads: up to 39 digits with an optional sign.
TEST(GmpDifferentialTest, OperandsOfUpTo39Digits) {
  OperandSource source(seed());
  for (int i = 0; i < 100000; ++i) {
    checkPair(source.next(39), source.next(39));
    if (::testing::Test::HasFailure()) return;
  }
}

// Longer operands, up to the whole record: exact answers or out of range.
TEST(GmpDifferentialTest, OperandsOfUpTo80Digits) {
  OperandSource source(seed() + 1);
  for (int i = 0; i < 10000; ++i) {
    checkPair(source.next(80), source.next(80));
    if (::testing::Test::HasFailure()) return;
  }
}

// Dividends built as b * q + r with the answer known in advance.
TEST(GmpDifferentialTest, DivisionByConstruction) {
  OperandSource source(seed() + 2);
  for (int i = 0; i < 20000; ++i) {
    const Operand b = source.next(19);
    if (b.value == 0) continue;
    const Operand q = source.next(19);
    mpz_class r = mpz_class(abs(source.next(19).value)) % abs(b.value);
    const mpz_class a = abs(b.value) * abs(q.value) + r;
    checkPair(makeOperand(a.get_str()), makeOperand(digitsOf(b.value)));
    if (::testing::Test::HasFailure()) return;
  }
}

// The division search keeps its numbers in 128 bits, or in three 64-bit
// words for a 39-digit dividend, and writes them out in parts of 19 digits:
// quotients and remainders just below, at and above each of those limits,
// by small and long divisors, in every sign combination.
TEST(GmpDifferentialTest, QuotientsAtMachineWordLimits) {
  const auto power = [](unsigned long base, unsigned long exponent) {
    mpz_class result;
    mpz_ui_pow_ui(result.get_mpz_t(), base, exponent);
    return result;
  };
  const mpz_class limits[] = {power(2, 64),  power(10, 19), power(2, 64) * power(10, 19),
                              power(2, 127), power(2, 128), power(10, 38)};
  const mpz_class divisors[] = {2, 3, 7, 9, 10, 99, power(10, 18) + 1, power(2, 64) - 1};
  int checked = 0;
  for (const mpz_class& limit : limits) {
    for (const int offset : {-1, 0, 1}) {
      for (const mpz_class& divisor : divisors) {
        for (const mpz_class& remainder : {mpz_class(0), mpz_class(divisor - 1)}) {
          const mpz_class dividend = (limit + offset) * divisor + remainder;
          if (digitsOf(dividend).size() > 39) continue;
          for (const char* signs : {"", "-"}) {
            checkPair(makeOperand(signs + digitsOf(dividend)), makeOperand(digitsOf(divisor)));
            checkPair(makeOperand(digitsOf(dividend)), makeOperand(signs + digitsOf(divisor)));
          }
          ++checked;
          if (::testing::Test::HasFailure()) return;
        }
      }
    }
  }
  // Only the largest limits times the longest divisors pass 39 digits.
  EXPECT_GT(checked, 100);
}

}  // namespace
}  // namespace nines
