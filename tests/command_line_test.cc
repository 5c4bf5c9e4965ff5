// The program's arguments, answered as an installed command answers them,
// typed by hand.
#include "session/command_line.h"

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "tests/fake_world.h"

namespace nines::session {
namespace {

const std::string kUsage =
    "Usage: nines\n"
    "       nines --check\n"
    "       nines --help | --version\n";

const std::string kHelp = kUsage +
                          "\n"
                          "An interactive calculator for signed integers of up to 38 digits. For\n"
                          "each pair of operands typed it prints their sum, difference, product,\n"
                          "integral quotient and remainder, and proves every answer by casting out\n"
                          "nines.\n"
                          "\n"
                          "Type x for an operand, or end the input, to end the session. A record\n"
                          "of the answers is written to answers.txt in the current directory,\n"
                          "replacing any file of that name.\n"
                          "\n"
                          "With --check it checks calculations you worked out by hand instead,\n"
                          "typed one a line as A op B = C, where op is + - * / "
                          "(or \u00d7 \u00f7 :) and\n"
                          "the answer C of a division is the quotient, then r and the remainder.\n"
                          "It casts out nines, and elevens where nines finds no error in a wrong\n"
                          "answer, and says whether the answer is right; it writes no file:\n"
                          "\n"
                          "  23 * 14 = 322    Casting out nines finds no error.\n"
                          "                   Your answer is right.\n"
                          "  23 * 14 = 332    Casting out nines finds an error.\n"
                          "                   Your answer is wrong: the answer is 322.\n"
                          "  23 * 14 = 232    Casting out nines finds no error.\n"
                          "                   Casting out elevens finds an error.\n"
                          "                   Your answer is wrong: the answer is 322.\n"
                          "  23 * 14 = 421    Casting out nines finds no error.\n"
                          "                   Casting out elevens finds no error.\n"
                          "                   Your answer is wrong: the answer is 322.\n"
                          "\n"
                          "Type x, or end the input, to finish.\n"
                          "\n"
                          "  --check    check calculations worked out by hand\n"
                          "  --help     print this help and exit\n"
                          "  --version  print the version and exit\n"
                          "\n"
                          "See nines(1) for the rest.\n";

struct ArgumentsCase {
  std::vector<const char*> arguments;
  std::optional<int> status;  // none: a session runs
  std::string out, err;
  bool checking = false;      // the session is the checking session
};

TEST(CommandLineTest, HelpVersionCheckAndAnythingElse) {
  const std::vector<ArgumentsCase> cases = {
      {{}, std::nullopt, "", ""},
      {{"--check"}, std::nullopt, "", "", true},
      {{"--check", "--bogus"}, std::nullopt, "", "", true},
      {{"--help", "--check"}, 0, kHelp, ""},
      {{"-check"}, 2, "", "nines: unknown argument '-check'\n" + kUsage},
      {{"--help"}, 0, kHelp, ""},
      {{"--version"}, 0, "nines 1.2.3\n", ""},
      // The first argument decides, as each is answered in turn.
      {{"--version", "--bogus"}, 0, "nines 1.2.3\n", ""},
      {{"--bogus"}, 2, "", "nines: unknown argument '--bogus'\n" + kUsage},
      {{"-h"}, 2, "", "nines: unknown argument '-h'\n" + kUsage},
      {{"x", "--help"}, 2, "", "nines: unknown argument 'x'\n" + kUsage},
      {{""}, 2, "", "nines: unknown argument ''\n" + kUsage},
  };
  for (const ArgumentsCase& c : cases) {
    SCOPED_TRACE(c.arguments.empty() ? "no arguments" : c.arguments.front());
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(answerArguments(c.arguments, "1.2.3", out, err), c.status);
    EXPECT_EQ(out.str(), c.out);
    EXPECT_EQ(err.str(), c.err);
    EXPECT_EQ(asksForChecking(c.arguments), c.checking);
  }
}

// Help that cannot be shown is a failure, and told.
TEST(CommandLineTest, OutputThatFailsIsTold) {
  testing::RefusingSink refusing;
  std::ostream out(&refusing);
  std::ostringstream err;
  const char* const help[] = {"--help"};
  EXPECT_EQ(answerArguments(help, "1.2.3", out, err), 1);
  EXPECT_EQ(err.str(), "Output could not be written\n");
}

}  // namespace
}  // namespace nines::session
