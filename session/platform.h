// The few things the program needs that standard C++ leaves to each
// platform. Every call outside the standard library is in platform.cc, or,
// for the line editor, in platform_libedit.cc.
#ifndef NINES_SESSION_PLATFORM_H_
#define NINES_SESSION_PLATFORM_H_

#include <ctime>
#include <memory>

#include "session/edited_console.h"

namespace nines::platform {

// The local broken-down form of a calendar time.
std::tm localTime(std::time_t seconds);

// Whether standard input and output had no open descriptor when the program
// started.
struct ClosedStandardStreams {
  bool in = false;
  bool out = false;
};

// Opens the null device on each of the three standard descriptors that is
// closed, so that a file opened later (answers.txt) cannot take its number
// and receive bytes meant for that stream. Call before anything is opened;
// reports whether input and output were closed (a closed standard error
// needs nothing more).
ClosedStandardStreams holdStandardDescriptors();

// A line editor for standard input when standard input and output are both
// terminals, the build has one (libedit) and the locale names the typed
// characters; otherwise none, and the terminal reads the lines itself.
std::unique_ptr<session::LineEditor> terminalLineEditor();

}  // namespace nines::platform

#endif  // NINES_SESSION_PLATFORM_H_
