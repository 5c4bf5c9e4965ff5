// The console reporter, plus a summary after the run: each of our timings
// beside GMP's for the same work, with the ratio, and the slowest division.
#ifndef NINES_BENCH_SUMMARY_REPORTER_H_
#define NINES_BENCH_SUMMARY_REPORTER_H_

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace nines::bench {

class SummaryReporter final : public benchmark::ConsoleReporter {
 public:
  SummaryReporter() : ConsoleReporter(OO_None) {}

  // Reports as the console reporter does and keeps each benchmark's CPU time
  // per iteration, the lowest over repetitions.
  void ReportRuns(const std::vector<Run>& runs) override;

  // For every "ours/NAME" that has a "gmp/NAME": both times and ours/GMP.
  // Then the slowest of the "ours/divide-slowest/..." benchmarks.
  void printSummary(std::ostream& out) const;

 private:
  std::vector<std::string> names_;             // in the order first reported
  std::map<std::string, double> nanoseconds_;  // by name
};

}  // namespace nines::bench

#endif  // NINES_BENCH_SUMMARY_REPORTER_H_
