// The five operations one at a time, ours beside GMP's on the same operands.
#include <benchmark/benchmark.h>
#include <gmp.h>

#include <string>
#include <vector>

#include "bench/operands.h"
#include "bench/registrations.h"
#include "bench/values.h"

namespace nines::bench {
namespace {

using OurOperation = DecimalInteger (*)(const DecimalInteger&, const DecimalInteger&);
using GmpOperation = void (*)(mpz_ptr, mpz_srcptr, mpz_srcptr);

struct Operation {
  const char* name;
  OurOperation ours;
  GmpOperation gmp;
};

// GMP's truncating division matches ours: the quotient rounds toward zero and
// the remainder takes the dividend's sign.
const Operation kOperations[] = {
    {"add", [](const DecimalInteger& a, const DecimalInteger& b) { return a + b; }, mpz_add},
    {"subtract", [](const DecimalInteger& a, const DecimalInteger& b) { return a - b; },
     mpz_sub},
    {"multiply", [](const DecimalInteger& a, const DecimalInteger& b) { return a * b; },
     mpz_mul},
    {"divide", [](const DecimalInteger& a, const DecimalInteger& b) { return a / b; },
     mpz_tdiv_q},
    {"remainder", [](const DecimalInteger& a, const DecimalInteger& b) { return a % b; },
     mpz_tdiv_r},
};

// Stops the benchmark unless both sides give the same answer on every pair,
// so that neither side is timed doing the wrong work.
bool sidesAgree(benchmark::State& state, const Operation& op, const std::vector<OurPair>& ours,
                const std::vector<GmpPair>& gmp) {
  mpz_class result;
  for (std::size_t i = 0; i < ours.size(); ++i) {
    op.gmp(result.get_mpz_t(), gmp[i].first.get_mpz_t(), gmp[i].second.get_mpz_t());
    if (signedText(op.ours(ours[i].first, ours[i].second)) != signedText(result)) {
      state.SkipWithError("our answer differs from GMP's");
      return false;
    }
  }
  return true;
}

void runOurs(benchmark::State& state, const Operation& op, const std::vector<OurPair>& ours,
             const std::vector<GmpPair>& gmp) {
  if (!sidesAgree(state, op, ours, gmp)) return;
  std::size_t i = 0;
  for (auto _ : state) {
    DecimalInteger result = op.ours(ours[i].first, ours[i].second);
    benchmark::DoNotOptimize(result);
    if (++i == ours.size()) i = 0;
  }
}

void runGmp(benchmark::State& state, const Operation& op, const std::vector<OurPair>& ours,
            const std::vector<GmpPair>& gmp) {
  if (!sidesAgree(state, op, ours, gmp)) return;
  mpz_class result;
  std::size_t i = 0;
  for (auto _ : state) {
    op.gmp(result.get_mpz_t(), gmp[i].first.get_mpz_t(), gmp[i].second.get_mpz_t());
    benchmark::DoNotOptimize(result.get_mpz_t());
    if (++i == gmp.size()) i = 0;
  }
}

}  // namespace

void registerOperationBenchmarks() {
  for (const Operation& op : kOperations) {
    for (const int secondDigits : {38, 1}) {
      for (const Signs signs : {Signs::kLike, Signs::kUnlike}) {
        const std::vector<TextPair> texts = randomPairs(38, secondDigits, signs, 64);
        const std::string suffix = std::string(op.name) + "/" + shapeName(38, secondDigits, signs);
        benchmark::RegisterBenchmark(("ours/" + suffix).c_str(), runOurs, op, ourPairs(texts),
                                     gmpPairs(texts));
        benchmark::RegisterBenchmark(("gmp/" + suffix).c_str(), runGmp, op, ourPairs(texts),
                                     gmpPairs(texts));
      }
    }
  }
}

}  // namespace nines::bench
