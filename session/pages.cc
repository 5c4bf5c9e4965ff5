#include "session/pages.h"

#include "session/answers_file.h"
#include "session/rules.h"
#include "session/time_text.h"

namespace nines::session {
namespace {

constexpr std::string_view kBanner =
    "\n\t\t\tTalvenor\n"
    "\t\t\t\tBrisquel\n\n";

constexpr std::string_view kPausePrompt = "\tType any character, and <enter> to continue...\n\t\t";
constexpr std::string_view kPausePromptAfterGap =
    "\tType any character, and <enter> to continue...\n\n\t\t";

constexpr std::string_view kPageWhatItDoes =
    " This is an arithmetic program for operations on integers up to +/- 100 billion\n"
    " trillion quadrillion -- numbers of up to 38 digits.  Written out in full, the\n"
    " largest is 99,999,999,999,999,999,999,999,999,999,999,999,999, far more than\n"
    " the grains of sand on all the beaches of the world.\n\n"
    " Most calculators and computers only count to about 4 billion, so they would\n"
    " need a good deal of help with numbers like these.  (Investors who would like\n"
    " to see this program on every desk are warmly invited to get in touch.)\n\n"
    " You type two operands of up to 38 digits each.  The program prints their\n"
    " sum, difference, product, and quotient with remainder, even when an answer\n"
    " runs to more than 38 digits, and proves every answer by casting out 9's:\n"
    " the digits of each operand are added up, again and again, down to a single\n"
    " digit; the same operation is done on those single digits; and the result\n"
    " is compared with the single digit of the answer.\n\n";

constexpr std::string_view kPageCastingOutNines =
    "\n Casting out 9's is a result-checking trick within the grasp of ordinary\n"
    " people.  Bookkeepers and schoolchildren have used it for centuries, long\n"
    " before there were machines to do sums, to catch slips in long columns of\n"
    " figures.\n\n"
    " The rule: add up the digits of a number, then the digits of that sum, and\n"
    " so on until one digit is left.  A 9 or -9 counts as 0, and a negative\n"
    " digit has 9 added to it.\n\n"
    " For example:\t 9866\t\t->   29  ->   11  ->   2\n"
    "\t\t-168\t\t->  -15  ->   -6  ->   3\n"
    "\t\t-1657488\t->  -39  ->  -12  ->  -3  ->  6\n"
    "\t\t 9\t\t->    0\n\n"
    " The digit at the end is what is left when 9 is taken away from the number\n"
    " again and again, and so the end digits behave like the numbers themselves:\n"
    " 9866 * (-168) = (-1657488) is mirrored by 2 * 3 = 6.\n\n";

constexpr std::string_view kPageDivision =
    "\n Division is a little trickier, since you have to take account of the re-\n"
    " mainder.  Dividing 9866 by (-168) gives the quotient -58 and the remainder\n"
    " 122, with these chains:\n\n"
    "\t\t\t-58  ->  -13  ->  -4  ->  5\n"
    "\t\t\t122  ->   5 .\n\n"
    " The divisor times the quotient, plus the remainder, gives back the\n"
    " dividend, and the end digits do the same: the divisor's 3 times the\n"
    " quotient's 5, plus the remainder's 5, comes to the dividend's 2.\n\n"
    "\t\t\t( 3 * 5 ) + 5  ->  20  ->  2 .\n"
    "\t\t\t9866  ->  2 .\n"
    "\n\n\n\n\n\n";

constexpr std::string_view kPageLimits =
    "\n Actually, casting out 9's is not a 100% proof.  It can give false corrects,\n"
    " because digits in the wrong order have the same digit sums: 8 * 13 = 401\n"
    " passes the check just as well as 8 * 13 = 104.  But it never gives a false\n"
    " incorrect: when the check fails, the answer is surely wrong.\n\n"
    " The program sometimes takes 30-40 seconds to complete.  Wait for prompts.\n\n"
    "\n\n\n\n\n\n\n\n\n";

}  // namespace

void showOpeningPages(std::ostream& out, const std::function<void()>& pause) {
  out << kBanner << kPageWhatItDoes << kPausePrompt;
  pause();
  out << kPageCastingOutNines << kPausePrompt;
  pause();
  out << kPageDivision << kPausePromptAfterGap;
  pause();
  out << kPageLimits;
}

void showClosingScreen(std::ostream& out, std::time_t now, const std::tm& local,
                       CompileStamp compiled, std::string_view answersPlace) {
  out << "\n" << kRule25 << std::endl << std::endl;
  out << "To print the answers you calculated open the file \"" << kAnswersFileName << "\"."
      << std::endl;
  out << answersPlace << std::endl << std::endl;
  out << kRule25 << std::endl << std::endl;

  switch (now % 3) {
    case 0: out << "Support the striking nurses!"; break;
    case 1: out << "Bring the troops home!"; break;
    default: out << "Vote Green!"; break;
  }
  out << std::endl << std::endl;

  out << "\t\t\t\tMarrowby" << std::endl;
  out << "\t\t\t\tnines@example.org" << std::endl;
  out << "\t\t\t\tFenwold" << std::endl;
  out << "\t\t\t\tHarrowmere" << std::endl;
  out << "\t\t\t\tCompile time\t" << compiled.time << " " << compiled.date << std::endl;
  out << "\t\t\t\tRun time\t" << formatTime(local, "%H:%M:%S") << " "
      << formatTime(local, "%b %d %Y\n") << std::endl;
}

}  // namespace nines::session
