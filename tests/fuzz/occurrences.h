// Counting a text's parts, for the fuzz checks' verdicts on what a session
// wrote.
#ifndef NINES_TESTS_FUZZ_OCCURRENCES_H_
#define NINES_TESTS_FUZZ_OCCURRENCES_H_

#include <cstddef>
#include <string_view>

namespace nines::fuzz {

// How many times `part` stands in `text`, none overlapping.
inline std::size_t occurrences(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + part.size())) {
    ++count;
  }
  return count;
}

}  // namespace nines::fuzz

#endif  // NINES_TESTS_FUZZ_OCCURRENCES_H_
