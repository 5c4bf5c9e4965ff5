// The verdicts of a checking session against arithmetic: random operands,
// each operation, and as the answer the right one worked out with GMP or the
// right one changed by a known amount. Right exactly when equal; nines finds
// an error exactly when the error (for a division, divisor times quotient
// plus remainder minus dividend) is not a multiple of 9; elevens, asked only
// when nines finds none in a wrong answer, likewise with 11.
#include <gmpxx.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "gtest/gtest.h"
#include "session/calculation.h"
#include "session/check_report.h"

namespace nines::session {
namespace {

// Random calculations, built in place: the numbers and texts of one are
// kept for the next, so that a run allocates next to nothing (which is what
// a run under the sanitizers spends most on).
class Calculations {
 public:
  explicit Calculations(unsigned seed) : random_(seed) {}

  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  // 1 to `maxDigits` digits, either sign; now and then 0 or 38 nines.
  void number(mpz_class& n, int maxDigits) {
    const int kind = pick(0, 19);
    digits_.assign(1, static_cast<char>('1' + pick(0, 8)));
    if (kind == 0) digits_ = "0";
    if (kind == 1) digits_.assign(38, '9');
    for (int i = pick(1, maxDigits); kind > 1 && i > 1; --i) {
      digits_ += static_cast<char>('0' + pick(0, 9));
    }
    mpz_set_str(n.get_mpz_t(), digits_.c_str(), 10);
    if (pick(0, 1)) n = -n;
  }

  // The right value changed as a hand might change it: by 1, by a multiple
  // of 9, of 11 or of 99, two neighbouring digits swapped, a digit dropped,
  // or replaced by any number.
  void change(mpz_class& changed, const mpz_class& right) {
    const long times = pick(1, 1'000'000) * (pick(0, 1) ? 1L : -1L);
    const int kind = pick(0, 7);
    mpz_get_str(text_.data(), 10, right.get_mpz_t());
    char* const digits = text_.data() + (right < 0 ? 1 : 0);
    const std::size_t length = std::strlen(digits);
    const std::size_t at =
        static_cast<std::size_t>(pick(0, std::max(0, static_cast<int>(length) - 2)));
    if (kind == 0) changed = right;
    if (kind == 1) changed = right + (pick(0, 1) ? 1 : -1);
    if (kind == 2) changed = right + 9 * times;
    if (kind == 3) changed = right + 11 * times;
    if (kind == 4) changed = right + 99 * times;
    if (kind == 7) number(changed, kAnswerDigitsAtMost);
    if (kind == 5 || kind == 6) {
      if (length < 2) {
        changed = right + 9;
        return;
      }
      if (kind == 5) std::swap(digits[at], digits[at + 1]);
      if (kind == 6) std::memmove(digits + at, digits + at + 1, length - at);
      mpz_set_str(changed.get_mpz_t(), text_.data(), 10);
    }
  }

  // Adds n in plain decimal.
  void appendNumber(std::string& text, const mpz_class& n) {
    text += mpz_get_str(text_.data(), 10, n.get_mpz_t());
  }

  // Adds n as typed: a sign only when negative, or "+" now and then.
  void appendTyped(std::string& line, const mpz_class& n) {
    if (n >= 0 && pick(0, 9) == 0) line += '+';
    appendNumber(line, n);
  }

  // Adds none, one or two blanks or tabs; none for a line that must be
  // short.
  void appendBlanks(std::string& line, bool none) {
    const char blank = pick(0, 3) ? ' ' : '\t';
    if (!none) line.append(static_cast<std::size_t>(pick(0, 2)), blank);
  }

 private:
  std::mt19937 random_;
  std::string digits_;
  std::array<char, kAnswerDigitsAtMost + 3> text_;
};

TEST(CheckPropertyTest, VerdictsFollowFromTheErrorModulo9And11) {
  const int seed = ::testing::UnitTest::GetInstance()->random_seed();
  std::printf("Random seed %d (replay with --gtest_random_seed=%d)\n", seed, seed);
  Calculations source(static_cast<unsigned>(seed));
  const char* const spellings[4][3] = {
      {"+", "+", "+"}, {"-", "-", "-"}, {"*", "\u00d7", "*"}, {"/", "\u00f7", ":"}};
  const char* const remainderMarks[] = {"r", "R", "rem"};
  mpz_class a, b, right, rightRemainder, answer, remainder, error, offBy;
  std::string line, expected, verdicts;
  std::ostringstream out;
  int checked = 0;
  for (int i = 0; i < 100'000 && !::testing::Test::HasFailure(); ++i) {
    const int op = i % 4;
    source.number(a, kOperandDigitsAtMost);
    source.number(b, kOperandDigitsAtMost);
    if (op == 3 && b == 0) b = 7;
    if (op == 0) right = a + b;
    if (op == 1) right = a - b;
    if (op == 2) right = a * b;
    rightRemainder = 0;
    if (op == 3) {
      mpz_tdiv_qr(right.get_mpz_t(), rightRemainder.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    }

    answer = right;
    remainder = rightRemainder;
    const int kind = source.pick(0, 9);
    if (op != 3 || (kind >= 2 && kind < 6)) {
      source.change(answer, right);
    } else if (kind == 0) {
      answer += 1;  // and a remainder one divisor less: the check still closes
      remainder -= b;
    } else if (kind == 1) {
      remainder += 9;
    } else {
      source.change(remainder, rightRemainder);
    }
    if (op == 3) {
      error = b * answer;
      error += remainder - a;
    } else {
      error = answer - right;
    }
    const bool isRight = answer == right && remainder == rightRemainder;

    // The parts in any of their spellings, with blanks; the longest lines
    // fit only without them.
    const bool remainderShown = op == 3 && (remainder != 0 || source.pick(0, 1));
    for (const bool short_ : {false, true}) {
      line.clear();
      source.appendBlanks(line, short_);
      source.appendTyped(line, a);
      source.appendBlanks(line, short_);
      line += spellings[op][source.pick(0, 2)];
      source.appendBlanks(line, short_);
      source.appendTyped(line, b);
      source.appendBlanks(line, short_);
      line += '=';
      source.appendBlanks(line, short_);
      source.appendTyped(line, answer);
      if (remainderShown) {
        source.appendBlanks(line, short_);
        line += remainderMarks[source.pick(0, 2)];
        source.appendBlanks(line, short_);
        source.appendTyped(line, remainder);
      }
      if (line.size() <= kLineCharacters) break;
    }
    const Reading reading = readCalculation(line);
    ASSERT_TRUE(std::holds_alternative<Calculation>(reading)) << line;
    out.str("");
    printJudgement(out, std::get<Calculation>(reading));

    // The verdicts, and why nines missed an error, as arithmetic has them.
    const bool ninesSees = error % 9 != 0;
    const bool elevensLooks = !ninesSees && !isRight;
    const bool elevensSees = error % 11 != 0;
    expected = ninesSees ? "Casting out nines finds an error.\n"
                         : "Casting out nines finds no error.\n";
    if (elevensLooks) {
      expected += elevensSees ? "Casting out elevens finds an error.\n"
                              : "Casting out elevens finds no error.\n";
    }
    if (isRight) {
      expected += "Your answer is right.\n";
    } else {
      expected += "Your answer is wrong: the answer is ";
      source.appendNumber(expected, right);
      if (op == 3) {
        expected += " r ";
        source.appendNumber(expected, rightRemainder);
      }
      expected += ".\n";
    }
    const char* const blindness =
        elevensSees ? "Nines cannot see it, as with swapped digits.\n"
                    : "And of 11, so neither check can see it.\n";
    const bool remainderFits =
        remainder == 0 || (a != 0 && sgn(remainder) == sgn(a) &&
                           mpz_cmpabs(remainder.get_mpz_t(), b.get_mpz_t()) < 0);
    if (elevensLooks && op != 3) {
      offBy = abs(error);
      expected += "Your answer is off by ";
      source.appendNumber(expected, offBy);
      expected += ", a multiple of 9.\n";
      expected += blindness;
    }
    if (elevensLooks && op == 3 && error != 0) {
      expected += "Divisor times quotient plus remainder is off\n"
                  "by a multiple of 9.\n";
      expected += blindness;
    }
    if (elevensLooks && op == 3 && !remainderFits) {
      expected += mpz_cmpabs(remainder.get_mpz_t(), b.get_mpz_t()) >= 0
                      ? "Your remainder is as large as the divisor:\n"
                        "it must be smaller.\n"
                      : "Your remainder must have the dividend's sign,\n"
                        "or be 0.\n";
    }

    // What the judgement says after its check lines: the verdict of nines,
    // that of elevens if any, and all from the answer's verdict on.
    const std::string_view shown = out.view();
    const std::size_t nines = shown.find("\nCasting out nines finds ");
    const std::size_t elevens = shown.find("\nCasting out elevens finds ", nines);
    const std::size_t answerVerdict = shown.find("\nYour answer is ", nines);
    ASSERT_NE(answerVerdict, std::string::npos) << line << "\n" << shown;
    verdicts.assign(shown.substr(nines + 1, shown.find('\n', nines + 1) - nines));
    if (elevens != std::string::npos) {
      verdicts.append(shown.substr(elevens + 1, shown.find('\n', elevens + 1) - elevens));
    }
    verdicts.append(shown.substr(answerVerdict + 1));
    ASSERT_EQ(verdicts, expected) << line;
    ++checked;
  }
  std::printf("Checked %d calculations\n", checked);
  EXPECT_EQ(checked, 100'000);
}

}  // namespace
}  // namespace nines::session
