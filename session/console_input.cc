#include "session/console_input.h"

#include <streambuf>
#include <string>

namespace nines::session {
namespace {

using Traits = std::char_traits<char>;

bool isBlank(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Readies the stream and skips white space. The sentry flushes a tied output
// stream first, so a prompt without a line end is on screen before the wait.
// Returns the stream buffer, or nullptr when no character is left.
std::streambuf* skipBlanks(std::istream& in) {
  const std::istream::sentry ready(in, /*noskipws=*/true);
  if (!ready) return nullptr;
  std::streambuf* buffer = in.rdbuf();
  for (;;) {
    const int c = buffer->sgetc();
    if (Traits::eq_int_type(c, Traits::eof())) {
      in.setstate(std::ios::eofbit | std::ios::failbit);
      return nullptr;
    }
    if (!isBlank(c)) return buffer;
    buffer->sbumpc();
  }
}

}  // namespace

void readPause(std::istream& in) {
  if (std::streambuf* buffer = skipBlanks(in)) buffer->sbumpc();
}

WordRead readWord(std::istream& in, std::span<char> buffer) {
  buffer[0] = '\0';
  std::streambuf* source = skipBlanks(in);
  if (source == nullptr) return {false, 0};
  const std::size_t capacity = buffer.size() - 1;
  std::size_t length = 0;
  for (;;) {
    const int c = source->sgetc();
    if (Traits::eq_int_type(c, Traits::eof())) {
      in.setstate(std::ios::eofbit);
      break;
    }
    if (isBlank(c)) break;
    if (length < capacity) buffer[length] = Traits::to_char_type(c);
    ++length;
    source->sbumpc();
  }
  buffer[length < capacity ? length : capacity] = '\0';
  return {true, length};
}

}  // namespace nines::session
