// The whole dialogue of one run, with its world passed in.
#ifndef NINES_SESSION_SESSION_H_
#define NINES_SESSION_SESSION_H_

#include <cstddef>
#include <ctime>
#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string_view>

#include "session/pages.h"

namespace nines::session {

// Calendar time: seconds since the epoch and their local broken-down form.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::time_t now() const = 0;
  virtual std::tm localTime(std::time_t seconds) const = 0;
};

// Opens the answers file for output, replacing it; a null or failed stream
// means it could not be opened.
using AnswersOpener = std::function<std::unique_ptr<std::ostream>()>;

// The longest words the dialogue keeps: an operand text is a sign and
// kOperandDigits digits, and a name kNameBytes bytes.
inline constexpr std::size_t kOperandDigits = 38;
inline constexpr std::size_t kOperandChars = kOperandDigits + 1;
inline constexpr std::size_t kNameBytes = 31;

struct SessionWorld {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  const Clock& clock;
  CompileStamp compiled;
  AnswersOpener openAnswers;
  // The line of the closing screen that says where the answers file is found
  // after the run, in the shell's words: the console's names the current
  // directory, the page's its save button.
  std::string_view answersPlace;
  // Told the name once it is read (with 0) and the number of pairs done after
  // each pair, for a shell that says whose session it shows; may be empty.
  std::function<void(std::string_view name, int pairsDone)> progress = {};
};

// Runs the dialogue from the opening banner to the closing screen. A read
// error of `in` ends the dialogue as the end of input does. Returns the exit
// status: 0, or 1 when the answers file could not be opened or written, when
// `in` could not be read or when a write to `out` failed; each failure is
// told on `err`.
int runSession(const SessionWorld& world);

}  // namespace nines::session

#endif  // NINES_SESSION_SESSION_H_
