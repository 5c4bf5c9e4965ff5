#include "session/console_report.h"

#include <optional>
#include <string_view>

#include "arith/text.h"
#include "session/check_lines.h"
#include "session/rules.h"

// Lines that end with std::endl are flushed as they are written, so each
// shows at once even when the console is a pipe or a file; the line ends
// inside a text go out with the next flush. The report keeps the flushes
// where its layout has always had them.

namespace nines::session {
namespace {

// A value on its own line, then its chain (which ends without a line end).
void printWithChain(std::ostream& out, const DecimalInteger& value) {
  out << value << std::endl;
  value.printProofChain(out, value);
}

// The heading, the answer and its chain, then its check line and a full stop.
void printAnswerWithCheck(std::ostream& out, std::string_view heading, const DecimalInteger& value,
                          Text check) {
  out << heading << std::endl;
  printWithChain(out, value);
  out << (check << ".") << std::endl;
}

// dividend = ( divisor * quotient ) + remainder, on the residues; a reduced
// product leaves an empty line after it.
void printDivisionCheck(std::ostream& out, const PairAnswers& answers) {
  const std::optional<int> rb =
      answers.second.isZero() ? std::nullopt : std::optional<int>(answers.second.getResidue());
  const DivisionCheck check =
      divisionCheck(answers.first.getResidue(), rb, answers.quotient.getResidue(),
                    answers.remainder.getResidue(), kNines);
  out << check.text << std::endl;
  if (check.reduced) out << std::endl;
}

}  // namespace

void printConsoleReport(std::ostream& out, const PairAnswers& answers) {
  const int ra = answers.first.getResidue();
  const int rb = answers.second.getResidue();

  out << "\n" << kRule16 << std::endl << std::endl;
  out << "                         Answer          \"Proof\"" << std::endl << std::endl;

  out << "\nThe first operand is:" << std::endl;
  printWithChain(out, answers.first);
  out << "\n\nThe second operand is:" << std::endl;
  printWithChain(out, answers.second);

  printAnswerWithCheck(out, "\n\nTheir sum is:", answers.sum, sumCheck(ra, rb, kNines));
  printAnswerWithCheck(out, "\nTheir difference is:", answers.difference,
                       differenceCheck(ra, rb, kNines));
  printAnswerWithCheck(out, "\nTheir product is:", answers.product,
                       productCheck(ra, rb, kNines));

  out << "\nThe integer part of the quotient is:" << std::endl;
  printWithChain(out, answers.quotient);
  out << "\n\nwith a remainder of:" << std::endl;
  printWithChain(out, answers.remainder);
  out << "," << std::endl;

  // The check line ends its own line; one more line end parts it from the
  // combined quotient that follows.
  printDivisionCheck(out, answers);
  out << std::endl;
}

}  // namespace nines::session
