// The digit array of an 80-digit decimal magnitude, shared by the value type
// and the digit arithmetic beneath it.
#ifndef NINES_ARITH_DIGITS_H_
#define NINES_ARITH_DIGITS_H_

#include <array>
#include <cstdint>

namespace nines {

// How many decimal digits every value holds.
inline constexpr int kDigitCount = 80;

// Digit magnitudes 0..9; index 0 is the most significant, index 79 the units.
using Digits = std::array<std::int16_t, kDigitCount>;

}  // namespace nines

#endif  // NINES_ARITH_DIGITS_H_
