// Output assembled in memory and written with one insertion.
#ifndef NINES_ARITH_TEXT_H_
#define NINES_ARITH_TEXT_H_

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cstddef>
#include <ios>
#include <ostream>
#include <string_view>

namespace nines {

// A run of texts, characters and integers written to a stream with a single
// insertion. A value, its chain and a report are made of many small pieces,
// and each formatted insertion costs far more than the few bytes it adds.
// Integers are plain decimals, as a stream in the C locale writes them.
//
// The runs are short, so the text lives in the object: it holds kCapacity
// characters, twice the longest run the program makes (two closing rules of
// the answers file, 125 characters; a value is at most 82, a line with the
// user's name at most 85). A run that outgrows it is a fault: it asserts,
// and where assertions are off the stream it is written to fails, so no
// output goes missing unnoticed.
class Text {
 public:
  static constexpr std::size_t kCapacity = 256;

  Text& operator<<(std::string_view piece) {
    assert(piece.size() <= kCapacity - size_ && "Text is full");
    const std::size_t kept = std::min(piece.size(), kCapacity - size_);
    std::copy_n(piece.data(), kept, chars_.data() + size_);
    size_ += kept;
    whole_ = whole_ && kept == piece.size();
    return *this;
  }
  Text& operator<<(char c) { return *this << std::string_view(&c, 1); }
  Text& operator<<(int n) {
    char digits[12];
    const char* end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    return *this << std::string_view(digits, static_cast<std::size_t>(end - digits));
  }

  friend std::ostream& operator<<(std::ostream& out, const Text& text) {
    out.write(text.chars_.data(), static_cast<std::streamsize>(text.size_));
    if (!text.whole_) out.setstate(std::ios::badbit);
    return out;
  }

 private:
  std::array<char, kCapacity> chars_;
  std::size_t size_ = 0;
  bool whole_ = true;
};

}  // namespace nines

#endif  // NINES_ARITH_TEXT_H_
