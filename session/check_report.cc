#include "session/check_report.h"

#include <string_view>

#include "arith/decimal_integer.h"
#include "arith/text.h"
#include "session/check_lines.h"
#include "session/elevens.h"

namespace nines::session {
namespace {

constexpr std::string_view kNinesFindAnError = "Casting out nines finds an error.";
constexpr std::string_view kNinesFindNoError = "Casting out nines finds no error.";
constexpr std::string_view kElevensHeading =
    "Casting out elevens (units +, tens -, ...):";
constexpr std::string_view kElevensFindAnError = "Casting out elevens finds an error.";
constexpr std::string_view kElevensFindNoError = "Casting out elevens finds no error.";
constexpr std::string_view kRight = "Your answer is right.";
constexpr std::string_view kWrong = "Your answer is wrong: the answer is ";
constexpr std::string_view kOffBy = "Your answer is off by ";
constexpr std::string_view kAMultipleOfNine = ", a multiple of 9.";
constexpr std::string_view kDivisionOff =
    "Divisor times quotient plus remainder is off\nby a multiple of 9.";
constexpr std::string_view kNinesCannotSee =
    "Nines cannot see it, as with swapped digits.";
constexpr std::string_view kNeitherCanSee =
    "And of 11, so neither check can see it.";
constexpr std::string_view kRemainderTooLarge =
    "Your remainder is as large as the divisor:\nit must be smaller.";
constexpr std::string_view kRemainderSign =
    "Your remainder must have the dividend's sign,\nor be 0.";

// Equal as numbers: a zero is a zero, whatever its sign flag.
bool sameNumber(const DecimalInteger& x, const DecimalInteger& y) {
  return (x.isZero() && y.isZero()) || x == y;
}

DecimalInteger magnitude(const DecimalInteger& v) {
  return v.isNonNegative() ? v : DecimalInteger(0) - v;
}

// Adds the value as it is written in a sentence: "-58", "122", and "0" for
// either zero.
void appendNumber(Text& text, const DecimalInteger& v) {
  const int length = v.countSignificantDigits();
  if (length == 0) text << '0';
  if (length > 0 && !v.isNonNegative()) text << '-';
  for (int i = kDigitCount - length; i < kDigitCount; ++i) {
    text << static_cast<char>('0' + v.digitAt(i));
  }
}

// The answer the dialogue gives, and for a division its remainder (0
// otherwise).
struct RightAnswer {
  DecimalInteger answer;
  DecimalInteger remainder;
};

RightAnswer rightAnswer(const Calculation& c) {
  if (c.operation == Operation::add) return {c.a + c.b, DecimalInteger(0)};
  if (c.operation == Operation::subtract) return {c.a - c.b, DecimalInteger(0)};
  if (c.operation == Operation::multiply) return {c.a * c.b, DecimalInteger(0)};
  const DecimalInteger::Division division = c.a.divide(c.b);
  return {division.quotient, division.remainder};
}

// The residues of the typed numbers, by 9 or by 11.
struct Residues {
  int a, b, answer, remainder;
};

Residues residuesOf(const Calculation& c, int modulus) {
  const auto residue = [modulus](const DecimalInteger& v) {
    return modulus == kNines ? v.getResidue() : elevensResidue(v);
  };
  return {residue(c.a), residue(c.b), residue(c.answer), residue(c.remainder)};
}

// Whether the residues combine as the values must: the operands' into the
// answer's, or for a division the divisor's, quotient's and remainder's into
// the dividend's.
bool checkCloses(Operation operation, const Residues& r, int modulus) {
  switch (operation) {
    case Operation::add: return (r.a + r.b) % modulus == r.answer;
    case Operation::subtract: return (r.a - r.b + modulus) % modulus == r.answer;
    case Operation::multiply: return r.a * r.b % modulus == r.answer;
    case Operation::divide: return (r.b * r.answer + r.remainder) % modulus == r.a;
  }
  return false;
}

// The check line after the answer's chain (or the remainder's): for a
// division it starts a line of its own. Ends with a line end.
void printCheckLine(std::ostream& out, Operation operation, const Residues& r, int modulus) {
  switch (operation) {
    case Operation::add: out << (sumCheck(r.a, r.b, modulus) << ".\n"); return;
    case Operation::subtract: out << (differenceCheck(r.a, r.b, modulus) << ".\n"); return;
    case Operation::multiply: out << (productCheck(r.a, r.b, modulus) << ".\n"); return;
    case Operation::divide:
      out << ",\n" << divisionCheck(r.a, r.b, r.answer, r.remainder, modulus).text << "\n";
      return;
  }
}

// A value on its own line, then its chain, which ends without a line end.
void printWithNines(std::ostream& out, const DecimalInteger& value) {
  out << value << "\n";
  value.printProofChain(out, value);
}

void printNinesCheck(std::ostream& out, const Calculation& c) {
  out << "\nThe first operand is:\n";
  printWithNines(out, c.a);
  out << "\n\nThe second operand is:\n";
  printWithNines(out, c.b);
  if (c.operation == Operation::divide) {
    out << "\n\nYour quotient is:\n";
    printWithNines(out, c.answer);
    out << "\n\nwith a remainder of:\n";
    printWithNines(out, c.remainder);
  } else {
    out << "\n\nYour answer is:\n";
    printWithNines(out, c.answer);
  }
  printCheckLine(out, c.operation, residuesOf(c, kNines), kNines);
}

// The typed numbers again, each with its elevens chain, and the check line.
void printElevensCheck(std::ostream& out, const Calculation& c) {
  out << "\n" << kElevensHeading;
  const bool division = c.operation == Operation::divide;
  for (const DecimalInteger* v : {&c.a, &c.b, &c.answer, division ? &c.remainder : nullptr}) {
    if (v != nullptr) out << "\n" << *v << "\n" << elevensChain(*v);
  }
  printCheckLine(out, c.operation, residuesOf(c, kElevens), kElevens);
}

// Why a wrong answer passed casting out nines: its error is a multiple of 9
// (of 11 too, when elevens missed it as well); for a division, also a
// remainder out of range, which passes both when divisor times quotient
// plus remainder is the dividend.
void printWhyNinesMissed(std::ostream& out, const Calculation& c, const RightAnswer& right,
                         bool elevensMissed) {
  const std::string_view blindness = elevensMissed ? kNeitherCanSee : kNinesCannotSee;
  if (c.operation != Operation::divide) {
    Text offBy;
    offBy << kOffBy;
    appendNumber(offBy, magnitude(c.answer - right.answer));
    out << (offBy << kAMultipleOfNine) << "\n" << blindness << "\n";
    return;
  }
  // B*Q + R = A exactly when B*(Q - q) = r - R, for the right q and r; the
  // product of a quotient too long to be right may leave the record, and
  // then it is out of range, unlike r - R.
  const DecimalInteger product = c.b * (c.answer - right.answer);
  if (!sameNumber(product, right.remainder - c.remainder)) {
    out << kDivisionOff << "\n" << blindness << "\n";
  }
  const bool remainderFits = c.remainder.isZero() ||
                             (!c.a.isZero() && c.remainder.isNonNegative() == c.a.isNonNegative() &&
                              magnitude(c.remainder) < magnitude(c.b));
  if (remainderFits) return;
  out << (magnitude(c.remainder) >= magnitude(c.b) ? kRemainderTooLarge : kRemainderSign)
      << "\n";
}

}  // namespace

void printJudgement(std::ostream& out, const Calculation& c) {
  const RightAnswer right = rightAnswer(c);
  const bool isRight =
      sameNumber(c.answer, right.answer) && sameNumber(c.remainder, right.remainder);

  printNinesCheck(out, c);
  const bool ninesCloses = checkCloses(c.operation, residuesOf(c, kNines), kNines);
  out << "\n" << (ninesCloses ? kNinesFindNoError : kNinesFindAnError) << "\n";

  const bool elevensLooks = ninesCloses && !isRight;
  const bool elevensCloses = checkCloses(c.operation, residuesOf(c, kElevens), kElevens);
  if (elevensLooks) {
    printElevensCheck(out, c);
    out << "\n" << (elevensCloses ? kElevensFindNoError : kElevensFindAnError) << "\n";
  }

  if (isRight) {
    out << kRight << "\n";
    return;
  }
  Text wrong;
  wrong << kWrong;
  appendNumber(wrong, right.answer);
  if (c.operation == Operation::divide) {
    wrong << " r ";
    appendNumber(wrong, right.remainder);
  }
  out << (wrong << ".") << "\n";
  if (ninesCloses) printWhyNinesMissed(out, c, right, elevensCloses);
}

}  // namespace nines::session
