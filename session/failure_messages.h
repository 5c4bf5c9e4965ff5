// What the program says on standard error when the answers file or the
// console fails it, a line each.
#ifndef NINES_SESSION_FAILURE_MESSAGES_H_
#define NINES_SESSION_FAILURE_MESSAGES_H_

#include <string_view>

namespace nines::session {

inline constexpr std::string_view kFileOpenFailed = "File could not be opened";
inline constexpr std::string_view kFileWriteFailed = "File could not be written";
inline constexpr std::string_view kInputFailed = "Input could not be read";
inline constexpr std::string_view kOutputFailed = "Output could not be written";

}  // namespace nines::session

#endif  // NINES_SESSION_FAILURE_MESSAGES_H_
