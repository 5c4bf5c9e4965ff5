#include "session/command_line.h"

#include "session/answers_file.h"
#include "session/failure_messages.h"

namespace nines::session {
namespace {

constexpr std::string_view kUsage =
    "Usage: nines\n"
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
         "  --help     print this help and exit\n"
         "  --version  print the version and exit\n"
         "\n"
         "See nines(1) for the rest.\n";
}

}  // namespace

std::optional<int> answerArguments(std::span<const char* const> arguments,
                                   std::string_view version, std::ostream& out,
                                   std::ostream& err) {
  if (arguments.empty()) return std::nullopt;
  const std::string_view argument = arguments.front();
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
