#include <string>
#include <vector>

#include "arith/decimal_integer.h"
#include "gtest/gtest.h"
#include "tests/value_checks.h"

namespace nines {
namespace {

using namespace testing;  // the shared helpers of tests/value_checks.h

// One row feeds all five operations. Results are plain signed decimals, "-0"
// for a zero whose flag is 0.
struct PairCase {
  std::string a, b, sum, difference, product, quotient, remainder;

  friend void PrintTo(const PairCase& c, std::ostream* out) { *out << c.a << " and " << c.b; }
};

class PairTest : public ::testing::TestWithParam<PairCase> {};

TEST_P(PairTest, FiveAnswersWithTheirSignsAndChains) {
  const PairCase& c = GetParam();
  const DecimalInteger a(c.a.c_str());
  const DecimalInteger b(c.b.c_str());

  const DecimalInteger results[] = {a + b, a - b, a * b, a / b, a % b};
  const std::string expected[] = {c.sum, c.difference, c.product, c.quotient, c.remainder};
  const char* names[] = {"sum", "difference", "product", "quotient", "remainder"};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(names[i]);
    EXPECT_EQ(plainText(results[i]), expected[i]);
    EXPECT_WELL_FORMED(results[i]);
  }
  const DecimalInteger::Division division = a.divide(b);
  EXPECT_EQ(division.quotient, results[3]);
  EXPECT_EQ(division.remainder, results[4]);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PairTest,
    ::testing::ValuesIn(std::vector<PairCase>{
        {"15", "-23", "-8", "38", "-345", "-0", "15"},
        {"-15", "23", "8", "-38", "-345", "-0", "-15"},
        {"5", "100", "105", "-95", "500", "0", "5"},
        {"99", "1", "100", "98", "99", "99", "0"},
        {"-99", "-1", "-100", "-98", "99", "99", "-0"},
        // Zero's flag: a sum or difference of zero keeps the left flag, a
        // product or quotient takes the sign rule, a remainder the dividend's.
        {"5", "-5", "0", "10", "-25", "-1", "0"},
        {"-5", "5", "-0", "-10", "-25", "-1", "-0"},
        {"-5", "-5", "-10", "-0", "25", "1", "-0"},
        {"0", "-5", "-5", "5", "-0", "-0", "0"},
        // A zero divisor, however typed, gives the undefined value (80 nines)
        // and a remainder that is a copy of the dividend.
        {"7", "0", "7", "7", "0", kUndefinedText, "7"},
        {"0", "0", "0", "0", "0", kUndefinedText, "0"},
        {"-0", "0", "-0", "-0", "-0", "-" + kUndefinedText, "-0"},
        {"0", "-0", "0", "0", "-0", "-" + kUndefinedText, "0"},
        {"5", "-0", "5", "5", "-0", "-" + kUndefinedText, "5"},
        {"-5", "+0", "-5", "-5", "-0", "-" + kUndefinedText, "-5"},
        // The worked examples.
        {"9866", "-168", "9698", "10034", "-1657488", "-58", "122"},
        {"7", "2", "9", "5", "14", "3", "1"},
        {"-7", "2", "-5", "-9", "-14", "-3", "-1"},
        {"7", "-2", "5", "9", "-14", "-3", "1"},
        {"-7", "-2", "-9", "-5", "14", "3", "-1"},
        {"100", "7", "107", "93", "700", "14", "2"},
        {"10", "5", "15", "5", "50", "2", "0"},
        {"9", "5", "14", "4", "45", "1", "4"},
        {"-9", "5", "-4", "-14", "-45", "-1", "-4"},
        {"4", "5", "9", "-1", "20", "0", "4"},
        {"1", "3", "4", "-2", "3", "0", "1"},
        {"-1", "3", "2", "-4", "-3", "-0", "-1"},
        {"3", "5", "8", "-2", "15", "0", "3"},
        {"-3", "5", "2", "-8", "-15", "-0", "-3"},
        {"-6", "3", "-3", "-9", "-18", "-2", "-0"},
        // 38 and 39 digits: carries through every place, the longest products.
        {repeat(38, '9'), repeat(38, '9'), "1" + repeat(37, '9') + "8", "0",
         repeat(37, '9') + "8" + repeat(37, '0') + "1", "1", "0"},
        {repeat(38, '9'), "2", "1" + repeat(37, '0') + "1", repeat(37, '9') + "7",
         "1" + repeat(37, '9') + "8", "4" + repeat(37, '9'), "1"},
        {repeat(38, '9'), "-1", repeat(37, '9') + "8", "1" + repeat(38, '0'),
         "-" + repeat(38, '9'), "-" + repeat(38, '9'), "0"},
        {repeat(39, '9'), repeat(39, '9'), "1" + repeat(38, '9') + "8", "0",
         repeat(38, '9') + "8" + repeat(38, '0') + "1", "1", "0"},
        {repeat(39, '9'), "3", "1" + repeat(38, '0') + "2", repeat(38, '9') + "6",
         "2" + repeat(38, '9') + "7", repeat(39, '3'), "0"},
    }),
    [](const ::testing::TestParamInfo<PairCase>& info) {
      return testing::testName({info.param.a, info.param.b});
    });

// Results that name the sentinels, and products beyond 80 digits.
TEST(OverflowTest, SentinelsAndTheEightyDigitLimit) {
  const DecimalInteger undefined = DecimalInteger::undefined();
  const DecimalInteger one(1);

  const DecimalInteger carried = undefined + one;
  EXPECT_TRUE(carried.isOutOfRange());
  EXPECT_EQ(carried.getResidue(), 0);
  EXPECT_EQ(undefined + 0, undefined);
  EXPECT_TRUE((undefined - 1).isOutOfRange());
  EXPECT_EQ((undefined - 1).getResidue(), 0);

  // Two negatives that overflow give the out-of-range value with flag 1.
  const DecimalInteger negativeSum = DecimalInteger(("-" + kUndefinedText).c_str()) + -1;
  EXPECT_TRUE(negativeSum.isOutOfRange());
  EXPECT_EQ(negativeSum.isNonNegative(), 1);
  EXPECT_EQ(negativeSum.getResidue(), 0);

  const std::string tenTo40 = "1" + repeat(40, '0');
  const std::string tenTo39 = "1" + repeat(39, '0');
  EXPECT_TRUE((DecimalInteger(("5" + repeat(79, '0')).c_str()) * 2).isOutOfRange());
  EXPECT_TRUE((DecimalInteger(tenTo40.c_str()) * tenTo40.c_str()).isOutOfRange());
  EXPECT_EQ(plainText(DecimalInteger(tenTo40.c_str()) * tenTo39.c_str()), "1" + repeat(79, '0'));

  // An overflow of unlike signs keeps the out-of-range digits with flag 0.
  const DecimalInteger negativeProduct = DecimalInteger(("-" + tenTo40).c_str()) * tenTo40.c_str();
  EXPECT_EQ(plainText(negativeProduct), "-" + kOutOfRangeText);
  EXPECT_FALSE(negativeProduct.isOutOfRange());
  EXPECT_EQ(negativeProduct.getResidue(), 1);
  EXPECT_WELL_FORMED(negativeProduct);

  // A true product that lands exactly on the out-of-range digits.
  EXPECT_EQ((DecimalInteger(("4" + repeat(79, '9')).c_str()) * 2).getResidue(), 0);
}

TEST(DivisionTest, OpenCasesAreExact) {
  const DecimalInteger undefined = DecimalInteger::undefined();
  EXPECT_EQ(plainText(undefined / 1), kUndefinedText);
  EXPECT_EQ(plainText(undefined / 3), repeat(80, '3'));
  EXPECT_EQ(plainText(undefined % 10), "9");
  EXPECT_EQ(plainText(undefined / undefined), "1");
  EXPECT_EQ(plainText(DecimalInteger(repeat(40, '9').c_str()) / 2), "4" + repeat(39, '9'));
  EXPECT_EQ(plainText(DecimalInteger(kOutOfRangeText.c_str()) / ("-" + kUndefinedText).c_str()), "-0");
}

TEST(CompanionFormTest, IntegerAndTextRightOperandsForward) {
  const DecimalInteger a("9866");
  EXPECT_EQ(a + -168, a + DecimalInteger("-168"));
  EXPECT_EQ(a - "-168", a - DecimalInteger("-168"));
  EXPECT_EQ(a * INT32_MIN, a * DecimalInteger("-2147483648"));
  EXPECT_EQ(a / "-168", a / DecimalInteger(-168));
  EXPECT_EQ(a % -168, a % DecimalInteger("-168"));
  EXPECT_EQ(a / "-0", a / DecimalInteger("-0"));
  EXPECT_EQ((a / "-0").isNonNegative(), 0);
}

}  // namespace
}  // namespace nines
