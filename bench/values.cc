#include "bench/values.h"

namespace nines::bench {

std::vector<OurPair> ourPairs(const std::vector<TextPair>& texts) {
  std::vector<OurPair> pairs;
  for (const TextPair& t : texts) {
    pairs.push_back({DecimalInteger(t.first.c_str()), DecimalInteger(t.second.c_str())});
  }
  return pairs;
}

std::vector<GmpPair> gmpPairs(const std::vector<TextPair>& texts) {
  std::vector<GmpPair> pairs;
  for (const TextPair& t : texts) {
    pairs.push_back({mpz_class(t.first, 10), mpz_class(t.second, 10)});
  }
  return pairs;
}

std::string signedText(const DecimalInteger& value) {
  const int length = value.countSignificantDigits();
  if (length == 0) return "0";
  std::string text = value.isNonNegative() ? "" : "-";
  for (int i = DecimalInteger::kDigitCount - length; i < DecimalInteger::kDigitCount; ++i) {
    text += static_cast<char>('0' + value.digitAt(i));
  }
  return text;
}

std::string signedText(const mpz_class& value) { return value.get_str(10); }

}  // namespace nines::bench
