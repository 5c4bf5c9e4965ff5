#include "session/session.h"

#include <array>
#include <span>

#include "arith/decimal_integer.h"
#include "session/answers_file.h"
#include "session/console_input.h"
#include "session/console_report.h"
#include "session/failure_messages.h"
#include "session/pages.h"
#include "session/pair_answers.h"
#include "session/quotient_approximation.h"
#include "session/rules.h"

namespace nines::session {
namespace {

// Each with its terminator.
using NameBuffer = std::array<char, kNameBytes + 1>;
using OperandBuffer = std::array<char, kOperandChars + 1>;

constexpr char kExit = 'x';
constexpr std::string_view kIndent = "        ";
constexpr std::string_view kGuide =
    "    -->|                                       | <------  (38 spaces + 1)";
constexpr std::string_view kShortGuide = "    -->|                                       |<---";
constexpr std::string_view kExitHint = "   ( or enter \"x\", and enter \"x\" again, to exit )";

void promptFirstOperand(std::ostream& out, bool firstPass) {
  out << (firstPass ? "\n" : "\n\n") << kRule25 << std::endl;
  out << kRule25 << std::endl << std::endl;
  if (firstPass) {
    out << " Enter a string of 38 or fewer digits preceded by a - sign if desired" << std::endl;
    out << " or optionally by a + sign.  Omit commas." << std::endl;
  } else {
    out << " Do another?  Enter a +/- string of 38 or fewer digits.  No commas.\n";
  }
  out << kExitHint << std::endl << std::endl;
  out << kGuide << std::endl << kIndent;
}

void promptSecondOperand(std::ostream& out, bool firstPass) {
  if (firstPass) {
    out << "\n Enter a second +/- string of 38 or fewer digits:\n";
    out << "  ( or \"x\" to exit )" << std::endl << std::endl;
  } else {
    out << "\n Enter a second +/- string of 38 or fewer digits\n";
    out << "   ( or \"x\" to exit )" << std::endl << std::endl;
  }
  out << kShortGuide << std::endl << kIndent;
}

// Reads one operand text. A word too long for the buffer would be a
// different number if cut, so it is refused and asked for again, unless it
// starts with "x" and so ends the loop anyway. End of input reads as "x".
void readOperand(std::istream& in, std::ostream& out, OperandBuffer& text,
                 std::string_view guide) {
  for (;;) {
    const WordRead word = readWord(in, text);
    if (!word.found) {
      text = {kExit};
      return;
    }
    if (word.length < text.size() || text[0] == kExit) return;
    out << "\n That entry is too long: enter 38 or fewer digits, with a sign if desired."
        << std::endl << std::endl;
    out << guide << std::endl << kIndent;
  }
}

}  // namespace

int runSession(const SessionWorld& world) {
  std::istream& in = world.in;
  std::ostream& out = world.out;
  NameBuffer name{};
  OperandBuffer first{};
  OperandBuffer second{};

  showOpeningPages(out, [&in] { readPause(in); });
  out << "\tEnter your name...\n\n\t\t";
  readWord(in, name);
  int pairsDone = 0;
  const auto tellProgress = [&] {
    if (world.progress) world.progress(name.data(), pairsDone);
  };
  tellProgress();

  promptFirstOperand(out, /*firstPass=*/true);
  readOperand(in, out, first, kGuide);
  promptSecondOperand(out, /*firstPass=*/true);
  readOperand(in, out, second, kShortGuide);

  const std::unique_ptr<std::ostream> file = world.openAnswers();
  if (!file || !*file) {
    world.err << kFileOpenFailed << std::endl;
    tellConsoleFailures(world.in, world.out, world.err);
    return 1;
  }
  writeHeading(*file, name.data());

  // A write failure (a full disk, say) is reported once; the dialogue goes
  // on, and the run ends with status 1.
  bool fileFailed = false;
  const auto checkFile = [&] {
    if (!fileFailed && !file->flush()) {
      fileFailed = true;
      world.err << kFileWriteFailed << std::endl;
    }
  };

  while (first[0] != kExit && second[0] != kExit) {
    const PairAnswers answers =
        computeAnswers(DecimalInteger(first.data()), DecimalInteger(second.data()));
    const QuotientApproximation approximation = approximateQuotient(answers);
    printConsoleReport(out, answers);
    printApproximation(out, answers, approximation, world.clock.now());
    writePairBlock(*file, answers, approximation);
    checkFile();
    ++pairsDone;
    tellProgress();

    promptFirstOperand(out, /*firstPass=*/false);
    readOperand(in, out, first, kGuide);
    promptSecondOperand(out, /*firstPass=*/false);
    readOperand(in, out, second, kShortGuide);
  }

  const std::time_t now = world.clock.now();
  const std::tm local = world.clock.localTime(now);
  writeClosingLines(*file, name.data(), local);
  checkFile();
  showClosingScreen(out, now, local, world.compiled, world.answersPlace);
  const bool consoleFailed = tellConsoleFailures(world.in, world.out, world.err);
  return fileFailed || consoleFailed ? 1 : 0;
}

}  // namespace nines::session
