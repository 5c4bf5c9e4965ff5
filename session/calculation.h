// The strict reader of one calculation typed as A op B = C. Unlike the
// dialogue, which turns any text into a value, it takes a number only as it
// was written: anything else is refused, with what is wrong.
#ifndef NINES_SESSION_CALCULATION_H_
#define NINES_SESSION_CALCULATION_H_

#include <cstddef>
#include <string_view>
#include <variant>

#include "arith/decimal_integer.h"

namespace nines::session {

// The longest line read, in characters; a character takes at most four
// bytes in UTF-8.
inline constexpr std::size_t kLineCharacters = 200;
// The most digits A and B may have (as the dialogue's operands), and C,
// which holds a product of two such numbers with room to be wrong.
inline constexpr int kOperandDigitsAtMost = 38;
inline constexpr int kAnswerDigitsAtMost = 77;

enum class Operation { add, subtract, multiply, divide };

// A calculation as typed. For a division the answer is the quotient, and the
// remainder is 0 when none was typed; otherwise the remainder is 0.
struct Calculation {
  DecimalInteger a;
  Operation operation;
  DecimalInteger b;
  DecimalInteger answer;
  DecimalInteger remainder;
};

// "x": the session is over.
struct Finish {};

// What is wrong with a line that is not a calculation, a kind each.
enum class Refusal {
  tooLong,         // more than kLineCharacters characters
  notText,         // a control character or bytes that are not UTF-8
  blank,           // nothing but blanks
  shape,           // a part missing, or one where another should be
  operation,       // no + - * / (nor × ÷ :) between the numbers
  grouping,        // a number split by a comma, point, apostrophe, underscore or blank
  notADigit,       // a letter or other mark in a number
  tooManyDigits,   // more than kOperandDigitsAtMost or kAnswerDigitsAtMost
  divisionByZero,  // a divisor of 0
};

using Reading = std::variant<Calculation, Finish, Refusal>;

// Reads one line (without its line end). Blanks (spaces and tabs) around the
// parts are optional, and a CR that ends the line is dropped. A number is an
// optional sign, "+" or "-", and digits; an operation is one of + - * / × ÷
// or : (division); a division's answer may go on with "r", "R" or "rem" and
// the remainder. The first mistake from the left decides the refusal.
Reading readCalculation(std::string_view line);

}  // namespace nines::session

#endif  // NINES_SESSION_CALCULATION_H_
