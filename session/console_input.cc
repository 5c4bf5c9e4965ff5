#include "session/console_input.h"

#include <streambuf>
#include <string>

namespace nines::session {
namespace {

using Traits = std::char_traits<char>;

bool isBlank(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Calls `step` on the stream's buffer. A file buffer reports a read error by
// throwing; the stream is then marked bad, as the stream's own reads would
// mark it, and the read sees the end of input. Nothing is thrown on.
template <class Step>
int guarded(std::istream& in, Step step) {
  try {
    return step(*in.rdbuf());
  } catch (...) {
    in.setstate(std::ios::badbit);
    return Traits::eof();
  }
}

int peek(std::istream& in) {
  return guarded(in, [](std::streambuf& buffer) { return buffer.sgetc(); });
}

void advance(std::istream& in) {
  guarded(in, [](std::streambuf& buffer) { return buffer.sbumpc(); });
}

// Readies the stream and skips white space. The sentry flushes a tied output
// stream first, so a prompt without a line end is on screen before the wait.
// Returns false when no character is left or the stream cannot be read.
bool skipBlanks(std::istream& in) {
  const std::istream::sentry ready(in, /*noskipws=*/true);
  if (!ready) return false;
  for (;;) {
    const int c = peek(in);
    if (Traits::eq_int_type(c, Traits::eof())) {
      in.setstate(std::ios::eofbit | std::ios::failbit);
      return false;
    }
    if (!isBlank(c)) return true;
    advance(in);
  }
}

}  // namespace

void readPause(std::istream& in) {
  if (skipBlanks(in)) advance(in);
}

WordRead readWord(std::istream& in, std::span<char> buffer) {
  buffer[0] = '\0';
  if (!skipBlanks(in)) return {false, 0};
  const std::size_t capacity = buffer.size() - 1;
  std::size_t length = 0;
  for (;;) {
    const int c = peek(in);
    if (Traits::eq_int_type(c, Traits::eof())) {
      in.setstate(std::ios::eofbit);
      break;
    }
    if (isBlank(c)) break;
    if (length < capacity) buffer[length] = Traits::to_char_type(c);
    ++length;
    advance(in);
  }
  buffer[length < capacity ? length : capacity] = '\0';
  return {true, length};
}

}  // namespace nines::session
