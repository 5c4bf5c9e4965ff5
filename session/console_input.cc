#include "session/console_input.h"

#include <algorithm>
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

// How many of the first `kept` bytes of a word remain when a UTF-8 character
// that the cut at `kept` would split is dropped whole, so that a shortened
// name in any script is still made of whole characters. Bytes that are not
// UTF-8 are cut where they stand.
std::size_t lengthOfWholeCharacters(std::span<const char> word, std::size_t kept) {
  const auto byte = [&word](std::size_t i) { return static_cast<unsigned char>(word[i]); };
  // The last character's first byte is the last byte that does not continue
  // one (10xxxxxx), at most three bytes back.
  std::size_t start = kept;
  while (start > 0 && kept - start < 3 && (byte(start - 1) & 0xC0) == 0x80) --start;
  if (start == 0) return kept;
  const unsigned char first = byte(start - 1);
  const std::size_t needed = first >= 0xF0 && first <= 0xF7   ? 4
                             : first >= 0xE0 && first <= 0xEF ? 3
                             : first >= 0xC0 && first <= 0xDF ? 2
                                                              : 1;
  return kept - (start - 1) < needed ? start - 1 : kept;
}

// The stream's word that readPause sets to 1 while it reads.
int pauseWord() {
  static const int index = std::ios_base::xalloc();
  return index;
}

}  // namespace

void readPause(std::istream& in) {
  in.iword(pauseWord()) = 1;
  if (skipBlanks(in)) advance(in);
  in.iword(pauseWord()) = 0;
}

bool isReadingPause(std::ios_base& stream) { return stream.iword(pauseWord()) != 0; }

WordRead readWord(std::istream& in, std::span<char> buffer) {
  buffer[0] = '\0';
  if (!skipBlanks(in)) return {false, 0, 0};
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
  const std::size_t kept =
      length <= capacity ? length : lengthOfWholeCharacters(buffer, capacity);
  buffer[kept] = '\0';
  return {true, length, kept};
}

LineRead readLine(std::istream& in, std::span<char> buffer) {
  const std::istream::sentry ready(in, /*noskipws=*/true);
  if (!ready) return {false, 0, 0};
  std::size_t length = 0;
  for (;;) {
    const int c = peek(in);
    if (Traits::eq_int_type(c, Traits::eof())) {
      // A line that ends without a line end is still a line.
      in.setstate(length == 0 ? std::ios::eofbit | std::ios::failbit : std::ios::eofbit);
      return {length > 0, length, std::min(length, buffer.size())};
    }
    advance(in);
    if (Traits::to_char_type(c) == '\n') return {true, length, std::min(length, buffer.size())};
    if (length < buffer.size()) buffer[length] = Traits::to_char_type(c);
    ++length;
  }
}

}  // namespace nines::session
