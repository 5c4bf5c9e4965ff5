// The checks behind the fuzzers; a test also replays the kept inputs
// through them. Each returns "" when its input is handled right, otherwise a
// description of the first fault.
#ifndef NINES_TESTS_FUZZ_CHECKS_H_
#define NINES_TESTS_FUZZ_CHECKS_H_

#include <string>
#include <string_view>

namespace nines::fuzz {

// Splits `input` at its first line end into two operand texts, keeps at most
// as many bytes of each as the session passes on, and checks +, -, *, /, %
// and divide() on them against GMP and the sign-flag rules.
std::string checkOperations(std::string_view input);

// Runs the session in-process with `input` as the whole of standard input,
// and checks the status, standard error, console output and answers file
// against what a simple model of the dialogue predicts.
std::string checkSession(std::string_view input);

}  // namespace nines::fuzz

#endif  // NINES_TESTS_FUZZ_CHECKS_H_
