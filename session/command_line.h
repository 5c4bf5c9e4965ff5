// The program's own arguments, answered as an installed command answers
// them; a session takes none.
#ifndef NINES_SESSION_COMMAND_LINE_H_
#define NINES_SESSION_COMMAND_LINE_H_

#include <optional>
#include <ostream>
#include <span>
#include <string_view>

namespace nines::session {

// Answers the arguments after the program's name; the first decides:
// "--help" writes the usage to `out`, "--version" writes "nines " and
// `version`; anything else but "--check" is named on `err`, with the usage.
// Returns the status to end with: 0, 2 for an argument it does not know, 1
// when `out` cannot be written. With no arguments, or "--check", it returns
// nothing, and a session runs.
std::optional<int> answerArguments(std::span<const char* const> arguments,
                                   std::string_view version, std::ostream& out,
                                   std::ostream& err);

// Whether the session to run is the checking session: the first argument is
// "--check".
bool asksForChecking(std::span<const char* const> arguments);

}  // namespace nines::session

#endif  // NINES_SESSION_COMMAND_LINE_H_
