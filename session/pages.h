// The fixed screens: the banner and four pages that open a run, and the
// closing screen.
#ifndef NINES_SESSION_PAGES_H_
#define NINES_SESSION_PAGES_H_

#include <ctime>
#include <functional>
#include <ostream>
#include <string_view>

namespace nines::session {

// When the program was built, as the compiler spells it: "hh:mm:ss" and
// "Mmm dd yyyy" with the day padded by a blank.
struct CompileStamp {
  std::string_view time;
  std::string_view date;
};

// Writes the banner and the four pages, calling `pause` at the end of each of
// the first three (after its "Type any character" prompt).
void showOpeningPages(std::ostream& out, const std::function<void()>& pause);

// Writes where the answers are (`answersPlace`, a line of the shell's own), a
// slogan chosen by `now` (the calendar time), the sign-off, and when the
// program was built and run (`local`, the local form of `now`).
void showClosingScreen(std::ostream& out, std::time_t now, const std::tm& local,
                       CompileStamp compiled, std::string_view answersPlace);

}  // namespace nines::session

#endif  // NINES_SESSION_PAGES_H_
