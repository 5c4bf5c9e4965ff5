// One pair's arithmetic as a report needs it: ours is computeAnswers, whose
// values carry their digits and chains; GMP's is the same four operations
// (one division for quotient and remainder) and the decimal strings of the
// five answers.
#include <benchmark/benchmark.h>
#include <gmp.h>

#include <array>
#include <string>
#include <vector>

#include "bench/operands.h"
#include "bench/registrations.h"
#include "bench/values.h"
#include "session/pair_answers.h"

namespace nines::bench {
namespace {

// Room for the longest answer, a 76-digit product, its sign and terminator.
using Text = std::array<char, 96>;

struct GmpAnswers {
  mpz_class sum, difference, product, quotient, remainder;
  std::array<Text, 5> texts;

  void compute(const GmpPair& pair) {
    const mpz_srcptr a = pair.first.get_mpz_t();
    const mpz_srcptr b = pair.second.get_mpz_t();
    mpz_add(sum.get_mpz_t(), a, b);
    mpz_sub(difference.get_mpz_t(), a, b);
    mpz_mul(product.get_mpz_t(), a, b);
    mpz_tdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), a, b);
    const mpz_srcptr answers[] = {sum.get_mpz_t(), difference.get_mpz_t(),
                                  product.get_mpz_t(), quotient.get_mpz_t(),
                                  remainder.get_mpz_t()};
    for (std::size_t i = 0; i < texts.size(); ++i) mpz_get_str(texts[i].data(), 10, answers[i]);
  }
};

bool sidesAgree(benchmark::State& state, const std::vector<OurPair>& ours,
                const std::vector<GmpPair>& gmp) {
  GmpAnswers expected;
  for (std::size_t i = 0; i < ours.size(); ++i) {
    const session::PairAnswers a = session::computeAnswers(ours[i].first, ours[i].second);
    expected.compute(gmp[i]);
    const DecimalInteger* answers[] = {&a.sum, &a.difference, &a.product, &a.quotient,
                                       &a.remainder};
    for (std::size_t k = 0; k < expected.texts.size(); ++k) {
      if (signedText(*answers[k]) != expected.texts[k].data()) {
        state.SkipWithError("our answers differ from GMP's");
        return false;
      }
    }
  }
  return true;
}

void runOurs(benchmark::State& state, const std::vector<OurPair>& ours,
             const std::vector<GmpPair>& gmp) {
  if (!sidesAgree(state, ours, gmp)) return;
  std::size_t i = 0;
  for (auto _ : state) {
    session::PairAnswers answers = session::computeAnswers(ours[i].first, ours[i].second);
    benchmark::DoNotOptimize(answers);
    if (++i == ours.size()) i = 0;
  }
}

void runGmp(benchmark::State& state, const std::vector<OurPair>& ours,
            const std::vector<GmpPair>& gmp) {
  if (!sidesAgree(state, ours, gmp)) return;
  GmpAnswers answers;
  std::size_t i = 0;
  for (auto _ : state) {
    answers.compute(gmp[i]);
    benchmark::DoNotOptimize(answers.texts);
    if (++i == gmp.size()) i = 0;
  }
}

}  // namespace

void registerPairBenchmarks() {
  for (const int secondDigits : {38, 1}) {
    for (const Signs signs : {Signs::kLike, Signs::kUnlike}) {
      const std::vector<TextPair> texts = randomPairs(38, secondDigits, signs, 64);
      const std::string shape = shapeName(38, secondDigits, signs);
      benchmark::RegisterBenchmark(("ours/pair/" + shape).c_str(), runOurs, ourPairs(texts),
                                   gmpPairs(texts));
      benchmark::RegisterBenchmark(("gmp/pair/" + shape).c_str(), runGmp, ourPairs(texts),
                                   gmpPairs(texts));
    }
  }
}

}  // namespace nines::bench
