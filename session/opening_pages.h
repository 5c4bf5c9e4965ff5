// The banner and the four pages that open a run.
#ifndef NINES_SESSION_OPENING_PAGES_H_
#define NINES_SESSION_OPENING_PAGES_H_

#include <functional>
#include <ostream>

namespace nines::session {

// Writes the banner and the four pages, calling `pause` at the end of each of
// the first three (after its "Type any character" prompt).
void showOpeningPages(std::ostream& out, const std::function<void()>& pause);

}  // namespace nines::session

#endif  // NINES_SESSION_OPENING_PAGES_H_
