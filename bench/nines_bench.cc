// Times one pair's five answers beside GMP's, the slowest division the
// program can be asked for, and the printing of one pair's report. After the
// table it prints each "ours_" time over the matching "gmp_" time.
#include <benchmark/benchmark.h>
#include <gmpxx.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <ctime>
#include <iomanip>
#include <map>
#include <ostream>
#include <random>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "arith/decimal_integer.h"
#include "session/answers_file.h"
#include "session/console_report.h"
#include "session/pair_answers.h"
#include "session/quotient_approximation.h"

namespace {

using nines::DecimalInteger;
namespace session = nines::session;

constexpr std::size_t kPairs = 64;

// kPairs operand pairs: a 38-digit dividend over a divisor of
// `divisorDigits` digits, leading digits nonzero and signs cycling through
// all four combinations. A one-digit divisor is 2..9, as 1 skips the search.
// T is DecimalInteger or mpz_class, both built from the same texts.
template <class T>
std::vector<std::pair<T, T>> operands(int divisorDigits) {
  std::mt19937 random(2026);
  std::uniform_int_distribution<int> digit(0, 9);
  const auto number = [&](bool negative, int length, int lowestLeading) {
    std::string text(negative ? 1 : 0, '-');
    text += static_cast<char>('0' + std::uniform_int_distribution<int>(lowestLeading, 9)(random));
    for (int k = 1; k < length; ++k) text += static_cast<char>('0' + digit(random));
    return T(text.c_str());
  };
  std::vector<std::pair<T, T>> pairs;
  for (std::size_t i = 0; i < kPairs; ++i) {
    T dividend = number(i % 2 == 1, 38, 1);
    T divisor = number(i / 2 % 2 == 1, divisorDigits, divisorDigits == 1 ? 2 : 1);
    pairs.emplace_back(std::move(dividend), std::move(divisor));
  }
  return pairs;
}

void ours_pair(benchmark::State& state, int divisorDigits) {
  const auto pairs = operands<DecimalInteger>(divisorDigits);
  std::size_t i = 0;
  for (auto _ : state) {
    session::PairAnswers answers = session::computeAnswers(pairs[i].first, pairs[i].second);
    benchmark::DoNotOptimize(answers);
    i = (i + 1) % kPairs;
  }
}

// The same work in GMP: the five answers, each written out in decimal, as
// ours are held (their digit sums aside).
void gmp_pair(benchmark::State& state, int divisorDigits) {
  const auto pairs = operands<mpz_class>(divisorDigits);
  std::array<mpz_class, 5> answers;  // sum, difference, product, quotient, remainder
  std::array<char, 96> digits;       // a sign, up to 77 digits and the terminator
  std::size_t i = 0;
  for (auto _ : state) {
    const mpz_srcptr a = pairs[i].first.get_mpz_t();
    const mpz_srcptr b = pairs[i].second.get_mpz_t();
    mpz_add(answers[0].get_mpz_t(), a, b);
    mpz_sub(answers[1].get_mpz_t(), a, b);
    mpz_mul(answers[2].get_mpz_t(), a, b);
    mpz_tdiv_qr(answers[3].get_mpz_t(), answers[4].get_mpz_t(), a, b);
    for (const mpz_class& answer : answers) {
      benchmark::DoNotOptimize(mpz_get_str(digits.data(), 10, answer.get_mpz_t()));
    }
    i = (i + 1) % kPairs;
  }
}

BENCHMARK_CAPTURE(ours_pair, 38x38, 38);
BENCHMARK_CAPTURE(gmp_pair, 38x38, 38);
BENCHMARK_CAPTURE(ours_pair, 38x1, 1);
BENCHMARK_CAPTURE(gmp_pair, 38x1, 1);

// Why this division is the slowest: the search doubles Q from 2 up to 2^m,
// the highest power of two not above the quotient, in m trials, then adds
// the rest r = quotient - 2^m place by place from 10^(len a - len b) down to
// 1, each place taking one trial per unit of r's digit there and one that
// fails. So it makes m + (places) + (digit sum of r) trials, and all three
// grow with the quotient. The largest quotients, up to 5 * 10^38, come from
// the longest dividend, 39 digits, over the smallest divisor the search
// takes, 2 (a divisor of 1 skips it): m = 128, there are 39 places, and r
// may reach 5 * 10^38 - 2^128 > 10^38, so it can be 10^38 - 1, 38 nines.
// The dividend 2 * (2^128 + 10^38 - 1) thus takes 128 + 39 + 342 = 509
// trials, each a subtraction of three-word numbers (the narrowest that hold
// 39 digits), kept when it borrows nothing.
void slowest_division(benchmark::State& state) {
  const DecimalInteger dividend("880564733841876926926749214863536422910");
  const DecimalInteger divisor(2);
  for (auto _ : state) {
    DecimalInteger::Division division = dividend.divide(divisor);
    benchmark::DoNotOptimize(division);
  }
}
BENCHMARK(slowest_division);

// Keeps nothing: its one put area is reused whenever it fills, so the stream
// code runs as it does into a file and no system call follows.
class Discard final : public std::streambuf {
 protected:
  int_type overflow(int_type c) override {
    setp(area_.data(), area_.data() + area_.size());
    return traits_type::not_eof(c);
  }

 private:
  std::array<char, 4096> area_;
};

// The answers are worked out beforehand; the loop approximates the quotient
// and writes one pair's console report and answers-file block.
void report(benchmark::State& state, int divisorDigits) {
  std::vector<session::PairAnswers> answers;
  for (const auto& [first, second] : operands<DecimalInteger>(divisorDigits)) {
    answers.push_back(session::computeAnswers(first, second));
  }
  Discard consoleBuffer;
  Discard fileBuffer;
  std::ostream console(&consoleBuffer);
  std::ostream file(&fileBuffer);
  constexpr std::time_t kSeconds = 0;  // read only for a zero divisor
  std::size_t i = 0;
  for (auto _ : state) {
    const session::QuotientApproximation approximation = session::approximateQuotient(answers[i]);
    benchmark::DoNotOptimize(approximation);
    session::printConsoleReport(console, answers[i]);
    session::printApproximation(console, answers[i], approximation, kSeconds);
    session::writePairBlock(file, answers[i], approximation);
    i = (i + 1) % kPairs;
  }
}
BENCHMARK_CAPTURE(report, 38x38, 38);
BENCHMARK_CAPTURE(report, 38x1, 1);

// The console table, then "ours / GMP" for each benchmark pair, taking the
// fastest repetition of each.
class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
      const double cpu = run.GetAdjustedCPUTime();
      const auto entry = cpu_.try_emplace(run.benchmark_name(), cpu).first;
      entry->second = std::min(entry->second, cpu);
    }
  }
  void Finalize() override {
    for (const auto& [name, ours] : cpu_) {
      const auto gmp = name.starts_with("ours_") ? cpu_.find("gmp_" + name.substr(5)) : cpu_.end();
      if (gmp != cpu_.end()) {
        GetOutputStream() << name.substr(5) << ": ours / GMP = " << std::fixed
                          << std::setprecision(1) << ours / gmp->second << "\n";
      }
    }
  }

 private:
  std::map<std::string, double> cpu_;  // by benchmark name
};

}  // namespace

int main(int argc, char** argv) {
  // 0.2 s a benchmark rather than the library's 0.5 s keeps the whole run to
  // a few seconds; a --benchmark_min_time given comes later and wins.
  char shorter[] = "--benchmark_min_time=0.2";
  std::vector<char*> args(argv, argv + argc + 1);  // with the closing null
  args.insert(args.begin() + 1, shorter);
  int count = argc + 1;
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  // The console always gets this reporter; for JSON, add
  // --benchmark_out=FILE --benchmark_out_format=json.
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
