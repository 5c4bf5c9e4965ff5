#include "session/console_report.h"

#include <string_view>

#include "session/rules.h"

namespace nines::session {
namespace {

constexpr std::string_view kCheckLead = ",\n\t\t\t\t\twhich = ";
constexpr std::string_view kArrow = "  ->  ";

// A value on its own line, then its chain (which ends without a line end).
void printWithChain(std::ostream& out, const DecimalInteger& value) {
  out << value << std::endl;
  value.printProofChain(out, value);
}

void printSumCheck(std::ostream& out, int ra, int rb) {
  const int s = ra + rb;
  out << kCheckLead;
  if (s >= 9) out << "(";
  out << ra << " + " << rb;
  if (s > 9) out << ")" << kArrow << s << kArrow << s % 9;
  if (s == 9) out << ")  ->  0";
}

void printDifferenceCheck(std::ostream& out, int ra, int rb) {
  const int d = ra - rb;
  out << kCheckLead;
  if (ra < rb) {
    out << "(" << ra << " - " << rb << ")" << kArrow << d << kArrow << d + 9;
  } else {
    out << ra << " - " << rb;
  }
}

void printProductCheck(std::ostream& out, int ra, int rb) {
  const int p = ra * rb;
  out << kCheckLead;
  if (p > 9) {
    out << "(" << ra << " * " << rb << ")" << kArrow << p << kArrow << p % 9;
  } else {
    out << ra << " * " << rb;
  }
}

// The heading, the answer and its chain, then its check line and a full stop.
void printAnswerWithCheck(std::ostream& out, std::string_view heading, const DecimalInteger& value,
                          void (*printCheck)(std::ostream&, int, int), int ra, int rb) {
  out << heading << std::endl;
  printWithChain(out, value);
  printCheck(out, ra, rb);
  out << "." << std::endl;
}

// dividend = ( divisor * quotient ) + remainder, on the residues.
void printDivisionCheck(std::ostream& out, const PairAnswers& answers) {
  const int rb = answers.second.getResidue();
  const int rq = answers.quotient.getResidue();
  out << "\t\t\t\t\tand " << answers.first.getResidue() << " = ( ";
  if (divisorIsZero(answers)) {
    out << "undefined";
  } else {
    out << rb;
  }
  out << " * " << rq << " ) + " << answers.remainder.getResidue();
  if (rb * rq > 8) {
    out << " -> ( " << (rb * rq) % 9 << " + " << answers.remainder.getResidue() << " )"
        << std::endl;
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

  printAnswerWithCheck(out, "\n\nTheir sum is:", answers.sum, printSumCheck, ra, rb);
  printAnswerWithCheck(out, "\nTheir difference is:", answers.difference, printDifferenceCheck,
                       ra, rb);
  printAnswerWithCheck(out, "\nTheir product is:", answers.product, printProductCheck, ra, rb);

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
