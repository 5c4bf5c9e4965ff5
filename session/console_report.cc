#include "session/console_report.h"

#include <string_view>

#include "session/rules.h"
#include "arith/text.h"

// Lines that end with std::endl are flushed as they are written, so each
// shows at once even when the console is a pipe or a file; the line ends
// inside a text go out with the next flush. The report keeps the flushes
// where its layout has always had them.

namespace nines::session {
namespace {

constexpr std::string_view kCheckLead = ",\n\t\t\t\t\twhich = ";

// A value on its own line, then its chain (which ends without a line end).
void printWithChain(std::ostream& out, const DecimalInteger& value) {
  out << value << std::endl;
  value.printProofChain(out, value);
}

Text sumCheck(int ra, int rb) {
  const int s = ra + rb;
  Text text;
  text << kCheckLead;
  if (s >= 9) text << "(";
  text << ra << " + " << rb;
  if (s > 9) text << ")" << kChainArrow << s << kChainArrow << s % 9;
  if (s == 9) text << ")" << kChainArrow << '0';
  return text;
}

Text differenceCheck(int ra, int rb) {
  Text text;
  text << kCheckLead;
  if (ra < rb) {
    text << "(" << ra << " - " << rb << ")" << kChainArrow << ra - rb << kChainArrow << ra - rb + 9;
  } else {
    text << ra << " - " << rb;
  }
  return text;
}

Text productCheck(int ra, int rb) {
  const int p = ra * rb;
  Text text;
  text << kCheckLead;
  if (p > 9) {
    text << "(" << ra << " * " << rb << ")" << kChainArrow << p << kChainArrow << p % 9;
  } else {
    text << ra << " * " << rb;
  }
  return text;
}

// The heading, the answer and its chain, then its check line and a full stop.
void printAnswerWithCheck(std::ostream& out, std::string_view heading, const DecimalInteger& value,
                          Text check) {
  out << heading << std::endl;
  printWithChain(out, value);
  out << (check << ".") << std::endl;
}

// dividend = ( divisor * quotient ) + remainder, on the residues.
void printDivisionCheck(std::ostream& out, const PairAnswers& answers) {
  const int rb = answers.second.getResidue();
  const int rq = answers.quotient.getResidue();
  const int rr = answers.remainder.getResidue();
  Text text;
  text << "\t\t\t\t\tand " << answers.first.getResidue() << " = ( ";
  if (answers.second.isZero()) {
    text << "undefined";
  } else {
    text << rb;
  }
  text << " * " << rq << " ) + " << rr;
  if (rb * rq > 8) {
    out << (text << " -> ( " << (rb * rq) % 9 << " + " << rr << " )") << std::endl;
  } else {
    out << text;
  }
  out << std::endl;
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

  printAnswerWithCheck(out, "\n\nTheir sum is:", answers.sum, sumCheck(ra, rb));
  printAnswerWithCheck(out, "\nTheir difference is:", answers.difference,
                       differenceCheck(ra, rb));
  printAnswerWithCheck(out, "\nTheir product is:", answers.product, productCheck(ra, rb));

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
