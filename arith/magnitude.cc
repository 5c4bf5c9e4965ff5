#include "arith/magnitude.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace nines::magnitude {
namespace {

// Digit arrays are indexed with int throughout; this keeps the conversions in
// one place.
inline std::int16_t& at(Digits& d, int i) { return d[static_cast<std::size_t>(i)]; }
inline int at(const Digits& d, int i) { return d[static_cast<std::size_t>(i)]; }

// Base 10^9 limbs, least significant first: an 80-digit magnitude needs 9,
// a product of two needs 18.
constexpr std::uint32_t kLimbBase = 1000000000;
constexpr int kLimbDigits = 9;
constexpr int kOperandLimbs = (kDigitCount + kLimbDigits - 1) / kLimbDigits;

int toLimbs(View v, std::uint32_t (&limbs)[kOperandLimbs]) {
  const int count = (v.length + kLimbDigits - 1) / kLimbDigits;
  const int first = kDigitCount - v.length;
  for (int i = 0; i < count; ++i) {
    const int end = kDigitCount - kLimbDigits * i;
    std::uint32_t limb = 0;
    for (int j = std::max(first, end - kLimbDigits); j < end; ++j) {
      limb = limb * 10 + static_cast<std::uint32_t>(at(v.digits, j));
    }
    limbs[i] = limb;
  }
  return count;
}

}  // namespace

int significantLength(const Digits& digits) {
  // Leading zeros are passed four digits at a time: a 64-bit word is zero
  // exactly when its four digits are.
  static_assert(kDigitCount % 4 == 0 && sizeof(std::uint64_t) == 4 * sizeof(digits[0]));
  int i = 0;
  for (; i < kDigitCount; i += 4) {
    std::uint64_t word;
    std::memcpy(&word, &digits[static_cast<std::size_t>(i)], sizeof word);
    if (word != 0) break;
  }
  for (; i < kDigitCount; ++i) {
    if (at(digits, i) != 0) return kDigitCount - i;
  }
  return 0;
}

int compare(View a, View b) {
  if (a.length != b.length) return a.length < b.length ? -1 : 1;
  for (int i = kDigitCount - a.length; i < kDigitCount; ++i) {
    const int x = at(a.digits, i);
    const int y = at(b.digits, i);
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

bool add(View a, View b, Digits& sum) {
  const int first = kDigitCount - std::max(a.length, b.length);
  int carry = 0;
  for (int i = kDigitCount - 1; i >= first; --i) {
    int s = at(a.digits, i) + at(b.digits, i) + carry;
    carry = s > 9 ? 1 : 0;
    at(sum, i) = static_cast<std::int16_t>(s - 10 * carry);
  }
  if (carry == 0) return false;
  if (first == 0) return true;
  at(sum, first - 1) = 1;
  return false;
}

void subtract(View a, View b, Digits& difference) {
  // Only a's digits are gone through, and no borrow is left at the top.
  assert(compare(a, b) >= 0 && "subtract needs |a| >= |b|");
  int borrow = 0;
  for (int i = kDigitCount - 1; i >= kDigitCount - a.length; --i) {
    int d = at(a.digits, i) - at(b.digits, i) - borrow;
    borrow = d < 0 ? 1 : 0;
    at(difference, i) = static_cast<std::int16_t>(d + 10 * borrow);
  }
}

bool multiply(View a, View b, Digits& product) {
  if (a.length == 0 || b.length == 0) return true;
  if (a.length + b.length - 1 > kDigitCount) return false;  // >= 10^80

  std::uint32_t x[kOperandLimbs];
  std::uint32_t y[kOperandLimbs];
  const int nx = toLimbs(a, x);
  const int ny = toLimbs(b, y);

  // A column is at most 9 limb products (each below 10^18) plus the carry,
  // so it stays below 2^64: if every column before did, the carry is at most
  // (2^64 - 1) / 10^9.
  constexpr std::uint64_t kLargestLimbProduct = std::uint64_t{kLimbBase - 1} * (kLimbBase - 1);
  static_assert(kLargestLimbProduct <= (UINT64_MAX - UINT64_MAX / kLimbBase) / kOperandLimbs,
                "a column of limb products must fit 64 bits");
  std::uint32_t limbs[2 * kOperandLimbs] = {};
  std::uint64_t carry = 0;
  const int columns = nx + ny;
  for (int c = 0; c < columns; ++c) {
    std::uint64_t column = carry;
    for (int i = std::max(0, c - ny + 1); i <= std::min(c, nx - 1); ++i) {
      column += static_cast<std::uint64_t>(x[i]) * y[c - i];
    }
    limbs[c] = static_cast<std::uint32_t>(column % kLimbBase);
    carry = column / kLimbBase;
  }

  for (int c = 0; c < columns; ++c) {
    std::uint32_t limb = limbs[c];
    for (int j = 0; j < kLimbDigits && limb != 0; ++j) {
      const int index = kDigitCount - 1 - kLimbDigits * c - j;
      if (index < 0) return false;
      at(product, index) = static_cast<std::int16_t>(limb % 10);
      limb /= 10;
    }
  }
  return true;
}

}  // namespace nines::magnitude
