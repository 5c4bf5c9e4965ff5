// The slowest single division of each shape, to find the worst case over all
// operand sizes the program accepts.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/operands.h"
#include "bench/registrations.h"
#include "bench/values.h"

namespace nines::bench {
namespace {

// Lengths on both sides of each change of path: one and two digits, the
// 9/10 and 19/20 digit boundaries of 64-bit numbers, 38 digits (the most a
// signed operand has, below 2^127) and 39 (three-word numbers).
constexpr int kLengths[] = {1, 2, 9, 10, 19, 20, 29, 37, 38, 39};

// Stops the benchmark unless the operands have the shape it is named for and
// every division agrees with GMP's.
bool checked(benchmark::State& state, int a, int b, const std::vector<TextPair>& texts,
             const std::vector<OurPair>& pairs) {
  const std::vector<GmpPair> gmp = gmpPairs(texts);
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (pairs[i].first.countSignificantDigits() != a ||
        pairs[i].second.countSignificantDigits() != b) {
      state.SkipWithError("the operands are not of the named shape");
      return false;
    }
    mpz_class quotient;
    mpz_class remainder;
    mpz_tdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), gmp[i].first.get_mpz_t(),
                gmp[i].second.get_mpz_t());
    const DecimalInteger::Division division = pairs[i].first.divide(pairs[i].second);
    if (signedText(division.quotient) != signedText(quotient) ||
        signedText(division.remainder) != signedText(remainder)) {
      state.SkipWithError("our division differs from GMP's");
      return false;
    }
  }
  return true;
}

void run(benchmark::State& state, int a, int b, const std::vector<TextPair>& texts) {
  const std::vector<OurPair> pairs = ourPairs(texts);
  if (!checked(state, a, b, texts, pairs)) return;
  std::size_t i = 0;
  for (auto _ : state) {
    DecimalInteger::Division division = pairs[i].first.divide(pairs[i].second);
    benchmark::DoNotOptimize(division);
    if (++i == pairs.size()) i = 0;
  }
}

}  // namespace

void registerDivisionShapeBenchmarks() {
  for (const int a : kLengths) {
    for (const int b : kLengths) {
      if (b > a) continue;
      const std::string name =
          "ours/divide-slowest/" + std::to_string(a) + "x" + std::to_string(b);
      benchmark::RegisterBenchmark(name.c_str(), run, a, b, slowDivisionPairs(a, b))
          ->MinTime(0.05);
    }
  }
}

}  // namespace nines::bench
