#include <sstream>
#include <string>
#include <vector>

#include "arith/decimal_integer.h"
#include "gtest/gtest.h"

namespace nines {
namespace {

// "-" followed by digits (written out: GCC 12 warns falsely on "-" + string).
std::string minus(const std::string& digits) { return std::string("-").append(digits); }

const std::string kNines80(80, '9');
const std::string kOutOfRange80 = std::string(79, '9') + "8";

struct PrintCase {
  std::string text;
  std::string printed;
  std::string chain;
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
        {minus(std::string(22, '9') + "1"), minus(std::string(22, '9') + "1"),
         "\t\t\t\t\t->  -199  ->  -19  ->  -10  ->  -1  ->  8"},
        {kNines80, " undefined", "\t\t\t\t\t->  undefined"},
        {minus(kNines80), " undefined", "\t\t\t\t\t->  undefined"},
        {kOutOfRange80, " out of range\n", "\t\t\t\t\t->  719  ->  17  ->  8"},
        // Only flag 1 makes the out-of-range value; with flag 0 it is digits.
        {minus(kOutOfRange80), minus(kOutOfRange80),
         "\t\t\t\t\t->  -719  ->  -17  ->  -8  ->  1"},
        {"1" + std::string(79, '0'), " 1" + std::string(79, '0'), "\t\t\t\t\t->  1"},
    }),
    [](const ::testing::TestParamInfo<PrintCase>& info) { return "Row" + std::to_string(info.index); });

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

}  // namespace
}  // namespace nines
