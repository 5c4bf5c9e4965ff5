#include "tests/fuzz/checks.h"

#include <cstddef>
#include <ctime>
#include <memory>
#include <optional>
#include <sstream>
#include <streambuf>
#include <string_view>
#include <vector>

#include "session/session.h"
#include "tests/fake_world.h"
#include "tests/fuzz/occurrences.h"

namespace nines::fuzz {
namespace {

using session::kNameBytes;
using session::kOperandChars;

// The console's reading rules, restated over a string: blanks and line ends
// separate words; a word is everything up to the next one.
class Reader {
 public:
  explicit Reader(std::string_view input) : rest_(input) {}

  void pause() {
    skipBlanks();
    if (!rest_.empty()) rest_.remove_prefix(1);
  }

  std::optional<std::string_view> word() {
    skipBlanks();
    if (rest_.empty()) return std::nullopt;
    std::size_t length = 0;
    while (length < rest_.size() && !isBlank(rest_[length])) ++length;
    const std::string_view w = rest_.substr(0, length);
    rest_.remove_prefix(length);
    return w;
  }

 private:
  static bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
  }
  void skipBlanks() {
    while (!rest_.empty() && isBlank(rest_.front())) rest_.remove_prefix(1);
  }

  std::string_view rest_;
};

// The endings that a UTF-8 character cut short leaves: the lead byte of a
// two-, three- or four-byte character with fewer continuation bytes after it
// than it needs. At most one of them ends any text.
struct ByteRange {
  unsigned char low, high;
};
constexpr ByteRange kLead2{0xC0, 0xDF}, kLead3{0xE0, 0xEF}, kLead4{0xF0, 0xF7};
constexpr ByteRange kContinuation{0x80, 0xBF};
const std::vector<std::vector<ByteRange>> kCutShort = {
    {kLead2},        {kLead3}, {kLead3, kContinuation}, {kLead4}, {kLead4, kContinuation},
    {kLead4, kContinuation, kContinuation},
};

// How many bytes at the end of a cut word are a character cut short, which
// the name leaves out whole.
std::size_t splitCharacterEnding(std::string_view text) {
  for (const std::vector<ByteRange>& ending : kCutShort) {
    if (ending.size() > text.size()) continue;
    const std::string_view tail = text.substr(text.size() - ending.size());
    bool matches = true;
    for (std::size_t i = 0; i < ending.size(); ++i) {
      const auto byte = static_cast<unsigned char>(tail[i]);
      matches = matches && byte >= ending[i].low && byte <= ending[i].high;
    }
    if (matches) return ending.size();
  }
  return 0;
}

struct Prediction {
  std::string name;
  std::size_t pairs = 0;
  std::size_t refusals = 0;
};

// Three pauses, the name, then operand pairs until either operand of a pair
// starts with "x" or the input ends. A word too long to be an operand is
// refused and another read in its place, unless it starts with "x".
Prediction predict(std::string_view input) {
  Reader reader(input);
  for (int i = 0; i < 3; ++i) reader.pause();
  Prediction p;
  const std::string_view word = reader.word().value_or("");
  std::string_view name = word.substr(0, kNameBytes);
  if (word.size() > kNameBytes) name.remove_suffix(splitCharacterEnding(name));
  p.name = name.substr(0, name.find('\0'));

  const auto operand = [&]() -> std::string_view {
    for (;;) {
      const std::optional<std::string_view> w = reader.word();
      if (!w) return "x";
      if (w->size() <= kOperandChars || w->front() == 'x') return *w;
      ++p.refusals;
    }
  };
  for (;;) {
    const std::string_view first = operand();
    const std::string_view second = operand();
    if (first.front() == 'x' || second.front() == 'x') return p;
    ++p.pairs;
  }
}

std::string countMismatch(const char* what, std::size_t actual, std::size_t expected) {
  if (actual == expected) return "";
  return std::string(what) + ": " + std::to_string(actual) + ", expected " +
         std::to_string(expected);
}

}  // namespace

std::string checkSession(std::string_view input) {
  std::istringstream in{std::string(input)};
  std::ostringstream out;
  std::ostringstream err;
  std::stringbuf answers;
  // The epoch, so that the dates and times written are known.
  const testing::FixedClock clock(0);
  const int status = session::runSession({
      .in = in,
      .out = out,
      .err = err,
      .clock = clock,
      .compiled = {"12:34:56", "Dec  8 2026"},
      .openAnswers = [&] { return std::make_unique<std::ostream>(&answers); },
      .answersPlace = "It is in the current directory.",
  });

  if (status != 0) return "status " + std::to_string(status);
  if (!err.str().empty()) return "standard error: " + err.str();

  const Prediction p = predict(input);
  const std::string console = out.str();
  const std::string file = answers.str();
  for (const std::string& m : {
           countMismatch("console reports", occurrences(console, "\nThe first operand is:"),
                         p.pairs),
           countMismatch("answers-file blocks", occurrences(file, "Operands:\n\n"), p.pairs),
           countMismatch("refusals", occurrences(console, "That entry is too long"), p.refusals),
           countMismatch("closing screens",
                         occurrences(console, "To print the answers you calculated"), 1),
       }) {
    if (!m.empty()) return m;
  }

  const std::string heading = "\t\t** " + p.name + "'s Operands and Answers **\n\n\n\n";
  const std::string closing =
      "\t\t\t\t\tName:  " + p.name + "\n\t\t\t\t\tDate:  01/01/70\n\t\t\t\t\tTime:  00:00:00";
  if (!file.starts_with(heading)) return "the answers file does not start with " + heading;
  if (!file.ends_with(closing)) return "the answers file does not end with " + closing;
  if (!console.ends_with("\t\t\t\tRun time\t00:00:00 Jan 01 1970\n\n")) {
    return "the console output does not end with the run time";
  }
  return "";
}

}  // namespace nines::fuzz
