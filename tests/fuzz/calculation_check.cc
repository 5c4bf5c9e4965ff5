#include "tests/fuzz/checks.h"

#include <algorithm>
#include <regex>
#include <sstream>
#include <variant>

#include "arith/decimal_integer.h"
#include "session/calculation.h"
#include "session/check_report.h"
#include "session/check_session.h"
#include "tests/fuzz/occurrences.h"

namespace nines::fuzz {
namespace {

using session::Calculation;
using session::Operation;
using session::Reading;
using session::Refusal;

// The calculations the reader takes, written out once more as a pattern:
// each number's sign and digits, the operation, and for a division the
// remainder, in groups 1 to 9.
const std::regex kCalculation(
    "[ \t]*([+-]?)[ \t]*([0-9]{1,38})[ \t]*(\\+|-|\\*|\u00d7|/|:|\u00f7)"
    "[ \t]*([+-]?)[ \t]*([0-9]{1,38})[ \t]*=[ \t]*([+-]?)[ \t]*([0-9]{1,77})"
    "(?:[ \t]*(?:rem|r|R)[ \t]*([+-]?)[ \t]*([0-9]{1,77}))?[ \t]*");

DecimalInteger valueOf(const std::smatch& match, std::size_t sign) {
  return DecimalInteger((match.str(sign) + match.str(sign + 1)).c_str());
}

Operation operationOf(const std::string& mark) {
  if (mark == "+") return Operation::add;
  if (mark == "-") return Operation::subtract;
  if (mark == "*" || mark == "\u00d7") return Operation::multiply;
  return Operation::divide;
}

bool refused(const Reading& reading, Refusal refusal) {
  const Refusal* const kind = std::get_if<Refusal>(&reading);
  return kind != nullptr && *kind == refusal;
}

unsigned byteOf(char c) { return static_cast<unsigned char>(c); }

// "" when the reading of one line is what the pattern says it must be, and
// a calculation's judgement has its verdicts once each.
std::string checkLine(std::string_view typed) {
  const Reading reading = session::readCalculation(typed);
  std::string line(typed.substr(0, typed.size() - (typed.ends_with('\r') ? 1 : 0)));
  const bool tooLong = std::count_if(line.begin(), line.end(), [](char c) {
                         return (byteOf(c) & 0xC0) != 0x80;
                       }) > static_cast<std::ptrdiff_t>(session::kLineCharacters);
  if (tooLong) {
    return refused(reading, Refusal::tooLong) ? "" : "a line too long is not refused as such";
  }
  const bool control = std::any_of(line.begin(), line.end(), [](char c) {
    return (byteOf(c) < 0x20 && c != '\t') || byteOf(c) == 0x7F;
  });
  if (control && !refused(reading, Refusal::notText)) return "a control character is let by";
  if (refused(reading, Refusal::notText)) {
    const bool beyondAscii =
        std::any_of(line.begin(), line.end(), [](char c) { return byteOf(c) >= 0x80; });
    return control || beyondAscii ? "" : "ASCII text refused as not text";
  }
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string::npos) {
    return refused(reading, Refusal::blank) ? "" : "a blank line is not refused as blank";
  }
  const bool finish = line.substr(first, line.find_last_not_of(" \t") + 1 - first) == "x";
  if (finish != std::holds_alternative<session::Finish>(reading)) return "x misread";
  if (finish) return "";

  std::smatch match;
  const bool matches = std::regex_match(line, match, kCalculation);
  const Operation operation = matches ? operationOf(match.str(3)) : Operation::add;
  const bool division = operation == Operation::divide;
  const bool allowed = matches && (division || !match[9].matched);
  const Calculation* const calculation = std::get_if<Calculation>(&reading);
  if (allowed && division && valueOf(match, 4).isZero()) {
    return refused(reading, Refusal::divisionByZero) ? "" : "a division by zero let by";
  }
  if (!allowed) return calculation == nullptr ? "" : "a calculation read from a mistyped line";
  if (calculation == nullptr) return "a calculation refused";
  const DecimalInteger remainder = match[9].matched ? valueOf(match, 8) : DecimalInteger(0);
  if (calculation->operation != operation || !(calculation->a == valueOf(match, 1)) ||
      !(calculation->b == valueOf(match, 4)) || !(calculation->answer == valueOf(match, 6)) ||
      !(calculation->remainder == remainder)) {
    return "a number or the operation misread";
  }

  std::ostringstream out;
  session::printJudgement(out, *calculation);
  const std::string shown = out.str();
  if (occurrences(shown, "\nCasting out nines finds ") != 1 ||
      occurrences(shown, "\nCasting out elevens finds ") > 1 ||
      occurrences(shown, "\nYour answer is right.\n") +
              occurrences(shown, "\nYour answer is wrong: the answer is ") !=
          1) {
    return "verdicts missing or repeated: " + shown;
  }
  return "";
}

}  // namespace

std::string checkCalculations(std::string_view input) {
  // The lines as the session reads them, up to the first "x".
  std::size_t lines = 0;
  for (std::string_view rest = input; !rest.empty(); ++lines) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (const std::string failure = checkLine(line); !failure.empty()) {
      return "\"" + std::string(line) + "\": " + failure;
    }
    if (std::holds_alternative<session::Finish>(session::readCalculation(line))) break;
  }

  // The session answers each with a verdict or a refusal, then prompts
  // again: one prompt more than the lines it reads.
  std::istringstream in{std::string(input)};
  std::ostringstream out;
  std::ostringstream err;
  const int status = session::runCheckSession(in, out, err);
  if (status != 0 || !err.str().empty()) {
    return "status " + std::to_string(status) + ", " + err.str();
  }
  const std::string shown = out.str();
  if (!shown.ends_with("\n> \n")) return "the session does not end at a prompt";
  if (occurrences(shown, "\n> ") != lines + 1) {
    return "prompts: " + std::to_string(occurrences(shown, "\n> ")) + " for " +
           std::to_string(lines) + " lines";
  }
  return "";
}

}  // namespace nines::fuzz
