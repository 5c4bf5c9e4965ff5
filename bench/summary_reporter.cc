#include "bench/summary_reporter.h"

#include <cstdio>
#include <string_view>

namespace nines::bench {
namespace {

constexpr std::string_view kOurs = "ours/";
constexpr std::string_view kGmp = "gmp/";
constexpr std::string_view kSlowestDivision = "ours/divide-slowest/";

std::string formatted(const char* pattern, const std::string& name, double a, double b,
                      double c) {
  char line[160];
  std::snprintf(line, sizeof line, pattern, name.c_str(), a, b, c);
  return line;
}

}  // namespace

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
    // The function name leaves out suffixes such as "/min_time:0.050".
    const std::string& name = run.run_name.function_name;
    const double ns =
        run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
    const auto [entry, added] = nanoseconds_.try_emplace(name, ns);
    if (added) {
      names_.push_back(name);
    } else if (ns < entry->second) {
      entry->second = ns;
    }
  }
}

void SummaryReporter::printSummary(std::ostream& out) const {
  out << "\nOurs beside GMP, CPU time per iteration:\n";
  for (const std::string& name : names_) {
    if (!name.starts_with(kOurs)) continue;
    const std::string work = name.substr(kOurs.size());
    const auto gmp = nanoseconds_.find(std::string(kGmp) + work);
    if (gmp == nanoseconds_.end()) continue;
    const double ours = nanoseconds_.at(name);
    out << formatted("  %-28s ours %9.1f ns   GMP %8.1f ns   ours/GMP %6.2f\n", work, ours,
                     gmp->second, ours / gmp->second);
  }

  std::string slowest;
  for (const std::string& name : names_) {
    if (name.starts_with(kSlowestDivision) &&
        (slowest.empty() || nanoseconds_.at(name) > nanoseconds_.at(slowest))) {
      slowest = name;
    }
  }
  if (!slowest.empty()) {
    out << "\nSlowest single division: " << slowest.substr(kSlowestDivision.size())
        << " digits, " << nanoseconds_.at(slowest) << " ns\n";
  }
}

}  // namespace nines::bench
