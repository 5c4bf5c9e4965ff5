#include "arith/greedy_division.h"

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>

#include "arith/multiword.h"

namespace nines::magnitude {
namespace {

// The most decimal digits that every number of N words holds: the largest L
// with 10^L below 2^(64N), found once, while compiling, by multiplying by ten
// until a product no longer divides back.
template <std::size_t N>
constexpr int kDigitsHeld = [] {
  MultiWord<N> power = MultiWord<N>::of(1);
  for (int length = 0;; ++length) {
    const MultiWord<N> next = power.timesPlus(10, 0);
    MultiWord<N> back = next;
    back.divideBy(10);
    if (back != power) return length;
    power = next;
  }
}();
// The widths at which the differential test puts its longest dividends.
static_assert(kDigitsHeld<1> == 19 && kDigitsHeld<2> == 38 && kDigitsHeld<3> == 57 &&
              kDigitsHeld<4> == 77 && kDigitsHeld<5> >= kDigitCount);

// Nine decimal digits go into or out of one step, as 10^9 is the largest
// power of ten below 2^32.
constexpr int kGroupDigits = 9;
constexpr std::uint32_t kGroupBase = 1000000000;

template <std::size_t N>
MultiWord<N> fromDigits(View v) {
  MultiWord<N> x;
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
template <std::size_t N>
void toDigits(MultiWord<N> x, Digits& out) {
  for (int units = kDigitCount - 1; x != MultiWord<N>{}; units -= kGroupDigits) {
    std::uint32_t group = x.divideBy(kGroupBase);
    for (int i = units; i > units - kGroupDigits && i >= 0; --i) {
      out[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(group % 10);
      group /= 10;
    }
  }
}

// The search on numbers of N words, which must hold every dividend of
// a.length digits: every number of the search is at most the dividend.
template <std::size_t N>
void search(View a, View b, Digits& quotient, Digits& remainder) {
  using Number = MultiWord<N>;
  const Number dividend = fromDigits<N>(a);
  const Number divisor = fromDigits<N>(b);
  assert(Number::of(2) <= divisor && divisor + divisor <= dividend &&
         "greedyQuotient needs |b| >= 2 and 2|b| <= |a|");

  // The trials compare products with the dividend; each is decided here
  // by the part of the dividend still to cover, rest = a - Q * b, which
  // makes a trial one subtraction, kept when it borrows nothing:
  // (Q * 2) * b <= a exactly when Q * b <= rest, and (Q + P) * b <= a
  // exactly when P * b <= rest.

  // Doubling: Q := 2, then Q := Q * 2 while (Q * 2) * b <= a. Q stays a
  // power of two, so only its exponent is counted.
  int exponent = 1;
  Number qb = divisor.doubled();
  Number rest = dividend - qb;
  while (rest.subtractIfNotBelow(qb)) {
    qb = qb.doubled();
    ++exponent;
  }

  // Greedy filling by the steps P = 10^k, from the largest down to 1: Q grows
  // by P while (Q + P) * b <= a. A step whose P * b is longer than a always
  // fails, so the steps start at 10^(len a - len b). After the doubling the
  // missing part is below Q, so each step is taken at most nine times: the
  // times each is taken are the digits of what the filling adds to Q.
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
    while (rest.subtractIfNotBelow(step)) ++digit;
    assert(digit <= 9 && "each step is taken at most nine times");
  }
  const Number q = Number::powerOfTwo(exponent) + fromDigits<N>({filled, top + 1});

  toDigits(q, quotient);
  toDigits(rest, remainder);
}

// Runs the search on the narrowest numbers that hold the dividend: three
// words for 39 digits rather than the five that 80 digits need.
template <std::size_t N>
void searchOnNarrowest(View a, View b, Digits& quotient, Digits& remainder) {
  if constexpr (kDigitsHeld<N> < kDigitCount) {
    if (a.length > kDigitsHeld<N>) return searchOnNarrowest<N + 1>(a, b, quotient, remainder);
  }
  search<N>(a, b, quotient, remainder);
}

}  // namespace

void greedyQuotient(View a, View b, Digits& quotient, Digits& remainder) {
  searchOnNarrowest<1>(a, b, quotient, remainder);
}

}  // namespace nines::magnitude
