// A fixed-width unsigned number of N 64-bit words in standard C++ only, the
// same on every compiler. It has just what the division search needs; every
// operation is exact, and wraps modulo 2^(64N) where a built-in unsigned
// type would.
#ifndef NINES_ARITH_MULTIWORD_H_
#define NINES_ARITH_MULTIWORD_H_

#include <array>
#include <cassert>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace nines::magnitude {

template <std::size_t N>
struct MultiWord {
  // Most significant first.
  std::array<std::uint64_t, N> words{};

  static constexpr MultiWord of(std::uint64_t value) {
    MultiWord x;
    x.words[N - 1] = value;
    return x;
  }

  // 2^exponent, for 0 <= exponent < 64N.
  static constexpr MultiWord powerOfTwo(int exponent) {
    assert(exponent >= 0 && exponent < static_cast<int>(64 * N) && "2^exponent must fit");
    MultiWord x;
    x.words[N - 1 - static_cast<std::size_t>(exponent / 64)] = std::uint64_t{1} << (exponent % 64);
    return x;
  }

  friend constexpr bool operator==(const MultiWord&, const MultiWord&) = default;
  // The numeric order: the most significant word that differs decides.
  friend constexpr std::strong_ordering operator<=>(const MultiWord& x, const MultiWord& y) {
    for (std::size_t i = 0; i < N; ++i) {
      if (x.words[i] != y.words[i]) return x.words[i] <=> y.words[i];
    }
    return std::strong_ordering::equal;
  }

  friend constexpr MultiWord operator+(const MultiWord& x, const MultiWord& y) {
    MultiWord sum;
    std::uint64_t carry = 0;
    upward([&](std::size_t i) {
      const std::uint64_t partial = x.words[i] + y.words[i];
      sum.words[i] = partial + carry;
      // At most one of the two additions wraps. The wraps are added as
      // numbers, not joined by ||, which would branch on every word.
      carry = std::uint64_t{partial < x.words[i]} + std::uint64_t{sum.words[i] < partial};
    });
    return sum;
  }

  friend constexpr MultiWord operator-(const MultiWord& x, const MultiWord& y) {
    MultiWord difference;
    subtract(x, y, difference);
    return difference;
  }

  // Subtracts y if y <= *this and says whether it did; a smaller number
  // is left as it was. One pass both decides and subtracts: y <= x exactly
  // when x - y borrows nothing out of the top word.
  constexpr bool subtractIfNotBelow(const MultiWord& y) {
    MultiWord difference;
    if (subtract(*this, y, difference)) return false;
    *this = difference;
    return true;
  }

  // x * 2: a shift by one bit, the top bit dropped.
  constexpr MultiWord doubled() const {
    MultiWord result;
    for (std::size_t i = 0; i + 1 < N; ++i) {
      result.words[i] = (words[i] << 1) | (words[i + 1] >> 63);
    }
    result.words[N - 1] = words[N - 1] << 1;
    return result;
  }

  // x * factor + addend. Each word is taken in 32-bit halves: a half times
  // a factor below 2^32, plus a carry below 2^32, fits 64 bits.
  constexpr MultiWord timesPlus(std::uint32_t factor, std::uint32_t addend) const {
    MultiWord result;
    std::uint64_t carry = addend;
    upward([&](std::size_t i) {
      const std::uint64_t low = (words[i] & kLowHalf) * factor + carry;
      const std::uint64_t high = (words[i] >> 32) * factor + (low >> 32);
      result.words[i] = (high << 32) | (low & kLowHalf);
      carry = high >> 32;
    });
    return result;
  }

  // Divides in place by a nonzero divisor below 2^32 and returns the
  // remainder. The long division goes by 32-bit halves: each partial
  // dividend, remainder * 2^32 + half, is below divisor * 2^32 and so fits
  // 64 bits, and each partial quotient fits 32.
  constexpr std::uint32_t divideBy(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (std::uint64_t& word : words) {
      const std::uint64_t upper = (remainder << 32) | (word >> 32);
      remainder = upper % divisor;
      const std::uint64_t lower = (remainder << 32) | (word & kLowHalf);
      remainder = lower % divisor;
      word = ((upper / divisor) << 32) | (lower / divisor);
    }
    return static_cast<std::uint32_t>(remainder);
  }

 private:
  static constexpr std::uint64_t kLowHalf = 0xFFFFFFFFU;

  // Calls step(i) for each word from the least significant up, written out
  // word by word rather than as a loop, so that the compiler keeps the
  // words of a trial in registers.
  template <class Step>
  static constexpr void upward(Step step) {
    [&]<std::size_t... k>(std::index_sequence<k...>) {
      (step(N - 1 - k), ...);
    }(std::make_index_sequence<N>{});
  }

  // difference := x - y modulo 2^(64N); returns the borrow out of the top
  // word, 1 exactly when y > x.
  static constexpr std::uint64_t subtract(const MultiWord& x, const MultiWord& y,
                                          MultiWord& difference) {
    std::uint64_t borrow = 0;
    upward([&](std::size_t i) {
      const std::uint64_t partial = x.words[i] - y.words[i];
      difference.words[i] = partial - borrow;
      // At most one of the two subtractions wraps; as in +, no ||.
      borrow = std::uint64_t{x.words[i] < y.words[i]} + std::uint64_t{partial < borrow};
    });
    return borrow;
  }
};

}  // namespace nines::magnitude

#endif  // NINES_ARITH_MULTIWORD_H_
