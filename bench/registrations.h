// Each benchmark file registers its benchmarks through one of these; main
// calls them all before the run.
#ifndef NINES_BENCH_REGISTRATIONS_H_
#define NINES_BENCH_REGISTRATIONS_H_

namespace nines::bench {

// +, -, *, / and % on 38x38 and 38x1 digits, ours as "ours/OP/SHAPE" beside
// GMP's as "gmp/OP/SHAPE".
void registerOperationBenchmarks();

// One pair's five answers, "ours/pair/SHAPE" beside "gmp/pair/SHAPE".
void registerPairBenchmarks();

// One division of each shape up to 39 by 39 digits, on the operands that
// make the search longest: "ours/divide-slowest/AxB".
void registerDivisionShapeBenchmarks();

// One pair through the answers, the console report, the approximation and
// the file block: "ours/pair-report/SHAPE".
void registerReportBenchmarks();

}  // namespace nines::bench

#endif  // NINES_BENCH_REGISTRATIONS_H_
