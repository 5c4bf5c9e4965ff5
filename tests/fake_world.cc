#include "tests/fake_world.h"

#include <chrono>

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

}  // namespace nines::testing
