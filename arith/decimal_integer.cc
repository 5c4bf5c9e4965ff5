// Construction, the chain rule, the sentinels and comparison.
#include "arith/decimal_integer.h"

#include <cstddef>
#include <cstring>

#include "arith/magnitude.h"

namespace nines {
namespace {

constexpr const char* kUndefinedText =
    "99999999999999999999999999999999999999999999999999999999999999999999999999999999";
constexpr const char* kOutOfRangeText =
    "99999999999999999999999999999999999999999999999999999999999999999999999999999998";

// Classifies a byte as an ASCII decimal digit without the locale (and without
// the undefined behaviour of isdigit on a negative char).
bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// Sum of the decimal digits of n (n >= 0) up to the given number of places.
int sumOfLowDigits(int n, int places) {
  int sum = 0;
  for (int i = 0; i < places; ++i) {
    sum += n % 10;
    n /= 10;
  }
  return sum;
}

}  // namespace

DecimalInteger::DecimalInteger(const char* text) : DecimalInteger(fromText(text)) {}

DecimalInteger DecimalInteger::fromText(const char* text) {
  // The digit places start after an optional leading blank, "+" or "-"; any
  // other non-digit first byte makes the value zero.
  int flag = 1;
  const char* places = text;
  if (text[0] == ' ' || text[0] == '+') {
    places = text + 1;
  } else if (text[0] == '-') {
    flag = 0;
    places = text + 1;
  } else if (!isDecimalDigit(text[0])) {
    places = "";
  }

  // Places beyond the record count only if they hold a nonzero digit, which
  // overflows it.
  const std::size_t length = std::strlen(places);
  const std::size_t excess = length > kDigitCount ? length - kDigitCount : 0;
  for (std::size_t i = 0; i < excess; ++i) {
    if (isDecimalDigit(places[i]) && places[i] != '0') {
      return arithmeticResult(outOfRange().digits, 1);
    }
  }
  // The rest are right-aligned, the last at index 79; a non-digit is 0.
  Digits placed{};
  const std::size_t first = kDigitCount - (length - excess);
  for (std::size_t i = excess; i < length; ++i) {
    const char c = places[i];
    placed[first + i - excess] = static_cast<std::int16_t>(isDecimalDigit(c) ? c - '0' : 0);
  }
  return DecimalInteger(placed, flag);
}

DecimalInteger::DecimalInteger(std::int32_t n) : digits{}, nonNegative(n >= 0 ? 1 : 0) {
  // Widened so that the magnitude of INT32_MIN is representable.
  std::int64_t magnitude = n < 0 ? -static_cast<std::int64_t>(n) : n;
  for (int i = kDigitCount - 1; magnitude != 0; --i) {
    digits[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(magnitude % 10);
    magnitude /= 10;
  }
  applyChainRule();
}

DecimalInteger::DecimalInteger(const Digits& magnitudeDigits, int sign)
    : digits(magnitudeDigits), nonNegative(static_cast<std::uint8_t>(sign)) {
  applyChainRule();
}

DecimalInteger DecimalInteger::arithmeticResult(const Digits& resultDigits, int sign) {
  DecimalInteger result(resultDigits, sign);
  if (result.isOutOfRange()) result.residue = 0;
  return result;
}

DecimalInteger& DecimalInteger::operator=(const DecimalInteger& other) {
  if (this == &other) return *this;
  digits = other.digits;
  nonNegative = other.nonNegative;
  applyChainRule();
  return *this;
}

void DecimalInteger::applyChainRule() {
  significantDigits = static_cast<std::int16_t>(magnitude::significantLength(digits));
  // The digits before the significant ones are zeros and add nothing.
  int sum = 0;
  for (int i = kDigitCount - significantDigits; i < kDigitCount; ++i) {
    sum += digits[static_cast<std::size_t>(i)];
  }

  // At most 720, so four places suffice for the first sum, and the fourth
  // member is always a single digit.
  const int sum2 = sum > 9 ? sumOfLowDigits(sum, 4) : 0;
  const int sum3 = sum2 > 9 ? sumOfLowDigits(sum2, 3) : 0;
  const int sum4 = sum3 > 9 ? sumOfLowDigits(sum3, 2) : 0;
  const int single = sum <= 9 ? sum : sum2 <= 9 ? sum2 : sum3 <= 9 ? sum3 : sum4;

  const int sign = nonNegative ? 1 : -1;
  digitSum = static_cast<std::int16_t>(sign * sum);
  digitSum2 = static_cast<std::int16_t>(sign * sum2);
  digitSum3 = static_cast<std::int16_t>(sign * sum3);
  digitSum4 = static_cast<std::int16_t>(sign * sum4);
  singleDigit = static_cast<std::int16_t>(sign * single);
  // 9 and -9 cast out to 0; a negative digit is brought into 0..8.
  residue = static_cast<std::int16_t>(single == 9 ? 0 : singleDigit < 0 ? singleDigit + 9 : singleDigit);
}

int DecimalInteger::countSignificantDigits() const { return significantDigits; }

DecimalInteger DecimalInteger::undefined() { return DecimalInteger(kUndefinedText); }

DecimalInteger DecimalInteger::outOfRange() { return DecimalInteger(kOutOfRangeText); }

bool DecimalInteger::isUndefined() const {
  static const DecimalInteger kUndefined = undefined();
  return significantDigits == kDigitCount && digits == kUndefined.digits;
}

bool DecimalInteger::isOutOfRange() const {
  static const DecimalInteger kOutOfRange = outOfRange();
  return nonNegative == 1 && significantDigits == kDigitCount &&
         digits == kOutOfRange.digits;
}

bool DecimalInteger::operator==(const DecimalInteger& other) const {
  return nonNegative == other.nonNegative && digits == other.digits;
}

std::strong_ordering DecimalInteger::operator<=>(const DecimalInteger& other) const {
  // The sign flag decides first: every value with flag 0 is below every value
  // with flag 1, zeros included.
  if (nonNegative != other.nonNegative) {
    return nonNegative < other.nonNegative ? std::strong_ordering::less
                                           : std::strong_ordering::greater;
  }
  const int byMagnitude = magnitude::compare({digits, significantDigits},
                                             {other.digits, other.significantDigits});
  const int order = nonNegative ? byMagnitude : -byMagnitude;
  return order < 0 ? std::strong_ordering::less
         : order > 0 ? std::strong_ordering::greater
                     : std::strong_ordering::equal;
}

}  // namespace nines
