// The judgement of one calculation typed in a checking session.
#ifndef NINES_SESSION_CHECK_REPORT_H_
#define NINES_SESSION_CHECK_REPORT_H_

#include <ostream>

#include "session/calculation.h"

namespace nines::session {

// Writes the operands and the answer (for a division, the quotient and the
// remainder), each with its proof chain, and the nines check line in the
// notation of the dialogue's report; then whether casting out nines finds an
// error. When it finds none but the answer is wrong, casting out elevens
// follows, in the same notation. Last come whether the answer is right (the
// dialogue's own answer, if not) and, when nines missed an error, why. The
// check is judged by the residues it shows; "right" means equal to the
// dialogue's answers, a quotient truncated toward zero and a remainder with
// the dividend's sign.
void printJudgement(std::ostream& out, const Calculation& calculation);

}  // namespace nines::session

#endif  // NINES_SESSION_CHECK_REPORT_H_
