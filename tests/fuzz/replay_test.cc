// Replays the fuzzers' seed corpus and every input a fuzzer has failed on
// (tests/fuzz/regressions/) through the same checks, without libFuzzer.
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "gtest/gtest.h"
#include "tests/fuzz/checks.h"
#include "tests/read_file.h"

namespace nines::fuzz {
namespace {

namespace fs = std::filesystem;

using testing::readFile;

const fs::path kFuzzDir = NINES_FUZZ_DIR;

struct Target {
  std::string name;
  std::string (*check)(std::string_view);

  friend void PrintTo(const Target& target, std::ostream* out) { *out << target.name; }
};

std::vector<fs::path> inputsIn(const fs::path& folder) {
  std::vector<fs::path> files;
  if (!fs::is_directory(folder)) return files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  return files;
}

class ReplayTest : public ::testing::TestWithParam<Target> {};

TEST_P(ReplayTest, EveryKeptInputPassesTheCheck) {
  const Target& target = GetParam();
  const std::vector<fs::path> seeds = inputsIn(kFuzzDir / "corpus" / target.name);
  const std::vector<fs::path> regressions = inputsIn(kFuzzDir / "regressions" / target.name);
  ASSERT_FALSE(seeds.empty()) << "no seed corpus for " << target.name;
  for (const std::vector<fs::path>* files : {&seeds, &regressions}) {
    for (const fs::path& file : *files) {
      EXPECT_EQ(target.check(readFile(file)), "") << file;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, ReplayTest,
                         ::testing::Values(Target{"operations", checkOperations},
                                           Target{"session", checkSession},
                                           Target{"calculations", checkCalculations}),
                         [](const ::testing::TestParamInfo<Target>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace nines::fuzz
