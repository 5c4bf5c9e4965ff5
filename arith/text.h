// Output assembled in memory and written with one insertion.
#ifndef NINES_ARITH_TEXT_H_
#define NINES_ARITH_TEXT_H_

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cstddef>
#include <ostream>
#include <string_view>

namespace nines {

// A run of texts, characters and integers written to a stream with a single
// insertion. A value, its chain and a report are made of many small pieces,
// and each formatted insertion costs far more than the few bytes it adds.
// Integers are plain decimals, as a stream in the C locale writes them.
//
// The runs are short (a value is at most 82 characters, and a name of at most
// 31 is the only piece of unbounded origin), so the text lives in the object:
// it holds kCapacity characters, and anything beyond is dropped.
class Text {
 public:
  static constexpr std::size_t kCapacity = 256;

  Text& operator<<(std::string_view piece) {
    assert(piece.size() <= kCapacity - size_ && "Text is full");
    const std::size_t kept = std::min(piece.size(), kCapacity - size_);
    std::copy_n(piece.data(), kept, chars_.data() + size_);
    size_ += kept;
    return *this;
  }
  Text& operator<<(char c) { return *this << std::string_view(&c, 1); }
  Text& operator<<(int n) {
    char digits[12];
    const char* end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    return *this << std::string_view(digits, static_cast<std::size_t>(end - digits));
  }

  friend std::ostream& operator<<(std::ostream& out, const Text& text) {
    return out.write(text.chars_.data(), static_cast<std::streamsize>(text.size_));
  }

 private:
  std::array<char, kCapacity> chars_;
  std::size_t size_ = 0;
};

}  // namespace nines

#endif  // NINES_ARITH_TEXT_H_
