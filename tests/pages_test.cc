// The fixed texts, typed by hand: the opening pages and the prompts in the
// order a dialogue shows them, and the closing screen: where the answers are,
// in the console and in the page, the slogan the calendar time picks, the
// sign-off, and when the program was built and run.
#include <ctime>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "gtest/gtest.h"
#include "session/pages.h"
#include "session/session.h"
#include "tests/fake_world.h"

namespace nines::session {
namespace {

const std::string kRule =
    "+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+";
const std::string kGuide =
    "    -->|                                       | <------  (38 spaces + 1)";
const std::string kShortGuide = "    -->|                                       |<---";

// Each piece must follow the one before it in what a dialogue of two pairs
// writes, from the banner to the last prompt.
TEST(DialogueTextsTest, PagesAndPromptsInTheirOrder) {
  const std::string pause = "\tType any character, and <enter> to continue...\n\t\t";
  const std::string firstPrompt =
      "\n" + kRule + "\n" + kRule + "\n\n" +
      " Enter a string of 38 or fewer digits preceded by a - sign if desired\n"
      " or optionally by a + sign.  Omit commas.\n"
      "   ( or enter \"x\", and enter \"x\" again, to exit )\n\n" +
      kGuide + "\n        ";
  const std::string secondPrompt =
      "\n Enter a second +/- string of 38 or fewer digits:\n"
      "  ( or \"x\" to exit )\n\n" +
      kShortGuide + "\n        ";
  const std::string anotherPrompt =
      "\n\n" + kRule + "\n" + kRule + "\n\n" +
      " Do another?  Enter a +/- string of 38 or fewer digits.  No commas.\n"
      "   ( or enter \"x\", and enter \"x\" again, to exit )\n\n" +
      kGuide + "\n        ";
  const std::string laterSecondPrompt =
      "\n Enter a second +/- string of 38 or fewer digits\n"
      "   ( or \"x\" to exit )\n\n" +
      kShortGuide + "\n        ";
  const std::string report = "\nThe first operand is:\n";
  const std::vector<std::string> pieces = {
      "\n\t\t\tTalvenor\n\t\t\t\tBrisquel\n\n",
      " This is an arithmetic program for operations on integers up to +/- 100 billion\n",
      pause,
      "\n Casting out 9's is a result-checking trick within the grasp of ordinary\n",
      " For example:\t 9866\t\t->   29  ->   11  ->   2\n",
      "\t\t-168\t\t->  -15  ->   -6  ->   3\n",
      "\t\t-1657488\t->  -39  ->  -12  ->  -3  ->  6\n",
      "\t\t 9\t\t->    0\n\n",
      pause,
      "\n Division is a little trickier, since you have to take account of the re-\n",
      "\t\t\t-58  ->  -13  ->  -4  ->  5\n",
      "\t\t\t122  ->   5 .\n",
      "\t\t\t( 3 * 5 ) + 5  ->  20  ->  2 .\n",
      "\t\t\t9866  ->  2 .\n",
      "\n\n\n\n\n\n\tType any character, and <enter> to continue...\n\n\t\t",
      "\n Actually, casting out 9's is not a 100% proof.  It can give false corrects,\n",
      // No pause after the fourth page: the name is asked for at once.
      " The program sometimes takes 30-40 seconds to complete.  Wait for prompts.\n\n"
      "\n\n\n\n\n\n\n\n\n"
      "\tEnter your name...\n\n\t\t",
      firstPrompt,
      secondPrompt,
      report,
      anotherPrompt,
      laterSecondPrompt,
      report,
      anotherPrompt,
      laterSecondPrompt,
  };
  std::istringstream in("a\nb\nc\nTess\n9866\n-168\n23\n7\nx\nx\n");
  std::vector<std::string> told;
  std::ostringstream out;
  std::ostringstream err;
  const testing::FixedClock clock(1796000001);
  runSession({
      .in = in,
      .out = out,
      .err = err,
      .clock = clock,
      .compiled = {"12:34:56", "Dec  8 2026"},
      .openAnswers = [] { return std::make_unique<std::ostringstream>(); },
      .answersPlace = "It is in the current directory.",
      .progress = [&told](std::string_view name, int pairsDone) {
        told.push_back(std::string(name) + " " + std::to_string(pairsDone));
      },
  });
  // Whose session it is, once the name is read and after each pair.
  EXPECT_EQ(told, (std::vector<std::string>{"Tess 0", "Tess 1", "Tess 2"}));
  const std::string console = out.str();
  std::size_t at = 0;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const std::size_t found = console.find(pieces[i], at);
    ASSERT_TRUE(found != std::string::npos)
        << "piece " << i + 1 << " not found after byte " << at << ": "
        << ::testing::PrintToString(pieces[i]);
    at = found + pieces[i].size();
  }
}

struct ClosingCase {
  std::time_t now;
  std::string slogan;
};

TEST(ClosingScreenTest, SloganByTheTimeAndTheRestAsTyped) {
  // The slogan follows the signed remainder of the time by 3.
  const std::vector<ClosingCase> cases = {
      {1796000001, "Support the striking nurses!"},
      {1796000002, "Bring the troops home!"},
      {1796000000, "Vote Green!"},
      {-3, "Support the striking nurses!"},
      {-2, "Vote Green!"},
      {-1, "Vote Green!"},
  };
  std::tm local{};
  local.tm_year = 2026 - 1900;
  local.tm_mon = 10;
  local.tm_mday = 30;
  local.tm_hour = 0;
  local.tm_min = 53;
  local.tm_sec = 21;
  for (const ClosingCase& c : cases) {
    SCOPED_TRACE(c.now);
    std::ostringstream out;
    showClosingScreen(out, c.now, local, {"12:34:56", "Dec  8 2026"},
                      "It is in the current directory.");
    EXPECT_EQ(out.str(),
              "\n" + kRule + "\n\n" +
                  "To print the answers you calculated open the file \"answers.txt\".\n"
                  "It is in the current directory.\n\n" +
                  kRule + "\n\n" + c.slogan + "\n\n" +
                  "\t\t\t\tMarrowby\n"
                  "\t\t\t\tnines@example.org\n"
                  "\t\t\t\tFenwold\n"
                  "\t\t\t\tHarrowmere\n"
                  "\t\t\t\tCompile time\t12:34:56 Dec  8 2026\n"
                  "\t\t\t\tRun time\t00:53:21 Nov 30 2026\n\n");
  }
}

}  // namespace
}  // namespace nines::session
