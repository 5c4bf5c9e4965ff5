#include "session/answers_file.h"

#include <array>

#include "session/rules.h"

namespace nines::session {
namespace {

// The chain in short: the digit sum, then the single digit and the residue
// where each differs from the member before it.
void writeCompressedChain(std::ostream& file, const DecimalInteger& v) {
  file << "\n\t\t\t\t->  " << v.getDigitSum();
  if (v.getSingleDigit() != v.getDigitSum()) file << "  ->  " << v.getSingleDigit();
  if (v.getResidue() != v.getSingleDigit()) file << "  ->  " << v.getResidue();
}

void writeWithChain(std::ostream& file, const DecimalInteger& v) {
  file << v;
  writeCompressedChain(file, v);
}

// strftime with a fixed pattern; the result always fits.
std::string_view format(std::array<char, 16>& buffer, const char* pattern, const std::tm& t) {
  return {buffer.data(), std::strftime(buffer.data(), buffer.size(), pattern, &t)};
}

}  // namespace

void writeHeading(std::ostream& file, std::string_view name) {
  file << "\t\t** " << name << "'s Operands and Answers **\n\n\n\n";
}

void writePairBlock(std::ostream& file, const PairAnswers& answers,
                    const QuotientApproximation& approximation) {
  file << "Operands:\n\n";
  writeWithChain(file, answers.first);
  file << "\n\n";
  writeWithChain(file, answers.second);
  file << "\n\n" << kRule14 << std::endl;
  file << "\n\tAnswers\t\t\t\"Proofs\"";

  file << "\n\nSum:\n";
  writeWithChain(file, answers.sum);
  file << "\n\nDifference:\n";
  writeWithChain(file, answers.difference);
  file << "\n\nProduct:\n";
  writeWithChain(file, answers.product);
  file << "\n\nIntegral quotient:\n" << answers.quotient;
  if (divisorIsZero(answers)) {
    file << "\n\t\t\t\t->  undefined";
  } else {
    writeCompressedChain(file, answers.quotient);
  }
  file << "\n\n... and remainder:\n";
  writeWithChain(file, answers.remainder);

  writeApproximation(file, answers, approximation);
  file << kRule20 << "\n" << kRule20 << "\n\n";
}

void writeClosingLines(std::ostream& file, std::string_view name, const std::tm& localTime) {
  std::array<char, 16> date;
  std::array<char, 16> time;
  file << "\t\t\t\t\tName:  " << name;
  file << "\n\t\t\t\t\tDate:  " << format(date, "%m/%d/%y", localTime);
  file << "\n\t\t\t\t\tTime:  " << format(time, "%H:%M:%S", localTime);
}

}  // namespace nines::session
