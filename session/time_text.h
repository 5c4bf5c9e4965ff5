// Dates and times as text, for the answers file and the closing screen.
#ifndef NINES_SESSION_TIME_TEXT_H_
#define NINES_SESSION_TIME_TEXT_H_

#include <ctime>
#include <string>

namespace nines::session {

// The text strftime makes of `time` with `pattern`, in the C locale; a
// pattern of a few fields, such as "%H:%M:%S".
std::string formatTime(const std::tm& time, const char* pattern);

}  // namespace nines::session

#endif  // NINES_SESSION_TIME_TEXT_H_
