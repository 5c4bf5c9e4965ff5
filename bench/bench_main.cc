// Runs every benchmark, then prints the summary of ratios to GMP.
#include <benchmark/benchmark.h>

#include <iostream>

#include "bench/registrations.h"
#include "bench/summary_reporter.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  nines::bench::registerOperationBenchmarks();
  nines::bench::registerPairBenchmarks();
  nines::bench::registerDivisionShapeBenchmarks();
  nines::bench::registerReportBenchmarks();

  nines::bench::SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printSummary(std::cout);
  benchmark::Shutdown();
  return 0;
}
