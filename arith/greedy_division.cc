#include "arith/greedy_division.h"

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>

#include "arith/multiword.h"

namespace nines::magnitude {
namespace {

using u64 = std::uint64_t;

constexpr int kSteps = 39;  // 10^38 down to 10^0

// Arithmetic the search needs, for each number type: besides +, - (x >= y)
// and <=, fromSmall, timesTenPlus and toDigits, which writes a number into
// an all-zero digit array with its units at the last index.
template <class Number>
struct Ops;

// Every number of the search is below 2 * 10^39: a, Q * b <= a, and a trial
// sum Q * b + P * b whose P * b has no more digits than a. Below 10^38 that
// fits 128 bits (Narrow); a 39-digit dividend needs a third 64-bit word,
// below 8 as 2 * 10^39 < 2^131 (Broad).

// Two or three 64-bit words in standard C++, for every compiler.
template <std::size_t N>
struct Ops<MultiWord<N>> {
  static constexpr MultiWord<N> fromSmall(u64 n) { return MultiWord<N>::of(n); }
  static constexpr MultiWord<N> timesTenPlus(const MultiWord<N>& x, unsigned digit) {
    return x.timesTenPlus(digit);
  }
  // Nine digits at a time, as 10^9 is the largest power of ten that divideBy
  // takes; every group is written whole, so zeros inside the number are too.
  static void toDigits(MultiWord<N> x, Digits& out) {
    for (int units = kDigitCount - 1; x != MultiWord<N>{}; units -= 9) {
      std::uint32_t group = x.divideBy(1000000000U);
      for (int i = units; i > units - 9; --i) {
        out[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(group % 10);
        group /= 10;
      }
    }
  }
};

#if defined(__SIZEOF_INT128__) && !defined(NINES_PORTABLE_WORDS)

// The program's one compiler extension: GCC and Clang's 128-bit integer,
// which they add and compare in a pair of instructions, makes the search
// nearly twice as fast. __extension__ keeps -Wpedantic quiet about it.
// Elsewhere, or with NINES_PORTABLE_WORDS defined, the search runs on
// MultiWord.
__extension__ typedef unsigned __int128 u128;

constexpr u64 kTenToThe19 = 10000000000000000000ULL;

// Writes the digits of x < 10^38 with its units at index `units`: the low 19
// digits always (zeros included), then the rest until it runs out. One
// 128-bit division splits x; each half is written with 64-bit arithmetic.
void writeDigits(u128 x, int units, Digits& out) {
  const u128 upper = x / kTenToThe19;
  u64 low = static_cast<u64>(x - upper * kTenToThe19);
  u64 high = static_cast<u64>(upper);
  int i = units;
  for (; i > units - 19; --i) {
    out[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(low % 10);
    low /= 10;
  }
  for (; high != 0; --i) {
    out[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(high % 10);
    high /= 10;
  }
}

// 128 plus 64 bits, for a 39-digit dividend.
struct Wide {
  u128 low;
  u64 high;

  friend constexpr Wide operator+(const Wide& x, const Wide& y) {
    const u128 low = x.low + y.low;
    return {low, x.high + y.high + (low < x.low ? 1 : 0)};
  }
  // Requires x >= y.
  friend constexpr Wide operator-(const Wide& x, const Wide& y) {
    return {x.low - y.low, x.high - y.high - (x.low < y.low ? 1 : 0)};
  }
  friend constexpr bool operator<=(const Wide& x, const Wide& y) {
    return x.high != y.high ? x.high < y.high : x.low <= y.low;
  }
};

template <>
struct Ops<u128> {
  static constexpr u128 fromSmall(u64 n) { return n; }
  static constexpr u128 timesTenPlus(u128 x, unsigned digit) { return x * 10 + digit; }
  static void toDigits(u128 x, Digits& out) { writeDigits(x, kDigitCount - 1, out); }
};

template <>
struct Ops<Wide> {
  static constexpr Wide fromSmall(u64 n) { return {n, 0}; }
  // Ten times each 64-bit half, the carries passed up.
  static constexpr Wide timesTenPlus(const Wide& x, unsigned digit) {
    const u128 bottom = static_cast<u128>(static_cast<u64>(x.low)) * 10 + digit;
    const u128 middle = static_cast<u128>(static_cast<u64>(x.low >> 64)) * 10 + (bottom >> 64);
    return {(middle << 64) | static_cast<u64>(bottom),
            x.high * 10 + static_cast<u64>(middle >> 64)};
  }
  // x = upper * 10^19 + lowest by long division of its three words by 10^19;
  // upper < 2 * 10^20 then fits writeDigits.
  static void toDigits(const Wide& x, Digits& out) {
    const u128 top = (static_cast<u128>(x.high) << 64) | static_cast<u64>(x.low >> 64);
    const u128 upperHigh = top / kTenToThe19;
    const u128 middle = ((top - upperHigh * kTenToThe19) << 64) | static_cast<u64>(x.low);
    const u128 upperLow = middle / kTenToThe19;
    writeDigits(middle - upperLow * kTenToThe19, kDigitCount - 1, out);
    const u128 upper = (upperHigh << 64) + upperLow;
    if (upper != 0) writeDigits(upper, kDigitCount - 20, out);
  }
};

using Narrow = u128;
using Broad = Wide;

#else

using Narrow = MultiWord<2>;
using Broad = MultiWord<3>;

#endif

template <class Number>
Number fromDigits(View v) {
  Number x = Ops<Number>::fromSmall(0);
  for (int i = kDigitCount - v.length; i < kDigitCount; ++i) {
    x = Ops<Number>::timesTenPlus(x, static_cast<unsigned>(v.digits[static_cast<std::size_t>(i)]));
  }
  return x;
}

// 10^k for k = 0..38.
template <class Number>
constexpr std::array<Number, kSteps> kPowersOfTen = [] {
  std::array<Number, kSteps> p{};
  p[0] = Ops<Number>::fromSmall(1);
  for (std::size_t k = 1; k < kSteps; ++k) p[k] = Ops<Number>::timesTenPlus(p[k - 1], 0);
  return p;
}();

// The search itself. A trial's product (Q + P) * b is kept as Q * b + P * b:
// Q * b is carried along from the last successful trial and P * b comes from
// a table, so a trial costs one addition and one comparison and is exact.
template <class Number>
void search(View a, View b, Digits& quotient, Digits& remainder) {
  const Number dividend = fromDigits<Number>(a);
  const Number divisor = fromDigits<Number>(b);
  assert(Ops<Number>::fromSmall(2) <= divisor && divisor + divisor <= dividend &&
         "greedyQuotient needs |b| >= 2 and 2|b| <= |a|");

  // Doubling: Q := 2, then Q := Q * 2 while (Q * 2) * b <= a. Each trial's
  // product becomes Q * b when the trial succeeds.
  Number q = Ops<Number>::fromSmall(2);
  Number qb = divisor + divisor;
  for (Number trial = qb + qb; trial <= dividend; trial = qb + qb) {
    q = q + q;
    qb = trial;
  }

  // Greedy filling over the steps 10^38 .. 10^0. A step P with P * b longer
  // than a always fails its trial, so only the steps from 10^top down are
  // tried; their products P * b are b shifted by k places.
  const int top = a.length - b.length;
  Number stepTimesDivisor[kSteps];
  stepTimesDivisor[0] = divisor;
  for (int k = 1; k <= top; ++k) {
    stepTimesDivisor[k] = Ops<Number>::timesTenPlus(stepTimesDivisor[k - 1], 0);
  }
  for (int k = top; k >= 0; --k) {
    const Number& step = kPowersOfTen<Number>[static_cast<std::size_t>(k)];
    for (Number trial = qb + stepTimesDivisor[k]; trial <= dividend;
         trial = qb + stepTimesDivisor[k]) {
      q = q + step;
      qb = trial;
    }
  }

  Ops<Number>::toDigits(q, quotient);
  Ops<Number>::toDigits(dividend - qb, remainder);
}

}  // namespace

void greedyQuotient(View a, View b, Digits& quotient, Digits& remainder) {
  assert(a.length <= kSearchDigits && "greedyQuotient needs |a| < 10^39");
  if (a.length <= 38) {
    search<Narrow>(a, b, quotient, remainder);
  } else {
    search<Broad>(a, b, quotient, remainder);
  }
}

}  // namespace nines::magnitude
