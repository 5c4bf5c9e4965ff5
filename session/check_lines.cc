#include "session/check_lines.h"

#include <string_view>

#include "arith/decimal_integer.h"

namespace nines::session {
namespace {

constexpr std::string_view kCheckLead = ",\n\t\t\t\t\twhich = ";

}  // namespace

Text sumCheck(int ra, int rb, int modulus) {
  const int s = ra + rb;
  Text text;
  text << kCheckLead;
  if (s >= modulus) text << "(";
  text << ra << " + " << rb;
  if (s > modulus) text << ")" << kChainArrow << s << kChainArrow << s % modulus;
  if (s == modulus) text << ")" << kChainArrow << '0';
  return text;
}

Text differenceCheck(int ra, int rb, int modulus) {
  Text text;
  text << kCheckLead;
  if (ra < rb) {
    text << "(" << ra << " - " << rb << ")" << kChainArrow << ra - rb << kChainArrow
         << ra - rb + modulus;
  } else {
    text << ra << " - " << rb;
  }
  return text;
}

Text productCheck(int ra, int rb, int modulus) {
  const int p = ra * rb;
  Text text;
  text << kCheckLead;
  if (p > modulus) {
    text << "(" << ra << " * " << rb << ")" << kChainArrow << p << kChainArrow << p % modulus;
  } else {
    text << ra << " * " << rb;
  }
  return text;
}

DivisionCheck divisionCheck(int ra, std::optional<int> rb, int rq, int rr, int modulus) {
  DivisionCheck check{{}, false};
  Text& text = check.text;
  text << "\t\t\t\t\tand " << ra << " = ( ";
  if (rb) {
    text << *rb;
  } else {
    text << "undefined";
  }
  text << " * " << rq << " ) + " << rr;
  const int product = rb.value_or(0) * rq;
  if (product >= modulus) {
    text << " -> ( " << product % modulus << " + " << rr << " )";
    check.reduced = true;
  }
  return check;
}

}  // namespace nines::session
