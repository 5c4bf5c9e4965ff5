// Bounded reads from the console, whatever arrives.
#ifndef NINES_SESSION_CONSOLE_INPUT_H_
#define NINES_SESSION_CONSOLE_INPUT_H_

#include <cstddef>
#include <istream>
#include <span>

namespace nines::session {

// Neither read throws. A read error marks the stream bad and from then on
// reads as the end of input.

// Skips blanks and line ends (the classic C locale's white space) and takes
// one character. At end of input it just returns.
void readPause(std::istream& in);

// The outcome of readWord.
struct WordRead {
  bool found;          // false at end of input or on a failed stream
  std::size_t length;  // the whole word's length, kept or not
  std::size_t kept;    // how many of its bytes are stored before the terminator
};

// Skips blanks and line ends and reads one word up to the next blank or line
// end. Its first buffer.size() - 1 bytes are stored with a terminator; the
// rest of the word is consumed and dropped, and a UTF-8 character that the
// cut would split is dropped whole. Any byte, NUL included, can be part of a
// word.
WordRead readWord(std::istream& in, std::span<char> buffer);

// The outcome of readLine.
struct LineRead {
  bool found;          // false when no byte was left, or on a failed stream
  std::size_t length;  // the whole line's length without its line end, kept or not
  std::size_t kept;    // how many of its first bytes are stored
};

// Reads one line, up to the next line end ("\n", which is consumed and not
// stored) or the end of input. Its first buffer.size() bytes are stored, with
// no terminator; the rest of the line is consumed and dropped. Any byte, NUL
// and CR included, can be part of a line.
LineRead readLine(std::istream& in, std::span<char> buffer);

// Whether readPause is reading `stream`; a line editor beneath it asks, to
// keep the pauses' lines out of its history.
bool isReadingPause(std::ios_base& stream);

}  // namespace nines::session

#endif  // NINES_SESSION_CONSOLE_INPUT_H_
