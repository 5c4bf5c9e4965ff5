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

// Reads each line of `input` as a checking session would, and checks what
// the reader makes of it against a pattern of the calculations it takes and
// the refusals that come before any pattern (a line too long, control
// characters, a blank line, "x"), and a calculation's judgement for one
// verdict of each kind; then runs a checking session on `input` and checks
// that it answers every line it reads, up to an "x", and ends well.
std::string checkCalculations(std::string_view input);

}  // namespace nines::fuzz

#endif  // NINES_TESTS_FUZZ_CHECKS_H_
