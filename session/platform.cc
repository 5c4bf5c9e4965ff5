// Platform calls, one section each for POSIX systems and for Windows; the
// line editor's are in platform_libedit.cc.
#include "session/platform.h"

#if defined(_WIN32)
#include <time.h>
#else
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace nines::platform {

#if defined(_WIN32)

std::tm localTime(std::time_t seconds) {
  std::tm local{};
  localtime_s(&local, &seconds);
  return local;
}

// The C runtime marks descriptors 0 to 2 as open at start-up even when no
// handle stands behind one, so a file opened later never takes their numbers.
ClosedStandardStreams holdStandardDescriptors() { return {}; }

#else

std::tm localTime(std::time_t seconds) {
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

ClosedStandardStreams holdStandardDescriptors() {
  bool closed[3] = {};
  for (int fd = 0; fd < 3; ++fd) {
    if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
      closed[fd] = true;
      // open() takes the lowest free descriptor: this one.
      open("/dev/null", O_RDWR);
    }
  }
  return {closed[0], closed[1]};
}

#endif

#if !defined(NINES_LIBEDIT)
// Built without libedit (always so on Windows): see platform_libedit.cc.
std::unique_ptr<session::LineEditor> terminalLineEditor() { return nullptr; }
#endif

}  // namespace nines::platform
