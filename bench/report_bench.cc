// One pair as the session handles it, from the operands to the last byte of
// the console report and the file block, written into memory.
#include <benchmark/benchmark.h>

#include <array>
#include <ctime>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "bench/operands.h"
#include "bench/registrations.h"
#include "bench/values.h"
#include "session/answers_file.h"
#include "session/console_report.h"
#include "session/pair_answers.h"
#include "session/quotient_approximation.h"

namespace nines::bench {
namespace {

// A stream buffer that keeps nothing: its put area is reused whenever it
// fills or the stream is flushed, and only the byte count is kept.
class DiscardingBuffer final : public std::streambuf {
 public:
  DiscardingBuffer() { reset(); }
  std::size_t bytes() const { return counted_ + static_cast<std::size_t>(pptr() - pbase()); }

 protected:
  int_type overflow(int_type c) override {
    reset();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }
  int sync() override {
    reset();
    return 0;
  }

 private:
  void reset() {
    if (pbase() != nullptr) counted_ += static_cast<std::size_t>(pptr() - pbase());
    setp(area_.data(), area_.data() + area_.size());
  }

  std::array<char, 4096> area_;
  std::size_t counted_ = 0;
};

// Not a multiple of 4, so a zero divisor would print the quotient.
constexpr std::time_t kSeconds = 1;

void run(benchmark::State& state, const std::vector<OurPair>& pairs) {
  DiscardingBuffer console;
  DiscardingBuffer file;
  std::ostream consoleOut(&console);
  std::ostream fileOut(&file);
  std::size_t i = 0;
  for (auto _ : state) {
    const session::PairAnswers answers = session::computeAnswers(pairs[i].first, pairs[i].second);
    const session::QuotientApproximation approximation = session::approximateQuotient(answers);
    session::printConsoleReport(consoleOut, answers);
    session::printApproximation(consoleOut, answers, approximation, kSeconds);
    session::writePairBlock(fileOut, answers, approximation);
    if (++i == pairs.size()) i = 0;
  }
  const std::size_t bytes = console.bytes() + file.bytes();
  benchmark::DoNotOptimize(bytes);
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

}  // namespace

void registerReportBenchmarks() {
  for (const int secondDigits : {38, 1}) {
    for (const Signs signs : {Signs::kLike, Signs::kUnlike}) {
      const std::string name = "ours/pair-report/" + shapeName(38, secondDigits, signs);
      benchmark::RegisterBenchmark(name.c_str(), run,
                                   ourPairs(randomPairs(38, secondDigits, signs, 64)));
    }
  }
}

}  // namespace nines::bench
