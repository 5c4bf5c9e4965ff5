#include "session/answers_file.h"

#include "session/rules.h"
#include "arith/text.h"
#include "session/time_text.h"

namespace nines::session {
namespace {

// The chain in short, on the line below its value: the digit sum, then the
// single digit and the residue where each differs from the member before it.
Text chainInShort(const DecimalInteger& v) {
  Text text;
  text << "\n\t\t\t\t->  " << v.getDigitSum();
  if (v.getSingleDigit() != v.getDigitSum()) text << kChainArrow << v.getSingleDigit();
  if (v.getResidue() != v.getSingleDigit()) text << kChainArrow << v.getResidue();
  return text;
}

}  // namespace

void writeHeading(std::ostream& file, std::string_view name) {
  file << (Text() << "\t\t** " << name << "'s Operands and Answers **\n\n\n\n");
}

void writePairBlock(std::ostream& file, const PairAnswers& answers,
                    const QuotientApproximation& approximation) {
  file << "Operands:\n\n" << answers.first << (chainInShort(answers.first) << "\n\n")
       << answers.second << (chainInShort(answers.second) << "\n\n" << kRule14) << std::endl;

  Text quotientChain;
  if (answers.second.isZero()) {
    quotientChain << "\n\t\t\t\t->  undefined";
  } else {
    quotientChain = chainInShort(answers.quotient);
  }
  file << "\n\tAnswers\t\t\t\"Proofs\"" "\n\nSum:\n" << answers.sum
       << (chainInShort(answers.sum) << "\n\nDifference:\n") << answers.difference
       << (chainInShort(answers.difference) << "\n\nProduct:\n") << answers.product
       << (chainInShort(answers.product) << "\n\nIntegral quotient:\n") << answers.quotient
       << (quotientChain << "\n\n... and remainder:\n") << answers.remainder
       << chainInShort(answers.remainder);

  writeApproximation(file, answers, approximation);
  file << (Text() << kRule20 << "\n" << kRule20 << "\n\n");
}

void writeClosingLines(std::ostream& file, std::string_view name, const std::tm& localTime) {
  file << (Text() << "\t\t\t\t\tName:  " << name << "\n\t\t\t\t\tDate:  "
                  << formatTime(localTime, "%m/%d/%y") << "\n\t\t\t\t\tTime:  "
                  << formatTime(localTime, "%H:%M:%S"));
}

}  // namespace nines::session
