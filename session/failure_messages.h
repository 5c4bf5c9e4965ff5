// What the program says on standard error when the answers file or the
// console fails it, a line each.
#ifndef NINES_SESSION_FAILURE_MESSAGES_H_
#define NINES_SESSION_FAILURE_MESSAGES_H_

#include <istream>
#include <ostream>
#include <string_view>

namespace nines::session {

inline constexpr std::string_view kFileOpenFailed = "File could not be opened";
inline constexpr std::string_view kFileWriteFailed = "File could not be written";
inline constexpr std::string_view kInputFailed = "Input could not be read";
inline constexpr std::string_view kOutputFailed = "Output could not be written";

// A read error ends a session as the end of input would, and a failed
// console write loses part of it; each is told once on `err`, when the
// session ends. Returns whether either happened.
inline bool tellConsoleFailures(const std::istream& in, const std::ostream& out,
                                std::ostream& err) {
  const bool readFailed = in.bad();
  const bool writeFailed = out.fail();
  if (readFailed) err << kInputFailed << std::endl;
  if (writeFailed) err << kOutputFailed << std::endl;
  return readFailed || writeFailed;
}

}  // namespace nines::session

#endif  // NINES_SESSION_FAILURE_MESSAGES_H_
