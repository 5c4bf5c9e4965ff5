// Checking sessions run in-process, typed by hand: the heading, one
// calculation for each verdict, each refusal, the ways a session ends, and
// the failures it tells.
#include "session/check_session.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "tests/fake_world.h"

namespace nines::session {
namespace {

const std::string kHeading =
    "Check your own working. Type a calculation\n"
    "a line, as A op B = C; nines checks it by\n"
    "casting out nines and says whether your\n"
    "answer is right. For example:\n"
    "\n"
    "    9866 * -168 = -1657488\n"
    "    9866 / -168 = -58 r 122\n"
    "\n"
    "A and B have up to 38 digits, with a sign if\n"
    "you like; op is + - * or / (or \u00d7 \u00f7 :); a\n"
    "division's remainder follows r.\n"
    "Type x to finish.\n";
const std::string kPrompt = "\n> ";
const std::string kEnd = kPrompt + "\n";

const std::string kRight = "Casting out nines finds no error.\nYour answer is right.\n";
const std::string kWrongBy322 = "Your answer is wrong: the answer is 322.\n";

enum class Fault { kNone, kReadError, kConsoleRefuses };

// `shown` is all the session writes after its heading when `whole`, else a
// part of it.
struct CheckCase {
  std::string typed;
  std::string shown;
  bool whole = true;
  Fault fault = Fault::kNone;
  int status = 0;
  std::string err = "";
};

void expectRefusal(std::vector<CheckCase>& cases, std::vector<std::string> lines,
                   const std::string& refusal) {
  for (const std::string& line : lines) {
    cases.push_back({line + "\n", kPrompt + refusal + "\n" + kEnd});
  }
}

TEST(CheckSessionTest, VerdictsRefusalsEndsAndFailures) {
  std::vector<CheckCase> cases = {
      // A whole judgement: the operands and the answer, each with its chain,
      // and the check line of the dialogue's report.
      {"9866 + -168 = 9698\nx\n",
       kPrompt +
           "\nThe first operand is:\n 9866\n\t\t\t\t\t->  29  ->  11  ->  2\n"
           "\nThe second operand is:\n-168\n\t\t\t\t\t->  -15  ->  -6  ->  3\n"
           "\nYour answer is:\n 9698\n\t\t\t\t\t->  32  ->  5,\n\t\t\t\t\twhich = 2 + 3.\n\n" +
           kRight + kEnd},
      {"23 * 14 = 332",
       " 332\n\t\t\t\t\t->  8,\n\t\t\t\t\twhich = (5 * 5)  ->  25  ->  7.\n\n"
       "Casting out nines finds an error.\n" + kWrongBy322 + kEnd,
       false},
      // Two digits swapped: elevens sees it.
      {"23 * 14 = 232",
       " 232\n\t\t\t\t\t->  7,\n\t\t\t\t\twhich = (5 * 5)  ->  25  ->  7.\n\n"
       "Casting out nines finds no error.\n\n"
       "Casting out elevens (units +, tens -, ...):\n"
       " 23\n\t\t\t\t\t->  1\n 14\n\t\t\t\t\t->  3\n 232\n\t\t\t\t\t->  1,\n"
       "\t\t\t\t\twhich = 1 * 3.\n\n"
       "Casting out elevens finds an error.\n" + kWrongBy322 +
       "Your answer is off by 90, a multiple of 9.\n"
       "Nines cannot see it, as with swapped digits.\n" + kEnd,
       false},
      // Off by 99: neither sees it.
      {"23 * 14 = 421",
       " 421\n\t\t\t\t\t->  3,\n\t\t\t\t\twhich = 1 * 3.\n\n"
       "Casting out elevens finds no error.\n" + kWrongBy322 +
       "Your answer is off by 99, a multiple of 9.\n"
       "And of 11, so neither check can see it.\n" + kEnd,
       false},
      {"9866 / -168 = -58 r 122",
       "\nYour quotient is:\n-58\n\t\t\t\t\t->  -13  ->  -4  ->  5\n"
       "\nwith a remainder of:\n 122\n\t\t\t\t\t->  5,\n"
       "\t\t\t\t\tand 2 = ( 3 * 5 ) + 5 -> ( 6 + 5 )\n\n" + kRight,
       false},
      {"100 / 7 = 14 r 3",
       "\t\t\t\t\tand 1 = ( 7 * 5 ) + 3 -> ( 8 + 3 )\n\n"
       "Casting out nines finds an error.\n"
       "Your answer is wrong: the answer is 14 r 2.\n" + kEnd,
       false},
      // A remainder as large as the divisor closes both checks.
      {"100 / 7 = 13 r 9",
       "\t\t\t\t\tand 1 = ( 7 * 2 ) + 9 -> ( 3 + 9 )\n\n"
       "Casting out elevens finds no error.\n"
       "Your answer is wrong: the answer is 14 r 2.\n"
       "Your remainder is as large as the divisor:\n"
       "it must be smaller.\n" + kEnd,
       false},
      // Rounded down, not toward zero.
      {"-7 / 2 = -4 r 1",
       "Your answer is wrong: the answer is -3 r -1.\n"
       "Your remainder must have the dividend's sign,\n"
       "or be 0.\n" + kEnd,
       false},
      // No remainder is a remainder of 0.
      {"100 / 7 = 13",
       "\nwith a remainder of:\n0 \n\t\t\t\t\t->  0,\n"
       "\t\t\t\t\tand 1 = ( 7 * 4 ) + 0 -> ( 1 + 0 )\n\n"
       "Casting out nines finds no error.\n\n"
       "Casting out elevens (units +, tens -, ...):\n"
       " 100\n\t\t\t\t\t->  1\n 7\n\t\t\t\t\t->  7\n 13\n\t\t\t\t\t->  2\n0 \n\t\t\t\t\t->  0,\n"
       "\t\t\t\t\tand 1 = ( 7 * 2 ) + 0 -> ( 3 + 0 )\n\n"
       "Casting out elevens finds an error.\n"
       "Your answer is wrong: the answer is 14 r 2.\n"
       "Divisor times quotient plus remainder is off\n"
       "by a multiple of 9.\n"
       "Nines cannot see it, as with swapped digits.\n" + kEnd,
       false},
      // The end of input ends a session, even in the middle of a line.
      {"", kEnd},
      {"x\n23 * 14 = 322\n", kEnd},
      {"  x  ", kEnd},
      {"23 * 14 = 322", kRight + kEnd, false},
      // A read error ends it as the end of input would, after the line read.
      {"23 * 14 = 3", "Casting out nines finds an error.\n" + kWrongBy322 + kEnd, false,
       Fault::kReadError, 1,
       "Input could not be read\n"},
      {"23 * 14 = 322\n23 * 14 = 322\n", "", false, Fault::kConsoleRefuses, 1,
       "Output could not be written\n"},
  };
  // Every way of writing a calculation, and zeros that are right whatever
  // their sign.
  const std::vector<std::string> written = {
      "100\u00f77=14R2", " 100 : 7 = 14 rem 2", "100/7=14r2", "\t23 \u00d7 14 = +322 \r",
      "5--3=8", "- 5 - 3 = -8", "-5 + 5 = 0", "5 - 5 = -0", "-1 / 3 = 0 r -1", "0 * -7 = 0",
      std::string(199, ' ') + "x"};
  for (const std::string& line : written) {
    cases.push_back({line + "\n", line.ends_with('x') ? kEnd : kRight + kEnd, false});
  }
  expectRefusal(cases, {std::string(201, '1'), std::string(10'000, ' ')},
                "Too long: type at most 200 characters.");
  expectRefusal(cases, {std::string("1 + 1 = 2\0", 10), "1 + 1 = 2\r\r", "\x7f", "1 \xff= 2",
                        "\xc3", "\xe0\x80\x80", "\xed\xa0\x80", "\xf4\x90\x80\x80"},
                "That line is not all text: type it again.");
  expectRefusal(cases, {" \t "}, "Type a calculation, as 23 * 14 = 322, or x.");
  expectRefusal(cases, {"3 + 4", "3 = 7", "= 7", "3 + = 7", "3 + 4 + 5 = 12", "3 + 4 = 7 = 7",
                        "3 * 4 = 12 r 0", "100 / 7 = 14 r", "--3 + 1 = -2", "3 + 4 = 7 ok"},
                "A part is missing or misplaced: A op B = C.");
  expectRefusal(cases, {"3 x 4 = 12", "3 ^ 2 = 9", "3 \u2212 1 = 2", "2 \u00b7 3 = 6"},
                "Unknown operation: use + - * / (or \u00d7 \u00f7 :).");
  expectRefusal(cases, {"1,234 + 1 = 1235", "1.5 + 1 = 2.5", "1 234 + 1 = 1235",
                        "1 + 1 = 1'000", "100 / 7 = 14 2"},
                "No commas, points or blanks: write 1234567.");
  expectRefusal(cases, {"12a4 + 1 = 1205", "x + 1 = 1", "X", "3 + four = 7", "3 + 4 = 7ok",
                        "\u22123 + 1 = -2", "100 / 7 = 14 rest 2"},
                "A number has a letter or mark: digits only.");
  expectRefusal(cases, {std::string(39, '9') + " + 1 = 1", "1 - " + std::string(39, '1') + " = 0",
                        "1 + 1 = " + std::string(78, '0'), "1 / 1 = 1 r " + std::string(78, '0')},
                "Too many digits: A, B up to 38, C up to 77.");
  expectRefusal(cases, {"7 / 0 = 0", "7 : -00 = 1", "7 \u00f7 +0 = x"},
                "No division by 0: divide by another number.");

  for (const CheckCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.typed.substr(0, 60)));
    std::stringbuf typed(c.typed);
    testing::InputThatFails failing(c.typed);
    std::istream in(c.fault == Fault::kReadError ? static_cast<std::streambuf*>(&failing) : &typed);
    std::stringbuf console;
    testing::RefusingSink refusing;
    std::ostream out(c.fault == Fault::kConsoleRefuses ? static_cast<std::streambuf*>(&refusing)
                                                       : &console);
    std::ostringstream err;
    EXPECT_EQ(runCheckSession(in, out, err), c.status);
    EXPECT_EQ(err.str(), c.err);
    const std::string shown = console.str();
    if (c.fault == Fault::kConsoleRefuses) continue;
    ASSERT_TRUE(shown.starts_with(kHeading + kPrompt)) << shown;
    if (c.whole) {
      EXPECT_EQ(shown.substr(kHeading.size()), c.shown);
    } else {
      EXPECT_NE(shown.find(c.shown), std::string::npos) << shown;
    }
    // The page shows 46 columns on a 360 px phone: the words fit there
    // whole (a chain, after its tabs, follows the page's narrower stops).
    std::istringstream lines(shown);
    for (std::string line; std::getline(lines, line);) {
      const auto characters = std::count_if(line.begin(), line.end(),
                                            [](char byte) { return (byte & 0xC0) != 0x80; });
      if (!line.starts_with('\t')) {
        EXPECT_LE(characters, 46) << line;
      }
    }
  }
}

}  // namespace
}  // namespace nines::session
