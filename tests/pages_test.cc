// The closing screen, typed by hand: where the answers are, in the console and
// in the page, the slogan the calendar time picks, the sign-off, and when the
// program was built and run.
#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "session/pages.h"

namespace nines::session {
namespace {

struct ClosingCase {
  std::time_t now;
  std::string slogan;
  AnswersPlace place = AnswersPlace::currentDirectory;
  std::string whereLine = "It is in the current directory.";
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
      // In a browser the file is had only from the page's button.
      {1796000002, "Bring the troops home!", AnswersPlace::savedFromPage,
       "Save it with the button \"Save answers.txt\" on this page."},
  };
  std::tm local{};
  local.tm_year = 2026 - 1900;
  local.tm_mon = 10;
  local.tm_mday = 30;
  local.tm_hour = 0;
  local.tm_min = 53;
  local.tm_sec = 21;
  const std::string rule =
      "+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+";
  for (const ClosingCase& c : cases) {
    SCOPED_TRACE(c.now);
    std::ostringstream out;
    showClosingScreen(out, c.now, local, {"12:34:56", "Dec  8 2026"}, c.place);
    EXPECT_EQ(out.str(),
              "\n" + rule + "\n\n" +
                  "To print the answers you calculated open the file \"answers.txt\".\n"
                  + c.whereLine + "\n\n" +
                  rule + "\n\n" + c.slogan + "\n\n" +
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
