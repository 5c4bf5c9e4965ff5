#include "session/check_session.h"

#include <array>
#include <string_view>
#include <variant>

#include "session/calculation.h"
#include "session/check_report.h"
#include "session/console_input.h"
#include "session/failure_messages.h"

namespace nines::session {
namespace {

constexpr std::string_view kHeading =
    "Check your own working. Type a calculation\n"
    "a line, as A op B = C; nines checks it by\n"
    "casting out nines and says whether your\n"
    "answer is right. For example:\n"
    "\n"
    "    9866 * -168 = -1657488\n"
    "    9866 / -168 = -58 r 122\n"
    "\n"
    "A and B have up to 38 digits, with a sign if\n"
    "you like; op is + - * or / (or \u00d7 \u00f7 :); a\n"
    "division's remainder follows r.\n"
    "Type x to finish.\n";
constexpr std::string_view kPrompt = "\n> ";

// Room for the longest line that is read whole: each character may take
// four bytes, and a CR may end it. A longer line is refused unread.
constexpr std::size_t kLineBytes = 4 * kLineCharacters + 1;

std::string_view refusalText(Refusal refusal) {
  switch (refusal) {
    case Refusal::tooLong: return "Too long: type at most 200 characters.";
    case Refusal::notText: return "That line is not all text: type it again.";
    case Refusal::blank: return "Type a calculation, as 23 * 14 = 322, or x.";
    case Refusal::shape: return "A part is missing or misplaced: A op B = C.";
    case Refusal::operation:
      return "Unknown operation: use + - * / (or \u00d7 \u00f7 :).";
    case Refusal::grouping: return "No commas, points or blanks: write 1234567.";
    case Refusal::notADigit: return "A number has a letter or mark: digits only.";
    case Refusal::tooManyDigits: return "Too many digits: A, B up to 38, C up to 77.";
    case Refusal::divisionByZero: return "No division by 0: divide by another number.";
  }
  return "";
}

}  // namespace

int runCheckSession(std::istream& in, std::ostream& out, std::ostream& err) {
  std::array<char, kLineBytes> line;
  out << kHeading;
  for (;;) {
    out << kPrompt;
    const LineRead read = readLine(in, line);
    if (!read.found) break;
    const Reading reading = read.length > line.size()
                                ? Reading(Refusal::tooLong)
                                : readCalculation({line.data(), read.kept});
    if (std::holds_alternative<Finish>(reading)) break;
    if (const Refusal* refusal = std::get_if<Refusal>(&reading)) {
      out << refusalText(*refusal) << "\n";
    } else {
      printJudgement(out, std::get<Calculation>(reading));
    }
    // Each answer shows at once; once none can be shown, the session is over.
    if (!out.flush()) break;
  }
  out << std::endl;
  return tellConsoleFailures(in, out, err) ? 1 : 0;
}

}  // namespace nines::session
