#include "session/time_text.h"

#include <array>

namespace nines::session {

std::string formatTime(const std::tm& time, const char* pattern) {
  std::array<char, 64> text;
  return {text.data(), std::strftime(text.data(), text.size(), pattern, &time)};
}

}  // namespace nines::session
