// The texts that carry the report's rules, typed by hand from the written
// examples: the check lines of the console report, the mixed number and the
// decimal in both their forms, and one whole answers-file block.
#include <sstream>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "session/answers_file.h"
#include "session/console_report.h"
#include "session/pair_answers.h"
#include "session/quotient_approximation.h"
#include "tests/value_checks.h"

namespace nines::session {
namespace {

PairAnswers answersFor(const std::string& a, const std::string& b) {
  return computeAnswers(DecimalInteger(a.c_str()), DecimalInteger(b.c_str()));
}

// Each row names its operands by their residues. The sum, difference and
// product checks are what follows "which = " up to the full stop; the
// division check runs from its tabs to the heading of the combined quotient.
struct CheckCase {
  std::string a, b;
  std::string sum, difference, product, division;

  friend void PrintTo(const CheckCase& c, std::ostream* out) { *out << c.a << " and " << c.b; }
};

class CheckLineTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckLineTest, ResiduesCombineLikeTheirValues) {
  const CheckCase& c = GetParam();
  const PairAnswers answers = answersFor(c.a, c.b);
  std::ostringstream out;
  printConsoleReport(out, answers);
  printApproximation(out, answers, approximateQuotient(answers), 1);
  const std::string report = out.str();
  const std::string which = ",\n\t\t\t\t\twhich = ";
  EXPECT_NE(report.find(which + c.sum + ".\n\nTheir difference is:\n"), std::string::npos)
      << report;
  EXPECT_NE(report.find(which + c.difference + ".\n\nTheir product is:\n"), std::string::npos)
      << report;
  EXPECT_NE(report.find(which + c.product + ".\n\nThe integer part of the quotient is:\n"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find(",\n" + c.division + "\nCombined with the remainder the quotient is"),
            std::string::npos)
      << report;
}

INSTANTIATE_TEST_SUITE_P(
    Residues, CheckLineTest,
    ::testing::ValuesIn(std::vector<CheckCase>{
        // 2 and 3; the continuation of the division line leaves three empty
        // lines before the heading.
        {"9866", "-168", "2 + 3", "(2 - 3)  ->  -1  ->  8", "2 * 3",
         "\t\t\t\t\tand 2 = ( 3 * 5 ) + 5 -> ( 6 + 5 )\n\n\n"},
        // 4 and 5: a sum of exactly 9.
        {"-5", "5", "(4 + 5)  ->  0", "(4 - 5)  ->  -1  ->  8", "(4 * 5)  ->  20  ->  2",
         "\t\t\t\t\tand 4 = ( 5 * 8 ) + 0 -> ( 4 + 0 )\n\n\n"},
        {"23", "7", "(5 + 7)  ->  12  ->  3", "(5 - 7)  ->  -2  ->  7", "(5 * 7)  ->  35  ->  8",
         "\t\t\t\t\tand 5 = ( 7 * 3 ) + 2 -> ( 3 + 2 )\n\n\n"},
        // 5 and 5: a sum of exactly 10.
        {"23", "5", "(5 + 5)  ->  10  ->  1", "5 - 5", "(5 * 5)  ->  25  ->  7",
         "\t\t\t\t\tand 5 = ( 5 * 4 ) + 3 -> ( 2 + 3 )\n\n\n"},
        {"17", "8", "(8 + 8)  ->  16  ->  7", "8 - 8", "(8 * 8)  ->  64  ->  1",
         "\t\t\t\t\tand 8 = ( 8 * 2 ) + 1 -> ( 7 + 1 )\n\n\n"},
        // 3 and 3, with a quotient of residue 3: a product of exactly 9.
        {"39", "12", "3 + 3", "3 - 3", "3 * 3", "\t\t\t\t\tand 3 = ( 3 * 3 ) + 3 -> ( 0 + 3 )\n\n\n"},
        {"11", "5", "2 + 5", "(2 - 5)  ->  -3  ->  6", "(2 * 5)  ->  10  ->  1",
         "\t\t\t\t\tand 2 = ( 5 * 2 ) + 1 -> ( 1 + 1 )\n\n\n"},
        // 4 and 7, no continuation: two empty lines before the heading.
        {"4", "7", "(4 + 7)  ->  11  ->  2", "(4 - 7)  ->  -3  ->  6", "(4 * 7)  ->  28  ->  1",
         "\t\t\t\t\tand 4 = ( 7 * 0 ) + 4\n\n"},
        // 0 and 0 by a zero divisor, and a zero divisor typed as "-0".
        {"9", "0", "0 + 0", "0 - 0", "0 * 0", "\t\t\t\t\tand 0 = ( undefined * 0 ) + 0\n\n"},
        {"7", "-0", "7 + 0", "7 - 0", "7 * 0", "\t\t\t\t\tand 7 = ( undefined * 0 ) + 7\n\n"},
    }),
    [](const ::testing::TestParamInfo<CheckCase>& info) {
      return testing::testName({info.param.a, info.param.b});
    });

// The combined quotient on the console and in the answers file. `seconds`
// is the calendar time, which only a zero divisor looks at.
struct CombinedCase {
  std::string a, b;
  long long seconds;
  std::string console, file;

  friend void PrintTo(const CombinedCase& c, std::ostream* out) { *out << c.a << " / " << c.b; }
};

class CombinedQuotientTest : public ::testing::TestWithParam<CombinedCase> {};

TEST_P(CombinedQuotientTest, ConsoleAndFileForms) {
  const CombinedCase& c = GetParam();
  const PairAnswers answers = answersFor(c.a, c.b);
  const QuotientApproximation approximation = approximateQuotient(answers);
  std::ostringstream console;
  printApproximation(console, answers, approximation, static_cast<std::time_t>(c.seconds));
  EXPECT_EQ(console.str(), c.console);
  std::ostringstream file;
  writeApproximation(file, answers, approximation);
  EXPECT_EQ(file.str(), c.file);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CombinedQuotientTest,
    ::testing::ValuesIn(std::vector<CombinedCase>{
        {"7", "2", 1, "\nCombined with the remainder the quotient is:\n\n\t 3  +  1/2\n\t  or\n\t 3.5\n",
         "\n\nCombined with the remainder the quotient is:\n\n\t 3  +  1/2\n\n\t  or\n\n\t 3.5\n\n"},
        {"1", "3", 1,
         "\nCombined with the remainder the quotient is approximately:\n\n\t0   +  1/3\n\t  or\n"
         "\t.333333333\n\n\t\t\t... to nine decimal places",
         "\n\nCombined with the remainder the quotient is approximately:\n\n\t0   +  1/3\n\n"
         "\t  or\n\n\t.333333333\n\n\t\t\t... to nine decimal places\n\n"},
        {"-1", "3", 1,
         "\nCombined with the remainder the quotient is approximately:\n\n\t0  -  1/3\n\t  or\n"
         "\t- .333333333\n\n\t\t\t... to nine decimal places",
         "\n\nCombined with the remainder the quotient is approximately:\n\n\t0 - 1/3\n\n"
         "\t  or\n\n\t- .333333333\n\n\t\t\t... to nine decimal places\n\n"},
        {"1", "8", 1, "\nCombined with the remainder the quotient is:\n\n\t0   +  1/8\n\t  or\n\t.125\n",
         "\n\nCombined with the remainder the quotient is:\n\n\t0   +  1/8\n\n\t  or\n\n\t.125\n\n"},
        {"1", "1024", 1,
         "\nCombined with the remainder the quotient is approximately:\n\n\t0   +  1/1024\n"
         "\t  or\n\t.000976562\n\n\t\t\t... to nine decimal places",
         "\n\nCombined with the remainder the quotient is approximately:\n\n\t0   +  1/1024\n\n"
         "\t  or\n\n\t.000976562\n\n\t\t\t... to nine decimal places\n\n"},
        // Places ending in one zero (090909090) are inexact; trimmed, the
        // decimal keeps its leading zero.
        {"1", "11", 1,
         "\nCombined with the remainder the quotient is approximately:\n\n\t0   +  1/11\n\t  or\n"
         "\t.09090909\n\n\t\t\t... to nine decimal places",
         "\n\nCombined with the remainder the quotient is approximately:\n\n\t0   +  1/11\n\n"
         "\t  or\n\n\t.09090909\n\n\t\t\t... to nine decimal places\n\n"},
        {"2", "3", 1,
         "\nCombined with the remainder the quotient is approximately:\n\n\t0   +  2/3\n\t  or\n"
         "\t.666666666\n\n\t\t\t... to nine decimal places",
         "\n\nCombined with the remainder the quotient is approximately:\n\n\t0   +  2/3\n\n"
         "\t  or\n\n\t.666666666\n\n\t\t\t... to nine decimal places\n\n"},
        {"9866", "-168", 1,
         "\nCombined with the remainder the quotient is approximately:\n\n\t-58  -  122/168\n"
         "\t  or\n\t-58.726190476\n\n\t\t\t... to nine decimal places",
         "\n\nCombined with the remainder the quotient is approximately:\n\n\t-58 - 122/168\n\n"
         "\t  or\n\n\t-58.726190476\n\n\t\t\t... to nine decimal places\n\n"},
        // A divisor of ten or more digits: the fraction shows the remainder
        // and the divisor whole, and the places are exact, approximate
        // exactly when the decimal goes on after them (even where they end
        // in zeros).
        {"3", "1234567890", 1,
         "\nCombined with the remainder the quotient is approximately:\n\n\t0   +  3 / 1234567890\n"
         "\t  or\n\t.000000002\n\n\t\t\t... to nine decimal places",
         "\n\nCombined with the remainder the quotient is approximately:\n\n\t0   +  3 / 1234567890"
         "\n\n\t  or\n\n\t.000000002\n\n\t\t\t... to nine decimal places\n\n"},
        {"12345678901", "98765432109", 1,
         "\nCombined with the remainder the quotient is approximately:\n\n"
         "\t0   +  12345678901 / 98765432109\n\t  or\n\t.124999998\n\n\t\t\t... to nine decimal places",
         "\n\nCombined with the remainder the quotient is approximately:\n\n"
         "\t0   +  12345678901 / 98765432109\n\n\t  or\n\n\t.124999998\n\n"
         "\t\t\t... to nine decimal places\n\n"},
        {"5", "100000000000", 1,
         "\nCombined with the remainder the quotient is approximately:\n\n\t0   +  5 / 100000000000\n"
         "\t  or\n\t.0\n\n\t\t\t... to nine decimal places",
         "\n\nCombined with the remainder the quotient is approximately:\n\n\t0   +  5 / 100000000000"
         "\n\n\t  or\n\n\t.0\n\n\t\t\t... to nine decimal places\n\n"},
        {"10000000000", "20000000000", 1,
         "\nCombined with the remainder the quotient is:\n\n\t0   +  10000000000 / 20000000000\n"
         "\t  or\n\t.5\n",
         "\n\nCombined with the remainder the quotient is:\n\n\t0   +  10000000000 / 20000000000"
         "\n\n\t  or\n\n\t.5\n\n"},
        // The fraction shows magnitudes: a negative remainder loses its sign
        // there, as a short one does.
        {"-3", "1234567890", 1,
         "\nCombined with the remainder the quotient is approximately:\n\n\t0  -  3 / 1234567890\n"
         "\t  or\n\t- .000000002\n\n\t\t\t... to nine decimal places",
         "\n\nCombined with the remainder the quotient is approximately:\n\n\t0 - 3 / 1234567890"
         "\n\n\t  or\n\n\t- .000000002\n\n\t\t\t... to nine decimal places\n\n"},
        // The fraction bar widens from a divisor of 100000.
        {"12345", "99999", 1,
         "\nCombined with the remainder the quotient is approximately:\n\n\t0   +  12345/99999\n"
         "\t  or\n\t.123451234\n\n\t\t\t... to nine decimal places",
         "\n\nCombined with the remainder the quotient is approximately:\n\n\t0   +  12345/99999"
         "\n\n\t  or\n\n\t.123451234\n\n\t\t\t... to nine decimal places\n\n"},
        {"212345", "100000", 1,
         "\nCombined with the remainder the quotient is:\n\n\t 2  +  12345 / 100000\n\t  or\n"
         "\t 2.12345\n",
         "\n\nCombined with the remainder the quotient is:\n\n\t 2  +  12345 / 100000\n\n"
         "\t  or\n\n\t 2.12345\n\n"},
        // The ratio and its product by 10^9 are each rounded to a double
        // before the places are cut; kept wider, these would read .00012345
        // and .999999998.
        {"12345", "100000000", 1,
         "\nCombined with the remainder the quotient is approximately:\n\n\t0   +  12345 / 100000000"
         "\n\t  or\n\t.000123449\n\n\t\t\t... to nine decimal places",
         "\n\nCombined with the remainder the quotient is approximately:\n\n\t0   +  12345 / 100000000"
         "\n\n\t  or\n\n\t.000123449\n\n\t\t\t... to nine decimal places\n\n"},
        {"999999998", "999999999", 1,
         "\nCombined with the remainder the quotient is approximately:\n\n\t0   +  999999998 / 999999999"
         "\n\t  or\n\t.999999999\n\n\t\t\t... to nine decimal places",
         "\n\nCombined with the remainder the quotient is approximately:\n\n\t0   +  999999998 / 999999999"
         "\n\n\t  or\n\n\t.999999999\n\n\t\t\t... to nine decimal places\n\n"},
        // A zero divisor: the console's text depends on the time.
        // Nine places that 100000001 divides: trimming zeros must not divide
        // them by it.
        {"100000001", "999999999", 1,
         "\nCombined with the remainder the quotient is approximately:\n\n\t0   +  100000001 / "
         "999999999\n\t  or\n\t.100000001\n\n\t\t\t... to nine decimal places",
         "\n\nCombined with the remainder the quotient is approximately:\n\n\t0   +  100000001 / "
         "999999999\n\n\t  or\n\n\t.100000001\n\n\t\t\t... to nine decimal places\n\n"},
        {"7", "0", 1, "\nCombined with the remainder the quotient is:\n\n\t undefined",
         "\n\nCombined with the remainder the quotient is undefined\n\n"},
        {"7", "-0", 4, "\nCombined with the remainder the quotient is:\n\n\tthe gods are angry...",
         "\n\nCombined with the remainder the quotient is undefined\n\n"},
    }),
    [](const ::testing::TestParamInfo<CombinedCase>& info) {
      return testing::testName({info.param.a, info.param.b});
    });

TEST(AnswersFileTest, BlockOfOnePair) {
  const PairAnswers answers = answersFor("9866", "-168");
  std::ostringstream file;
  writePairBlock(file, answers, approximateQuotient(answers));
  EXPECT_EQ(file.str(),
            "Operands:\n\n"
            " 9866\n\t\t\t\t->  29  ->  2\n\n"
            "-168\n\t\t\t\t->  -15  ->  -6  ->  3\n\n"
            "+--+--+--+--+--+--+--+--+--+--+--+--+--+--+\n"
            "\n\tAnswers\t\t\t\"Proofs\""
            "\n\nSum:\n 9698\n\t\t\t\t->  32  ->  5"
            "\n\nDifference:\n 10034\n\t\t\t\t->  8"
            "\n\nProduct:\n-1657488\n\t\t\t\t->  -39  ->  -3  ->  6"
            "\n\nIntegral quotient:\n-58\n\t\t\t\t->  -13  ->  -4  ->  5"
            "\n\n... and remainder:\n 122\n\t\t\t\t->  5"
            "\n\nCombined with the remainder the quotient is approximately:\n\n\t-58 - 122/168\n\n"
            "\t  or\n\n\t-58.726190476\n\n\t\t\t... to nine decimal places\n\n"
            "+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+\n"
            "+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+\n\n");
}

}  // namespace
}  // namespace nines::session
