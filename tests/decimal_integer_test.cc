#include "arith/decimal_integer.h"

#include <climits>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "tests/value_checks.h"

namespace nines {
namespace {

using namespace testing;  // the shared helpers of tests/value_checks.h

struct TextCase {
  std::string text;
  std::string value;  // plain signed decimal, "-0" for a zero with flag 0
  int digitSum, digitSum2, digitSum3, digitSum4, singleDigit, residue;

  friend void PrintTo(const TextCase& c, std::ostream* out) { *out << c.text; }
};

class TextConstructorTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextConstructorTest, DigitsSignAndChain) {
  const TextCase& c = GetParam();
  const DecimalInteger v(c.text.c_str());
  EXPECT_EQ(plainText(v), c.value);
  EXPECT_EQ(v.getDigitSum(), c.digitSum);
  EXPECT_EQ(v.getDigitSum2(), c.digitSum2);
  EXPECT_EQ(v.getDigitSum3(), c.digitSum3);
  EXPECT_EQ(v.getDigitSum4(), c.digitSum4);
  EXPECT_EQ(v.getSingleDigit(), c.singleDigit);
  EXPECT_EQ(v.getResidue(), c.residue);
  EXPECT_WELL_FORMED(v);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextConstructorTest,
    ::testing::ValuesIn(std::vector<TextCase>{
        {"9866", "9866", 29, 11, 2, 0, 2, 2},
        {"-168", "-168", -15, -6, 0, 0, -6, 3},
        {"+42", "42", 6, 0, 0, 0, 6, 6},
        {" 42", "42", 6, 0, 0, 0, 6, 6},
        {"42", "42", 6, 0, 0, 0, 6, 6},
        {"9", "9", 9, 0, 0, 0, 9, 0},
        {"-9", "-9", -9, 0, 0, 0, -9, 0},
        {"0", "0", 0, 0, 0, 0, 0, 0},
        {"+0", "0", 0, 0, 0, 0, 0, 0},
        {"-0", "-0", 0, 0, 0, 0, 0, 0},
        {"", "0", 0, 0, 0, 0, 0, 0},
        {"+", "0", 0, 0, 0, 0, 0, 0},
        {"-", "-0", 0, 0, 0, 0, 0, 0},
        // A non-digit inside a text is the digit 0.
        {"12a4", "1204", 7, 0, 0, 0, 7, 7},
        {"-1x", "-10", -1, 0, 0, 0, -1, 8},
        {"5\x01\x7f", "500", 5, 0, 0, 0, 5, 5},
        {"7\xff\x80" "1", "7001", 8, 0, 0, 0, 8, 8},
        // Any other first character gives zero, whatever follows.
        {"x12", "0", 0, 0, 0, 0, 0, 0},
        {"X99", "0", 0, 0, 0, 0, 0, 0},
        {"\t5", "0", 0, 0, 0, 0, 0, 0},
        {"\xe2\x88\x92" "5", "0", 0, 0, 0, 0, 0, 0},
        {"--5", "-5", -5, 0, 0, 0, -5, 4},
        // The sentinels as constructed.
        {kUndefinedText, kUndefinedText, 720, 9, 0, 0, 9, 0},
        {"-" + kUndefinedText, "-" + kUndefinedText, -720, -9, 0, 0, -9, 0},
        {kOutOfRangeText, kOutOfRangeText, 719, 17, 8, 0, 8, 8},
        // Chains that need all four sums: 699 -> 24 -> 6; 79 nines -> 711 -> 9.
        {std::string(77, '9') + "888", std::string(77, '9') + "888", 717, 15, 6, 0, 6, 6},
        {std::string(22, '9') + "1", std::string(22, '9') + "1", 199, 19, 10, 1, 1, 1},
        {"-" + std::string(22, '9') + "1", "-" + std::string(22, '9') + "1", -199, -19, -10, -1,
         -1, 8},
    }),
    [](const ::testing::TestParamInfo<TextCase>& info) {
      return testing::testName({info.param.text});
    });

// The leading digit at every place, alone or followed by nines, and results
// whose length differs from their operands': the count of significant digits
// and the chain must follow from the digits wherever the first nonzero one is.
TEST(TextConstructorTest, SignificantDigitsAtEveryPlace) {
  for (int length = 1; length <= kDigitCount; ++length) {
    SCOPED_TRACE("length " + std::to_string(length));
    const std::string tail(static_cast<std::size_t>(length - 1), '9');
    const std::string zeros(static_cast<std::size_t>(length - 1), '0');
    for (const std::string& text : {"1" + zeros, "7" + tail, "-1" + tail}) {
      const DecimalInteger v(text.c_str());
      EXPECT_EQ(v.countSignificantDigits(), length) << text;
      EXPECT_EQ(plainText(v), text);
      EXPECT_WELL_FORMED(v);
    }
    const DecimalInteger shorter = DecimalInteger(("1" + zeros).c_str()) - 1;
    EXPECT_EQ(shorter.countSignificantDigits(), length - 1);
    EXPECT_WELL_FORMED(shorter);
  }
}

struct LongTextCase {
  std::string text;
  std::string value;
  bool outOfRange;
};

// Texts longer than the record: excess leading zeros and non-digits are
// dropped; a nonzero digit beyond the 80 places is out of range.
TEST(TextConstructorTest, OverLongTextsStayInsideTheRecord) {
  const std::vector<LongTextCase> cases = {
      {std::string(200, '0') + "123", "123", false},
      {"-" + std::string(81, '0') + "7", "-7", false},
      {"+" + std::string(100, 'z') + "7", "7", false},
      {"1" + std::string(80, '0'), "", true},
      {"-" + std::string(81, '5'), "", true},
      {std::string(100000, '9'), "", true},
      {std::string(80, '7'), std::string(80, '7'), false},
      {"-" + std::string(80, '7'), "-" + std::string(80, '7'), false},
  };
  for (const LongTextCase& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 90));
    const DecimalInteger v(c.text.c_str());
    EXPECT_EQ(v.isOutOfRange(), c.outOfRange);
    if (c.outOfRange) {
      EXPECT_EQ(v.getResidue(), 0);
    } else {
      EXPECT_EQ(plainText(v), c.value);
    }
    EXPECT_WELL_FORMED(v);
  }
}

TEST(IntegerConstructorTest, MatchesTextConstructor) {
  const std::vector<std::pair<std::int32_t, std::string>> cases = {
      {0, "0"},         {1, "1"},
      {-1, "-1"},       {9866, "9866"},
      {-168, "-168"},   {INT32_MAX, "2147483647"},
      {INT32_MIN, "-2147483648"},
  };
  for (const auto& [n, text] : cases) {
    SCOPED_TRACE(n);
    const DecimalInteger v(n);
    EXPECT_EQ(plainText(v), text);
    EXPECT_EQ(v, DecimalInteger(text.c_str()));
    EXPECT_WELL_FORMED(v);
  }
  EXPECT_EQ(DecimalInteger(0).isNonNegative(), 1);
  EXPECT_EQ(DecimalInteger().isNonNegative(), 1);
}

TEST(SentinelTest, PredicatesAndChains) {
  const DecimalInteger undefined = DecimalInteger::undefined();
  const DecimalInteger negativeUndefined(("-" + kUndefinedText).c_str());
  const DecimalInteger outOfRange = DecimalInteger::outOfRange();
  const DecimalInteger negativeOutOfRange(("-" + kOutOfRangeText).c_str());
  EXPECT_TRUE(undefined.isUndefined());
  EXPECT_TRUE(negativeUndefined.isUndefined());
  EXPECT_FALSE(undefined.isOutOfRange());
  EXPECT_TRUE(outOfRange.isOutOfRange());
  EXPECT_FALSE(negativeOutOfRange.isOutOfRange());
  EXPECT_FALSE(outOfRange.isUndefined());
  EXPECT_EQ(undefined.getDigitSum(), 720);
  EXPECT_EQ(outOfRange.getResidue(), 8);
  EXPECT_FALSE(DecimalInteger(std::string(79, '9').c_str()).isUndefined());
}

// A copy by construction is the record as it stands; copy-assignment
// recomputes the chain from the digits, so an overflowed result's residue 0
// becomes the 8 that its digits give.
struct CopyCase {
  std::string name;
  DecimalInteger source;
  int constructedResidue;
  int assignedResidue;
};

TEST(CopyTest, ConstructionKeepsTheRecordAndAssignmentRecomputesTheChain) {
  const std::vector<CopyCase> cases = {
      {"9866", DecimalInteger("9866"), 2, 2},
      {"-168", DecimalInteger("-168"), 3, 3},
      {"undefined + 1", DecimalInteger::undefined() + 1, 0, 8},
  };
  for (const CopyCase& c : cases) {
    SCOPED_TRACE(c.name);
    const DecimalInteger constructed(c.source);
    EXPECT_EQ(constructed, c.source);
    EXPECT_EQ(constructed.getResidue(), c.constructedResidue);
    DecimalInteger assigned("-123");
    assigned = c.source;
    EXPECT_EQ(assigned, c.source);
    EXPECT_EQ(assigned.getResidue(), c.assignedResidue);
    EXPECT_EQ(assigned.getDigitSum2(), c.source.getDigitSum2());
    EXPECT_EQ(assigned.countSignificantDigits(), c.source.countSignificantDigits());
    DecimalInteger& itself = assigned;
    assigned = itself;
    EXPECT_EQ(assigned.getResidue(), c.assignedResidue);
    EXPECT_WELL_FORMED(assigned);
  }
}

// Each row orders a before b; the table is checked with all six operators,
// both ways round.
struct OrderCase {
  std::string a, b;
  int order;  // -1: a < b, 0: a == b
};

TEST(ComparisonTest, SixOperatorsAgreeWithTheOrder) {
  const std::vector<OrderCase> cases = {
      {"-5", "3", -1},    {"-7", "-2", -1},   {"9", "12", -1},
      {"5", "5", 0},      {"-5", "-5", 0},    {"-0", "0", -1},
      {"-0", "-0", 0},    {"-0", "1", -1},    {"-1", "-0", -1},
      {"0", "+0", 0},     {std::string(79, '9'), kUndefinedText, -1},
      {kOutOfRangeText, kUndefinedText, -1},          {"-" + kUndefinedText, kUndefinedText, -1},
      {"-" + kUndefinedText, "-" + kUndefinedText, 0},    {"100", "99", 1},
  };
  for (const OrderCase& c : cases) {
    SCOPED_TRACE(c.a + " vs " + c.b);
    const DecimalInteger a(c.a.c_str());
    const DecimalInteger b(c.b.c_str());
    EXPECT_EQ(a == b, c.order == 0);
    EXPECT_EQ(a != b, c.order != 0);
    EXPECT_EQ(a < b, c.order < 0);
    EXPECT_EQ(a <= b, c.order <= 0);
    EXPECT_EQ(a > b, c.order > 0);
    EXPECT_EQ(a >= b, c.order >= 0);
    EXPECT_EQ(b < a, c.order > 0);
    EXPECT_EQ(b >= a, c.order <= 0);
  }
}

TEST(ComparisonTest, MachineIntegerRightOperand) {
  const DecimalInteger negativeZero("-0");
  EXPECT_FALSE(negativeZero == 0);
  EXPECT_TRUE(negativeZero != 0);
  EXPECT_TRUE(negativeZero < 0);
  EXPECT_FALSE(negativeZero >= 0);
  EXPECT_TRUE(DecimalInteger("0") == 0);
  EXPECT_TRUE(DecimalInteger("-5") < 3);
  EXPECT_TRUE(DecimalInteger("3") > -5);
  EXPECT_TRUE(DecimalInteger("-2") >= -7);
  EXPECT_TRUE(DecimalInteger("12") > 9);
  EXPECT_TRUE(DecimalInteger("-2147483648") == INT32_MIN);
  EXPECT_TRUE(DecimalInteger::undefined() > INT32_MAX);
}

}  // namespace
}  // namespace nines
