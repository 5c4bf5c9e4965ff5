// The program entry: wires the real console, clock and file into the session,
// or the console alone into the checking session.
#include <cstddef>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <span>

#include "session/answers_file.h"
#include "session/check_session.h"
#include "session/command_line.h"
#include "session/edited_console.h"
#include "session/platform.h"
#include "session/session.h"
#include "session/system_clock.h"

int main(int argc, char* argv[]) {
  // A standard stream that was closed at start cannot be used: the session
  // finds it failed and says so when the run ends.
  const nines::platform::ClosedStandardStreams closed =
      nines::platform::holdStandardDescriptors();
  // Only the standard streams are used, so they need not pass every insertion
  // through C stdio; they keep their own buffers, still flushed at every line
  // end that asks for it and, through the tie, before every read.
  std::ios::sync_with_stdio(false);
  if (closed.in) std::cin.setstate(std::ios::badbit);
  if (closed.out) std::cout.setstate(std::ios::badbit);

  // --help and --version end the run before anything is read or written.
  const std::span<const char* const> arguments =
      argc > 1 ? std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1))
               : std::span<const char* const>();
  if (const std::optional<int> status =
          nines::session::answerArguments(arguments, NINES_VERSION, std::cout, std::cerr)) {
    return *status;
  }
  // At a terminal, the lines are read through the platform's line editor.
  const nines::session::EditedConsole console(std::cin, std::cout,
                                              nines::platform::terminalLineEditor());
  if (nines::session::asksForChecking(arguments)) {
    return nines::session::runCheckSession(std::cin, std::cout, std::cerr);
  }

  const nines::session::SystemClock clock;
  return nines::session::runSession({
      .in = std::cin,
      .out = std::cout,
      .err = std::cerr,
      .clock = clock,
      .compiled = {__TIME__, __DATE__},
      .openAnswers = [] {
        return std::make_unique<std::ofstream>(nines::session::kAnswersFileName);
      },
      .answersPlace = "It is in the current directory.",
  });
}
