#include <sstream>
#include <string>
#include <vector>

#include "arith/decimal_integer.h"
#include "arith/text.h"
#include "gtest/gtest.h"
#include "tests/value_checks.h"

namespace nines {
namespace {

using testing::kOutOfRangeText;
using testing::kUndefinedText;

struct PrintCase {
  std::string text;
  std::string printed;
  std::string chain;

  friend void PrintTo(const PrintCase& c, std::ostream* out) { *out << c.text; }
};

class PrintTest : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintTest, ValueAndProofChain) {
  const PrintCase& c = GetParam();
  const DecimalInteger v(c.text.c_str());
  std::ostringstream value;
  value << v;
  EXPECT_EQ(value.str(), c.printed);
  std::ostringstream chain;
  v.printProofChain(chain, v);
  EXPECT_EQ(chain.str(), c.chain);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrintTest,
    ::testing::ValuesIn(std::vector<PrintCase>{
        {"9866", " 9866", "\t\t\t\t\t->  29  ->  11  ->  2"},
        {"-168", "-168", "\t\t\t\t\t->  -15  ->  -6  ->  3"},
        {"-1657488", "-1657488", "\t\t\t\t\t->  -39  ->  -12  ->  -3  ->  6"},
        {"9", " 9", "\t\t\t\t\t->  9  ->  0"},
        {"-9", "-9", "\t\t\t\t\t->  -9  ->  0"},
        {"-18", "-18", "\t\t\t\t\t->  -9  ->  0"},
        {"0", "0 ", "\t\t\t\t\t->  0"},
        {"-0", "0", "\t\t\t\t\t->  0"},
        {"5", " 5", "\t\t\t\t\t->  5"},
        {"-5", "-5", "\t\t\t\t\t->  -5  ->  4"},
        {"000123", " 123", "\t\t\t\t\t->  6"},
        {std::string(22, '9') + "1", " " + std::string(22, '9') + "1",
         "\t\t\t\t\t->  199  ->  19  ->  10  ->  1"},
        {"-" + std::string(22, '9') + "1", "-" + std::string(22, '9') + "1",
         "\t\t\t\t\t->  -199  ->  -19  ->  -10  ->  -1  ->  8"},
        {kUndefinedText, " undefined", "\t\t\t\t\t->  undefined"},
        {"-" + kUndefinedText, " undefined", "\t\t\t\t\t->  undefined"},
        {kOutOfRangeText, " out of range\n", "\t\t\t\t\t->  719  ->  17  ->  8"},
        // Only flag 1 makes the out-of-range value; with flag 0 it is digits.
        {"-" + kOutOfRangeText, "-" + kOutOfRangeText,
         "\t\t\t\t\t->  -719  ->  -17  ->  -8  ->  1"},
        {"1" + std::string(79, '0'), " 1" + std::string(79, '0'), "\t\t\t\t\t->  1"},
    }),
    [](const ::testing::TestParamInfo<PrintCase>& info) {
      return testing::testName({info.param.text});
    });

TEST(ProofChainTest, ReceiverDecidesUndefined) {
  const DecimalInteger undefined = DecimalInteger::undefined();
  const DecimalInteger five("5");
  std::ostringstream byUndefined;
  undefined.printProofChain(byUndefined, five);
  EXPECT_EQ(byUndefined.str(), "\t\t\t\t\t->  undefined");
  std::ostringstream byFive;
  five.printProofChain(byFive, undefined);
  EXPECT_EQ(byFive.str(), "\t\t\t\t\t->  720  ->  9  ->  0");
}

TEST(ProofChainTest, StandardOutputFormForwards) {
  ::testing::internal::CaptureStdout();
  DecimalInteger("-168").printProofChain(DecimalInteger("-168"));
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "\t\t\t\t\t->  -15  ->  -6  ->  3");
}

// A run too long for its Text is a fault: an assertion stops it where they
// are on, and where they are off the stream it goes to fails.
TEST(TextTest, AnOverlongRunIsNeverLostSilently) {
  const std::string full(Text::kCapacity, '7');
  std::ostringstream whole;
  whole << (Text() << full);
  EXPECT_TRUE(whole.good());
  EXPECT_EQ(whole.str(), full);
  std::ostringstream overlong;
  EXPECT_DEBUG_DEATH(overlong << (Text() << full << '!'), "Text is full");
#ifdef NDEBUG
  EXPECT_TRUE(overlong.bad());
#endif
}

}  // namespace
}  // namespace nines
