#include "bench/operands.h"

#include <gmpxx.h>

#include <algorithm>
#include <random>

namespace nines::bench {
namespace {

std::string randomDigits(std::mt19937& random, int length, char lowestLeading) {
  std::uniform_int_distribution<int> leading(lowestLeading - '0', 9);
  std::uniform_int_distribution<int> digit(0, 9);
  std::string text(1, static_cast<char>('0' + leading(random)));
  for (int i = 1; i < length; ++i) text += static_cast<char>('0' + digit(random));
  return text;
}

mpz_class power(unsigned long base, int exponent) {
  mpz_class result;
  mpz_ui_pow_ui(result.get_mpz_t(), base, static_cast<unsigned long>(exponent));
  return result;
}

int digitSum(const mpz_class& n) {
  int sum = 0;
  for (const char c : n.get_str()) sum += c - '0';
  return sum;
}

// The number in 0..bound with the largest digit sum: the bound itself, or
// the bound with one leading part lowered by one and all places after it 9.
mpz_class largestDigitSumUpTo(const mpz_class& bound) {
  mpz_class best = bound;
  for (int places = 1; power(10, places) <= bound; ++places) {
    const mpz_class scale = power(10, places);
    const mpz_class candidate = (bound / scale) * scale - 1;
    if (digitSum(candidate) > digitSum(best)) best = candidate;
  }
  return best;
}

std::string withSign(bool negative, const std::string& digits) {
  return negative ? "-" + digits : digits;
}

}  // namespace

std::vector<TextPair> randomPairs(int firstDigits, int secondDigits, Signs signs, int count) {
  std::mt19937 random(static_cast<unsigned>(1000 * firstDigits + secondDigits));
  std::vector<TextPair> pairs;
  for (int i = 0; i < count; ++i) {
    const bool firstNegative = i % 2 == 1;
    const bool secondNegative = signs == Signs::kLike ? firstNegative : !firstNegative;
    const std::string a = randomDigits(random, firstDigits, '1');
    const std::string b = randomDigits(random, secondDigits, secondDigits == 1 ? '2' : '1');
    pairs.push_back({withSign(firstNegative, a), withSign(secondNegative, b)});
  }
  return pairs;
}

std::vector<TextPair> slowDivisionPairs(int firstDigits, int secondDigits) {
  const mpz_class divisor = secondDigits == 1 ? mpz_class(2) : power(10, secondDigits - 1);
  const mpz_class largestQuotient = (power(10, firstDigits) - 1) / divisor;
  const mpz_class doubled =
      power(2, static_cast<int>(mpz_sizeinbase(largestQuotient.get_mpz_t(), 2)) - 1);
  // The rest must stay below 2^m and within the largest quotient.
  const mpz_class rest =
      largestDigitSumUpTo(std::min(mpz_class(doubled - 1), mpz_class(largestQuotient - doubled)));
  const std::string dividend = mpz_class(divisor * (doubled + rest)).get_str();
  const std::string divisorText = divisor.get_str();
  std::vector<TextPair> pairs;
  for (const bool firstNegative : {false, true}) {
    for (const bool secondNegative : {false, true}) {
      pairs.push_back({withSign(firstNegative, dividend), withSign(secondNegative, divisorText)});
    }
  }
  return pairs;
}

std::string shapeName(int firstDigits, int secondDigits, Signs signs) {
  return std::to_string(firstDigits) + "x" + std::to_string(secondDigits) +
         (signs == Signs::kLike ? "/like" : "/unlike");
}

}  // namespace nines::bench
