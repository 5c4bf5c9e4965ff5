#include "session/command_line.h"

#include "session/answers_file.h"
#include "session/failure_messages.h"

namespace nines::session {
namespace {

constexpr std::string_view kUsage =
    "Usage: nines\n"
    "       nines --check\n"
    "       nines --help | --version\n";

// What a user needs before the first session; the manual has the rest.
void writeHelp(std::ostream& out) {
  out << kUsage
      << "\n"
         "An interactive calculator for signed integers of up to 38 digits. For\n"
         "each pair of operands typed it prints their sum, difference, product,\n"
         "integral quotient and remainder, and proves every answer by casting out\n"
         "nines.\n"
         "\n"
         "Type x for an operand, or end the input, to end the session. A record\n"
         "of the answers is written to "
      << kAnswersFileName
      << " in the current directory,\n"
         "replacing any file of that name.\n"
         "\n"
         "With --check it checks calculations you worked out by hand instead,\n"
         "typed one a line as A op B = C, where op is + - * / (or \u00d7 \u00f7 :) and\n"
         "the answer C of a division is the quotient, then r and the remainder.\n"
         "It casts out nines, and elevens where nines finds no error in a wrong\n"
         "answer, and says whether the answer is right; it writes no file:\n"
         "\n"
         "  23 * 14 = 322    Casting out nines finds no error.\n"
         "                   Your answer is right.\n"
         "  23 * 14 = 332    Casting out nines finds an error.\n"
         "                   Your answer is wrong: the answer is 322.\n"
         "  23 * 14 = 232    Casting out nines finds no error.\n"
         "                   Casting out elevens finds an error.\n"
         "                   Your answer is wrong: the answer is 322.\n"
         "  23 * 14 = 421    Casting out nines finds no error.\n"
         "                   Casting out elevens finds no error.\n"
         "                   Your answer is wrong: the answer is 322.\n"
         "\n"
         "Type x, or end the input, to finish.\n"
         "\n"
         "  --check    check calculations worked out by hand\n"
         "  --help     print this help and exit\n"
         "  --version  print the version and exit\n"
         "\n"
         "See nines(1) for the rest.\n";
}

}  // namespace

bool asksForChecking(std::span<const char* const> arguments) {
  return !arguments.empty() && std::string_view(arguments.front()) == "--check";
}

std::optional<int> answerArguments(std::span<const char* const> arguments,
                                   std::string_view version, std::ostream& out,
                                   std::ostream& err) {
  if (arguments.empty()) return std::nullopt;
  const std::string_view argument = arguments.front();
  if (asksForChecking(arguments)) return std::nullopt;
  if (argument == "--help") {
    writeHelp(out);
  } else if (argument == "--version") {
    out << "nines " << version << "\n";
  } else {
    err << "nines: unknown argument '" << argument << "'\n" << kUsage << std::flush;
    return 2;
  }
  if (!out.flush()) {
    err << kOutputFailed << std::endl;
    return 1;
  }
  return 0;
}

}  // namespace nines::session
