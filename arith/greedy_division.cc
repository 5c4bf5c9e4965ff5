#include "arith/greedy_division.h"

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>

#include "arith/multiword.h"

namespace nines::magnitude {
namespace {

// Every number of the search is at most the dividend, below 10^80, which
// five 64-bit words hold.
using Number = MultiWord<5>;
static_assert([] {
  // Ten times a number below 2^316 cannot wrap.
  Number power = Number::of(1);
  for (int k = 0; k < kDigitCount; ++k) {
    if (power.words[0] >> 60 != 0) return false;
    power = power.timesPlus(10, 0);
  }
  return true;
}(), "10^80 must fit the search's numbers");

// Nine decimal digits go into or out of one step, as 10^9 is the largest
// power of ten below 2^32.
constexpr int kGroupDigits = 9;
constexpr std::uint32_t kGroupBase = 1000000000;

Number fromDigits(View v) {
  Number x;
  int i = kDigitCount - v.length;
  // A first group of (length mod 9) digits, then whole groups.
  int groupEnd = i + (v.length % kGroupDigits == 0 ? kGroupDigits : v.length % kGroupDigits);
  for (; i < kDigitCount; groupEnd += kGroupDigits) {
    std::uint32_t group = 0;
    std::uint32_t scale = 1;
    for (; i < groupEnd; ++i) {
      group = group * 10 + static_cast<std::uint32_t>(v.digits[static_cast<std::size_t>(i)]);
      scale *= 10;
    }
    x = x.timesPlus(scale, group);
  }
  return x;
}

// Writes x into an all-zero digit array, its units at the last index; every
// group but the top one is written whole, so zeros inside the number are too.
void toDigits(Number x, Digits& out) {
  for (int units = kDigitCount - 1; x != Number{}; units -= kGroupDigits) {
    std::uint32_t group = x.divideBy(kGroupBase);
    for (int i = units; i > units - kGroupDigits && i >= 0; --i) {
      out[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(group % 10);
      group /= 10;
    }
  }
}

}  // namespace

void greedyQuotient(View a, View b, Digits& quotient, Digits& remainder) {
  const Number dividend = fromDigits(a);
  const Number divisor = fromDigits(b);
  assert(Number::of(2) <= divisor && divisor + divisor <= dividend &&
         "greedyQuotient needs |b| >= 2 and 2|b| <= |a|");

  // The trials compare products with the dividend; each is decided here
  // by the part of the dividend still to cover, rest = a - Q * b, which
  // makes a trial one comparison and a successful one a subtraction:
  // (Q * 2) * b <= a exactly when Q * b <= rest, and (Q + P) * b <= a
  // exactly when P * b <= rest.

  // Doubling: Q := 2, then Q := Q * 2 while (Q * 2) * b <= a.
  Number q = Number::of(2);
  Number qb = divisor + divisor;
  Number rest = dividend - qb;
  while (qb <= rest) {
    rest = rest - qb;
    qb = qb + qb;
    q = q + q;
  }

  // Greedy filling by the steps P = 10^k, from the largest down to 1: Q grows
  // by P while (Q + P) * b <= a. A step whose P * b is longer than a always
  // fails, so the steps start at 10^(len a - len b); for a dividend of up to
  // 39 digits that is 10^38 or less. After the doubling the missing part is
  // below Q, so each step is taken at most nine times: the times each is
  // taken are the digits of what the filling adds to Q.
  const int top = a.length - b.length;
  std::array<Number, kDigitCount> stepTimesDivisor;
  stepTimesDivisor[0] = divisor;
  for (int k = 1; k <= top; ++k) {
    const auto i = static_cast<std::size_t>(k);
    stepTimesDivisor[i] = stepTimesDivisor[i - 1].timesPlus(10, 0);
  }
  Digits filled{};
  for (int k = top; k >= 0; --k) {
    const Number& step = stepTimesDivisor[static_cast<std::size_t>(k)];
    std::int16_t& digit = filled[static_cast<std::size_t>(kDigitCount - 1 - k)];
    while (step <= rest) {
      rest = rest - step;
      ++digit;
    }
  }
  q = q + fromDigits({filled, top + 1});

  toDigits(q, quotient);
  toDigits(rest, remainder);
}

}  // namespace nines::magnitude
