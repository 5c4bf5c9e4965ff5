// Whole dialogues run in-process with a fixed clock and compile stamp; the
// console output and the answers file are compared byte for byte with the
// files in tests/golden/ (<case>.in is what the user types).
//
// Set NINES_UPDATE_GOLDEN=1 to rewrite the expected files from the current
// output, for review before committing.
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "session/session.h"

namespace nines::session {
namespace {

const std::string kGoldenDir = NINES_GOLDEN_DIR;

// Seconds modulo 4 choose the zero-divisor text, modulo 3 the slogan.
constexpr std::time_t kGodsAngryVoteGreen = 1796000000;          // % 4 == 0, % 3 == 2
constexpr std::time_t kNurses = 1796000001;                      // % 4 == 1, % 3 == 0
constexpr std::time_t kTroops = 1796000002;                      // % 4 == 2, % 3 == 1

class FixedClock final : public Clock {
 public:
  explicit FixedClock(std::time_t seconds) : seconds_(seconds) {}
  std::time_t now() const override { return seconds_; }
  std::tm localTime(std::time_t seconds) const override {
    std::tm t{};
    gmtime_r(&seconds, &t);
    return t;
  }

 private:
  std::time_t seconds_;
};

// A stream buffer that refuses every write, as a full disk does.
class FullDiskBuffer final : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

enum class Sink { kWorks, kCannotOpen, kCannotWrite };

struct TranscriptCase {
  std::string name;
  std::time_t seconds;
  Sink sink;
  int status;
  std::string err;
};

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The first differing line, to make a failure readable.
std::string firstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream e(expected);
  std::istringstream a(actual);
  std::string le;
  std::string la;
  for (int line = 1;; ++line) {
    const bool moreE = static_cast<bool>(std::getline(e, le));
    const bool moreA = static_cast<bool>(std::getline(a, la));
    if (!moreE && !moreA) return "texts differ only in the last line end";
    if (le != la || moreE != moreA) {
      return "line " + std::to_string(line) + ": expected \"" + (moreE ? le : "<end>") +
             "\", got \"" + (moreA ? la : "<end>") + "\"";
    }
  }
}

void compareWithGolden(const std::string& path, const std::string& actual) {
  if (std::getenv("NINES_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  const std::string expected = readFile(path);
  if (expected != actual) {
    std::ofstream(path + ".actual", std::ios::binary) << actual;
    ADD_FAILURE() << path << " differs (" << firstDifference(expected, actual)
                  << "); the output is in " << path << ".actual";
  }
}

class TranscriptTest : public ::testing::TestWithParam<TranscriptCase> {};

TEST_P(TranscriptTest, ConsoleAndAnswersFileMatchByteForByte) {
  const TranscriptCase& c = GetParam();
  const std::string base = kGoldenDir + "/" + c.name;
  std::istringstream in(readFile(base + ".in"));
  std::ostringstream out;
  std::ostringstream err;
  std::stringbuf answers;
  FullDiskBuffer fullDisk;
  const FixedClock clock(c.seconds);

  const int status = runSession({
      .in = in,
      .out = out,
      .err = err,
      .clock = clock,
      .compiled = {"12:34:56", "Dec  8 2026"},
      .openAnswers = [&]() -> std::unique_ptr<std::ostream> {
        switch (c.sink) {
          case Sink::kCannotOpen: return nullptr;
          case Sink::kCannotWrite: return std::make_unique<std::ostream>(&fullDisk);
          case Sink::kWorks: break;
        }
        return std::make_unique<std::ostream>(&answers);
      },
  });

  EXPECT_EQ(status, c.status);
  EXPECT_EQ(err.str(), c.err);
  compareWithGolden(base + ".out", out.str());
  if (c.sink == Sink::kWorks) {
    compareWithGolden(base + ".answers.txt", answers.str());
  } else {
    EXPECT_EQ(answers.str(), "");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Golden, TranscriptTest,
    ::testing::ValuesIn(std::vector<TranscriptCase>{
        {"pair_9866", kNurses, Sink::kWorks, 0, ""},
        {"zero_divisor_gods", kGodsAngryVoteGreen, Sink::kWorks, 0, ""},
        {"zero_divisors_typed_three_ways", kTroops, Sink::kWorks, 0, ""},
        {"two_pairs", kTroops, Sink::kWorks, 0, ""},
        {"x_first", kNurses, Sink::kWorks, 0, ""},
        {"x_second", kTroops, Sink::kWorks, 0, ""},
        {"upper_case_x_does_not_exit", kGodsAngryVoteGreen, Sink::kWorks, 0, ""},
        {"two_word_name", kNurses, Sink::kWorks, 0, ""},
        {"two_characters_at_first_pause", kTroops, Sink::kWorks, 0, ""},
        {"over_long_operand", kNurses, Sink::kWorks, 0, ""},
        {"over_long_name", kTroops, Sink::kWorks, 0, ""},
        {"input_ends_mid_pair", kNurses, Sink::kWorks, 0, ""},
        {"input_ends_during_pages", kGodsAngryVoteGreen, Sink::kWorks, 0, ""},
        {"crlf_line_ends", kTroops, Sink::kWorks, 0, ""},
        {"approximations", kNurses, Sink::kWorks, 0, ""},
        {"long_divisor", kTroops, Sink::kWorks, 0, ""},
        {"residue_checks", kNurses, Sink::kWorks, 0, ""},
        {"answers_file_cannot_be_opened", kNurses, Sink::kCannotOpen, 1,
         "File could not be opened\n"},
        {"answers_file_cannot_be_written", kTroops, Sink::kCannotWrite, 1,
         "File could not be written\n"},
    }),
    [](const ::testing::TestParamInfo<TranscriptCase>& info) { return info.param.name; });

}  // namespace
}  // namespace nines::session
