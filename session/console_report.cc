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

  out << "\n\nTheir sum is:" << std::endl;
  printWithChain(out, answers.sum);
  printSumCheck(out, ra, rb);
  out << "." << std::endl;

  out << "\nTheir difference is:" << std::endl;
  printWithChain(out, answers.difference);
  printDifferenceCheck(out, ra, rb);
  out << "." << std::endl;

  out << "\nTheir product is:" << std::endl;
  printWithChain(out, answers.product);
  printProductCheck(out, ra, rb);
  out << "." << std::endl;

  out << "\nThe integer part of the quotient is:" << std::endl;
  printWithChain(out, answers.quotient);
  out << "\n\nwith a remainder of:" << std::endl;
  printWithChain(out, answers.remainder);
  out << "," << std::endl;

  printDivisionCheck(out, answers);
}

}  // namespace nines::session
