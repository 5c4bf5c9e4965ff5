#include "tests/fake_world.h"

#include <chrono>

#include "gtest/gtest.h"

namespace nines::testing {

// Worked out with the calendar of <chrono>, which needs no platform call.
std::tm FixedClock::localTime(std::time_t seconds) const {
  using namespace std::chrono;
  const sys_seconds time{std::chrono::seconds(seconds)};
  const sys_days day = floor<days>(time);
  const year_month_day date(day);
  const hh_mm_ss<std::chrono::seconds> clock(time - day);
  std::tm t{};
  t.tm_year = static_cast<int>(date.year()) - 1900;
  t.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
  t.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
  t.tm_hour = static_cast<int>(clock.hours().count());
  t.tm_min = static_cast<int>(clock.minutes().count());
  t.tm_sec = static_cast<int>(clock.seconds().count());
  t.tm_wday = static_cast<int>(weekday(day).c_encoding());
  t.tm_yday = static_cast<int>((day - sys_days(date.year() / January / 1)).count());
  return t;
}

ScriptedLineEditor::ScriptedLineEditor(std::string_view typed, std::stringbuf& screen,
                                       bool failsAtEnd)
    : screen_(screen), failsAtEnd_(failsAtEnd) {
  for (std::size_t end = typed.find('\n'); end != std::string_view::npos;
       end = typed.find('\n')) {
    lines_.emplace_back(typed.substr(0, end));
    typed.remove_prefix(end + 1);
  }
  if (!typed.empty()) lines_.emplace_back(typed);
}

std::optional<std::string> ScriptedLineEditor::readLine(std::string_view prompt, bool remember) {
  const std::string shown = screen_.str();
  if (!shown.empty() && shown.back() != '\n') {
    ADD_FAILURE() << "the prompt \"" << prompt << "\" follows \""
                  << shown.substr(shown.rfind('\n') + 1) << "\" on its line";
  }
  screen_.sputn(prompt.data(), static_cast<std::streamsize>(prompt.size()));
  if (ended_) ADD_FAILURE() << "a read after the end of input";
  if (next_ == lines_.size()) {
    ended_ = true;
    if (failsAtEnd_) throw std::ios_base::failure("read error");
    return std::nullopt;
  }
  if (remember) remembered_.push_back(lines_[next_]);
  return lines_[next_++];
}

}  // namespace nines::testing
