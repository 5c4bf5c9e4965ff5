#include "session/quotient_approximation.h"

#include <array>
#include <cassert>
#include <cstddef>
#include <string_view>

#include "arith/text.h"

namespace nines::session {
namespace {

constexpr std::string_view kCombined = "Combined with the remainder the quotient is";
constexpr std::string_view kNote = "... to nine decimal places";

// The digits of `value` from index `first` to index `last`, read as a
// number; indices before the value's own leading digit count as 0.
std::int32_t readDigits(const DecimalInteger& value, int first, int last) {
  std::int32_t number = 0;
  for (int i = first; i <= last; ++i) number = number * 10 + value.digitAt(i);
  return number;
}

// The texts that differ between the console and the file.
struct Layout {
  std::string_view beforeHeading;
  std::string_view negativeJoiner;
  std::string_view betweenForms;
  std::string_view afterDigits;
  std::string_view noteBefore;
  std::string_view noteAfter;
};

constexpr Layout kConsole = {
    "\n",
    "  -  ",
    "\n\t  or\n\t",
    "\n",
    "\n\t\t\t",
    "",
};

constexpr Layout kFile = {
    "\n\n",
    " - ",
    "\n\n\t  or\n\n\t",
    "\n\n",
    "\t\t\t",
    "\n\n",
};

// Appends the magnitude of `value` as a plain decimal integer: "0" for zero.
void appendMagnitude(Text& text, const DecimalInteger& value) {
  const int length = value.countSignificantDigits();
  if (length == 0) {
    text << '0';
    return;
  }
  std::array<char, kDigitCount> digits;
  for (int i = 0; i < length; ++i) {
    digits[static_cast<std::size_t>(i)] =
        static_cast<char>('0' + value.digitAt(kDigitCount - length + i));
  }
  text << std::string_view(digits.data(), static_cast<std::size_t>(length));
}

// The leading zeros that put the nine places in position.
std::string_view leadingZeros(std::int32_t nineDigits) {
  if (nineDigits == 0) return "";
  std::int32_t bound = 10;
  std::string_view zeros = "00000000";
  while (nineDigits >= bound && !zeros.empty()) {
    bound *= 10;
    zeros.remove_suffix(1);
  }
  return zeros;
}

// The heading of the combined quotient, approximate or not, and the tab
// that the quotient follows.
Text heading(const Layout& layout, bool inexact) {
  Text text;
  text << layout.beforeHeading << kCombined << (inexact ? " approximately:" : ":") << "\n\n\t";
  return text;
}

std::int32_t withoutTrailingZeros(std::int32_t nineDigits) {
  for (std::int32_t divisor = 100000000; divisor >= 10; divisor /= 10) {
    if (nineDigits % divisor == 0) nineDigits /= divisor;
  }
  return nineDigits;
}

// Heading, quotient, joiner, fraction, then the decimal and its note.
void writeMixedAndDecimal(std::ostream& out, const PairAnswers& answers,
                          const QuotientApproximation& approximation, const Layout& layout) {
  const DecimalInteger& q = answers.quotient;
  out << heading(layout, approximation.inexact) << q;
  // The bar widens from a divisor of 100000, six digits.
  Text fraction;
  fraction << (q < 0 ? layout.negativeJoiner : "  +  ");
  appendMagnitude(fraction, answers.remainder);
  fraction << (answers.second.countSignificantDigits() <= 5 ? "/" : " / ");
  appendMagnitude(fraction, answers.second);
  out << (fraction << layout.betweenForms);

  // The integral part is the quotient unless its magnitude is zero; a zero
  // with flag 0 still shows its sign.
  if (!q.isZero()) {
    out << q;
  } else if (q < 0) {
    out << "- ";
  }
  Text places;
  places << "." << leadingZeros(approximation.nineDigits)
         << withoutTrailingZeros(approximation.nineDigits) << layout.afterDigits;
  if (approximation.inexact) places << layout.noteBefore << kNote << layout.noteAfter;
  out << places;
}

}  // namespace

QuotientApproximation approximateQuotient(const PairAnswers& answers) {
  QuotientApproximation approximation{0, false};
  if (answers.second.isZero()) return approximation;

  const int divisorLength = answers.second.countSignificantDigits();
  if (divisorLength >= 10) {
    // Beyond a 32-bit number: the places are |remainder| * 10^9 / |divisor|
    // in the value type's own arithmetic, exact, and the decimal goes on
    // after them exactly when that division leaves a remainder. (The signs
    // change neither the magnitudes nor whether anything remains.)
    const DecimalInteger::Division places =
        (answers.remainder * DecimalInteger(1000000000)).divide(answers.second);
    approximation.nineDigits = readDigits(places.quotient, kDigitCount - 9, kDigitCount - 1);
    approximation.inexact = !places.remainder.isZero();
    return approximation;
  }

  // |remainder| < |divisor|, so both are read whole over the divisor's
  // places.
  const int first = kDigitCount - divisorLength;
  const std::int32_t divisor = readDigits(answers.second, first, kDigitCount - 1);
  const std::int32_t remainder = readDigits(answers.remainder, first, kDigitCount - 1);
  // Each step is rounded to a double before the next: the places depend on
  // it (12345 / 100000000 gives .000123449). A volatile store makes even an
  // FPU that keeps wider registers, such as the x87, round there.
  const volatile double ratio = static_cast<double>(remainder) / divisor;
  const volatile double scaled = ratio * 1000000000.0;
  // The remainder is below a divisor below 10^9, so the ratio is at most
  // 1 - 10^-9 and, rounded twice, the product at most 999999999.
  assert(scaled < 1000000000.0 && "nine places are at most all nines");
  approximation.nineDigits = static_cast<std::int32_t>(scaled);
  // The places are cut, not rounded, so the decimal is only as exact as they
  // show. It is called exact when its last two places are zeros, as a decimal
  // that has ended shows them; one whose repeating part has zeros there, such
  // as 1/99999, is called exact too.
  approximation.inexact = approximation.nineDigits % 100 != 0;
  return approximation;
}

void printApproximation(std::ostream& out, const PairAnswers& answers,
                        const QuotientApproximation& approximation, std::time_t seconds) {
  if (answers.second.isZero()) {
    out << heading(kConsole, /*inexact=*/false);
    if (seconds % 4 == 0) {
      out << "the gods are angry...";
    } else {
      out << answers.quotient;
    }
    return;
  }
  writeMixedAndDecimal(out, answers, approximation, kConsole);
}

void writeApproximation(std::ostream& out, const PairAnswers& answers,
                        const QuotientApproximation& approximation) {
  if (answers.second.isZero()) {
    out << (Text() << kFile.beforeHeading << kCombined << " undefined\n\n");
    return;
  }
  writeMixedAndDecimal(out, answers, approximation, kFile);
}

}  // namespace nines::session
