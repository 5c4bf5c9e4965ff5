// The checking session: calculations worked out by hand, typed one a line,
// each judged by casting out nines and against the dialogue's own answer.
#ifndef NINES_SESSION_CHECK_SESSION_H_
#define NINES_SESSION_CHECK_SESSION_H_

#include <istream>
#include <ostream>

namespace nines::session {

// Runs a checking session: a heading, then a prompt and a line read at a
// time until "x" or the end of input. Each line gets the judgement of its
// calculation or one line saying what is wrong with it. Nothing is written
// but to `out` and `err`. A read error of `in` ends the session as the end
// of input does, and a failed write to `out` ends it at once. Returns the
// exit status: 0, or 1 when `in` could not be read or `out` written; each
// failure is told on `err`.
int runCheckSession(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace nines::session

#endif  // NINES_SESSION_CHECK_SESSION_H_
