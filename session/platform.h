// The few things the program needs that standard C++ leaves to each
// platform. Every call outside the standard library is in platform.cc.
#ifndef NINES_SESSION_PLATFORM_H_
#define NINES_SESSION_PLATFORM_H_

#include <ctime>

namespace nines::platform {

// The local broken-down form of a calendar time.
std::tm localTime(std::time_t seconds);

// Which standard streams had no open descriptor when the program started.
struct ClosedStandardStreams {
  bool in = false;
  bool out = false;
  bool err = false;
};

// Opens the null device on each standard descriptor that is closed, so that a
// file opened later (answers.txt) cannot take its number and receive bytes
// meant for that stream. Call before anything is opened; reports which were
// closed.
ClosedStandardStreams holdStandardDescriptors();

}  // namespace nines::platform

#endif  // NINES_SESSION_PLATFORM_H_
