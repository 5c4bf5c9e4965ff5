// The clock of the machine the program runs on.
#ifndef NINES_SESSION_SYSTEM_CLOCK_H_
#define NINES_SESSION_SYSTEM_CLOCK_H_

#include <ctime>

#include "session/platform.h"
#include "session/session.h"

namespace nines::session {

// The calendar time of the system, and its local form in the system's time
// zone.
class SystemClock final : public Clock {
 public:
  std::time_t now() const override { return std::time(nullptr); }
  std::tm localTime(std::time_t seconds) const override {
    return platform::localTime(seconds);
  }
};

}  // namespace nines::session

#endif  // NINES_SESSION_SYSTEM_CLOCK_H_
