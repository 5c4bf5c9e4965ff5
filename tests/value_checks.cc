#include "tests/value_checks.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace nines::testing {

::testing::AssertionResult isWellFormed(const DecimalInteger& v) {
  int sum = 0;
  int significant = 0;
  for (int i = 0; i < kDigitCount; ++i) {
    const int d = v.digitAt(i);
    if (d < 0 || d > 9) return ::testing::AssertionFailure() << "digit " << i << " is " << d;
    sum += d;
    if (d != 0 && significant == 0) significant = kDigitCount - i;
  }
  if (v.isNonNegative() != 0 && v.isNonNegative() != 1) {
    return ::testing::AssertionFailure() << "sign flag " << v.isNonNegative();
  }
  if (v.countSignificantDigits() != significant) {
    return ::testing::AssertionFailure() << "significant digits " << v.countSignificantDigits()
                                         << ", expected " << significant;
  }

  // The chain by hand: keep summing the decimal digits until one is left.
  std::vector<int> members = {sum};
  while (members.back() > 9) {
    int next = 0;
    for (int n = members.back(); n > 0; n /= 10) next += n % 10;
    members.push_back(next);
  }
  const int sign = v.isNonNegative() ? 1 : -1;
  const int expected[] = {
      sign * members[0],
      members.size() > 1 ? sign * members[1] : 0,
      members.size() > 2 ? sign * members[2] : 0,
      members.size() > 3 ? sign * members[3] : 0,
      sign * members.back(),
  };
  const int actual[] = {v.getDigitSum(), v.getDigitSum2(), v.getDigitSum3(), v.getDigitSum4(),
                        v.getSingleDigit()};
  const char* names[] = {"digitSum", "digitSum2", "digitSum3", "digitSum4", "singleDigit"};
  for (int i = 0; i < 5; ++i) {
    if (actual[i] != expected[i]) {
      return ::testing::AssertionFailure() << names[i] << " is " << actual[i] << ", expected "
                                           << expected[i] << " for " << plainText(v);
    }
  }
  const int residue = ((sign * sum) % 9 + 9) % 9;
  const bool outOfRangeZero = v.isOutOfRange() && v.getResidue() == 0;
  if (v.getResidue() != residue && !outOfRangeZero) {
    return ::testing::AssertionFailure() << "residue " << v.getResidue() << ", expected "
                                         << residue << " for " << plainText(v);
  }
  return ::testing::AssertionSuccess();
}

std::string plainText(const DecimalInteger& v) {
  std::string text = v.isNonNegative() ? "" : "-";
  const int length = v.countSignificantDigits();
  if (length == 0) return text + "0";
  for (int i = kDigitCount - length; i < kDigitCount; ++i) {
    text += static_cast<char>('0' + v.digitAt(i));
  }
  return text;
}

std::string testName(std::initializer_list<std::string_view> texts) {
  std::string name;
  for (std::string_view text : texts) {
    if (!name.empty()) name += "_";
    if (text.empty()) name += "empty";
    for (std::size_t i = 0; i < text.size();) {
      std::size_t run = 1;
      while (i + run < text.size() && text[i + run] == text[i]) ++run;
      const unsigned char c = static_cast<unsigned char>(text[i]);
      std::string spelled;
      if (std::isalnum(c)) {
        spelled = std::string(1, static_cast<char>(c));
      } else if (c == '-') {
        spelled = "minus";
      } else if (c == '+') {
        spelled = "plus";
      } else if (c == ' ') {
        spelled = "blank";
      } else {
        char hex[4];
        std::snprintf(hex, sizeof hex, "c%02x", c);
        spelled = hex;
      }
      if (run >= 4) {
        name += std::to_string(run) + "x" + spelled;
        i += run;
      } else {
        name += spelled;
        ++i;
      }
    }
  }
  return name;
}

}  // namespace nines::testing
