// The check behind the operations fuzzer: two operand texts taken from raw
// bytes, every operation on them compared with GMP and the sign-flag rules.
#ifndef NINES_TESTS_FUZZ_OPERATIONS_CHECK_H_
#define NINES_TESTS_FUZZ_OPERATIONS_CHECK_H_

#include <string>
#include <string_view>

namespace nines::fuzz {

// Splits `input` at its first line end into two operand texts, keeps at most
// 39 bytes of each (the most the session passes on) and checks +, -, *, /, %
// and divide() on them. Returns "" when every result is right, otherwise a
// description of the first wrong one.
std::string checkOperations(std::string_view input);

}  // namespace nines::fuzz

#endif  // NINES_TESTS_FUZZ_OPERATIONS_CHECK_H_
