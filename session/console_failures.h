// What the program says on standard error when the console fails it.
#ifndef NINES_SESSION_CONSOLE_FAILURES_H_
#define NINES_SESSION_CONSOLE_FAILURES_H_

#include <string_view>

namespace nines::session {

inline constexpr std::string_view kInputFailed = "Input could not be read";
inline constexpr std::string_view kOutputFailed = "Output could not be written";

}  // namespace nines::session

#endif  // NINES_SESSION_CONSOLE_FAILURES_H_
