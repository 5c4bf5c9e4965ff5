// A fixed-width unsigned number of N 64-bit words in standard C++ only, the
// same on every compiler. It has just what the division search needs; every
// operation is exact, and wraps modulo 2^(64N) where a built-in unsigned
// type would.
#ifndef NINES_ARITH_MULTIWORD_H_
#define NINES_ARITH_MULTIWORD_H_

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>

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
    for (std::size_t i = N; i-- > 0;) {
      const std::uint64_t partial = x.words[i] + y.words[i];
      sum.words[i] = partial + carry;
      // At most one of the two additions wraps.
      carry = partial < x.words[i] || sum.words[i] < partial;
    }
    return sum;
  }

  friend constexpr MultiWord operator-(const MultiWord& x, const MultiWord& y) {
    MultiWord difference;
    std::uint64_t borrow = 0;
    for (std::size_t i = N; i-- > 0;) {
      const std::uint64_t partial = x.words[i] - y.words[i];
      difference.words[i] = partial - borrow;
      // At most one of the two subtractions wraps.
      borrow = x.words[i] < y.words[i] || partial < borrow;
    }
    return difference;
  }

  // x * factor + addend. Each word is taken in 32-bit halves: a half times
  // a factor below 2^32, plus a carry below 2^32, fits 64 bits.
  constexpr MultiWord timesPlus(std::uint32_t factor, std::uint32_t addend) const {
    MultiWord result;
    std::uint64_t carry = addend;
    for (std::size_t i = N; i-- > 0;) {
      const std::uint64_t low = (words[i] & kLowHalf) * factor + carry;
      const std::uint64_t high = (words[i] >> 32) * factor + (low >> 32);
      result.words[i] = (high << 32) | (low & kLowHalf);
      carry = high >> 32;
    }
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
};

}  // namespace nines::magnitude

#endif  // NINES_ARITH_MULTIWORD_H_
