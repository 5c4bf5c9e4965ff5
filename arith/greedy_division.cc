#include "arith/greedy_division.h"

#include <cassert>
#include <cstddef>
#include <cstdint>

namespace nines::magnitude {
namespace {

using u64 = std::uint64_t;
// A GCC and Clang extension; __extension__ keeps -Wpedantic quiet about it.
__extension__ typedef unsigned __int128 u128;

constexpr int kSteps = 39;  // 10^38 down to 10^0

// Every number of the search is below 2 * 10^39: a, Q * b <= a, and a trial
// sum Q * b + P * b whose P * b has no more digits than a. Below 10^38 that
// fits unsigned 128 bits; a 39-digit dividend needs Wide, three 64-bit words.
struct Wide {
  u64 word[3];  // least significant first

  friend Wide operator+(const Wide& x, const Wide& y) {
    Wide z;
    u128 carry = 0;
    for (int i = 0; i < 3; ++i) {
      carry += static_cast<u128>(x.word[i]) + y.word[i];
      z.word[i] = static_cast<u64>(carry);
      carry >>= 64;
    }
    return z;
  }
  friend bool operator<=(const Wide& x, const Wide& y) {
    for (int i = 2; i >= 0; --i) {
      if (x.word[i] != y.word[i]) return x.word[i] < y.word[i];
    }
    return true;
  }
};

// Arithmetic the search needs, for each number type.
template <class Number>
struct Ops;

template <>
struct Ops<u128> {
  static u128 fromSmall(u128 n) { return n; }
  static u128 timesTenPlus(u128 x, unsigned digit) { return x * 10 + digit; }
  // Splits into two halves below 10^19 and writes each with 64-bit divisions.
  static void toDigits(u128 x, Digits& out) {
    constexpr u64 kHalf = 10000000000000000000ULL;  // 10^19
    u64 low = static_cast<u64>(x % kHalf);
    u64 high = static_cast<u64>(x / kHalf);
    for (int i = kDigitCount - 1; i >= kDigitCount - 19; --i) {
      out[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(low % 10);
      low /= 10;
    }
    for (int i = kDigitCount - 20; high != 0; --i) {
      out[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(high % 10);
      high /= 10;
    }
  }
};

template <>
struct Ops<Wide> {
  static Wide fromSmall(u128 n) {
    return Wide{{static_cast<u64>(n), static_cast<u64>(n >> 64), 0}};
  }
  static Wide timesTenPlus(const Wide& x, unsigned digit) {
    Wide z;
    u128 carry = digit;
    for (int i = 0; i < 3; ++i) {
      carry += static_cast<u128>(x.word[i]) * 10;
      z.word[i] = static_cast<u64>(carry);
      carry >>= 64;
    }
    return z;
  }
  // Peels off decimal digits by dividing the three words by 10^18 at a time.
  static void toDigits(Wide x, Digits& out) {
    constexpr u64 kChunk = 1000000000000000000ULL;  // 10^18
    int index = kDigitCount - 1;
    while (x.word[0] != 0 || x.word[1] != 0 || x.word[2] != 0) {
      u128 rest = 0;
      for (int i = 2; i >= 0; --i) {
        const u128 current = (rest << 64) | x.word[i];
        x.word[i] = static_cast<u64>(current / kChunk);
        rest = current % kChunk;
      }
      u64 chunk = static_cast<u64>(rest);
      for (int j = 0; j < 18 && index >= 0; ++j, --index) {
        out[static_cast<std::size_t>(index)] = static_cast<std::int16_t>(chunk % 10);
        chunk /= 10;
      }
    }
  }
};

template <class Number>
Number fromDigits(View v) {
  Number x = Ops<Number>::fromSmall(0);
  for (int i = kDigitCount - v.length; i < kDigitCount; ++i) {
    x = Ops<Number>::timesTenPlus(x, static_cast<unsigned>(v.digits[static_cast<std::size_t>(i)]));
  }
  return x;
}

// 10^k for k = 0..38; 10^38 < 2^127.
constexpr auto kPowersOfTen = [] {
  std::array<u128, kSteps> p{};
  p[0] = 1;
  for (int k = 1; k < kSteps; ++k) p[static_cast<std::size_t>(k)] = p[static_cast<std::size_t>(k - 1)] * 10;
  return p;
}();

// The search itself. A trial's product (Q + P) * b is kept as Q * b + P * b:
// Q * b is carried along from the last successful trial and P * b comes from
// a table, so a trial costs one addition and one comparison and is exact.
template <class Number>
void search(View a, View b, Digits& quotient, Digits& product) {
  const Number dividend = fromDigits<Number>(a);
  const Number divisor = fromDigits<Number>(b);

  // Doubling: Q := 2, then Q := Q * 2 while (Q * 2) * b <= a.
  Number q = Ops<Number>::fromSmall(2);
  Number qb = divisor + divisor;
  while (qb + qb <= dividend) {
    q = q + q;
    qb = qb + qb;
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
    const Number step = Ops<Number>::fromSmall(kPowersOfTen[static_cast<std::size_t>(k)]);
    while (qb + stepTimesDivisor[k] <= dividend) {
      q = q + step;
      qb = qb + stepTimesDivisor[k];
    }
  }

  Ops<Number>::toDigits(q, quotient);
  Ops<Number>::toDigits(qb, product);
}

}  // namespace

void greedyQuotient(View a, View b, Digits& quotient, Digits& product) {
  assert(b.length >= 1 && a.length <= kSearchDigits && b.length <= a.length &&
         "greedyQuotient needs 2|b| <= |a| < 10^39");
  if (a.length <= 38) {
    search<u128>(a, b, quotient, product);
  } else {
    search<Wide>(a, b, quotient, product);
  }
}

}  // namespace nines::magnitude
