// The answers file: a printable record of the run.
#ifndef NINES_SESSION_ANSWERS_FILE_H_
#define NINES_SESSION_ANSWERS_FILE_H_

#include <ctime>
#include <ostream>
#include <string_view>

#include "session/pair_answers.h"
#include "session/quotient_approximation.h"

namespace nines::session {

// The file's name, in the current directory.
inline constexpr const char* kAnswersFileName = "answers.txt";

// "\t\t** NAME's Operands and Answers **" and four line ends.
void writeHeading(std::ostream& file, std::string_view name);

// The operands and five answers, each with its compressed chain, then the
// combined quotient and two closing rules.
void writePairBlock(std::ostream& file, const PairAnswers& answers,
                    const QuotientApproximation& approximation);

// The Name, Date (mm/dd/yy) and Time (hh:mm:ss) lines; no line end follows.
void writeClosingLines(std::ostream& file, std::string_view name, const std::tm& localTime);

}  // namespace nines::session

#endif  // NINES_SESSION_ANSWERS_FILE_H_
