// The console report of one operand pair.
#ifndef NINES_SESSION_CONSOLE_REPORT_H_
#define NINES_SESSION_CONSOLE_REPORT_H_

#include <ostream>

#include "session/pair_answers.h"

namespace nines::session {

// Writes both operands and the five answers, each with its proof chain, and
// after each answer the line that combines the operands' residues the same
// way.
void printConsoleReport(std::ostream& out, const PairAnswers& answers);

}  // namespace nines::session

#endif  // NINES_SESSION_CONSOLE_REPORT_H_
