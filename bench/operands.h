// Operand pairs for the benchmarks, as the texts a user would type.
#ifndef NINES_BENCH_OPERANDS_H_
#define NINES_BENCH_OPERANDS_H_

#include <string>
#include <vector>

namespace nines::bench {

struct TextPair {
  std::string first;
  std::string second;
};

// The signs of a pair list: like signs alternate (+,+) and (-,-), unlike
// signs alternate (+,-) and (-,+).
enum class Signs { kLike, kUnlike };

// `count` pairs of random digits, the first operand `firstDigits` long and
// the second `secondDigits` long, each with a nonzero leading digit; a
// one-digit second operand is 2..9, so no division takes the divisor-1 path.
// The same arguments always give the same pairs.
std::vector<TextPair> randomPairs(int firstDigits, int secondDigits, Signs signs, int count);

// Four pairs of one shape, one per sign combination, that make the division
// search try the most steps. The search doubles Q up to 2^m, the highest
// power of two not above the quotient, then adds the rest of the quotient
// step by step, one trial per unit of each decimal digit of that rest plus
// one failing trial per place. So the slowest quotient is 2^m + 99...9 with
// as many nines as fit below 2^m, for the largest m the shape allows; the
// divisor is 10^(secondDigits-1), or 2 for one digit, to leave the quotient
// the most room.
std::vector<TextPair> slowDivisionPairs(int firstDigits, int secondDigits);

// "38x1/like" and the like, for benchmark names.
std::string shapeName(int firstDigits, int secondDigits, Signs signs);

}  // namespace nines::bench

#endif  // NINES_BENCH_OPERANDS_H_
