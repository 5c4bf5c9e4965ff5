// The check behind the session fuzzer: a whole run on arbitrary input, its
// output compared with what a simple model of the dialogue predicts.
#ifndef NINES_TESTS_FUZZ_SESSION_CHECK_H_
#define NINES_TESTS_FUZZ_SESSION_CHECK_H_

#include <string>
#include <string_view>

namespace nines::fuzz {

// Runs the session in-process with `input` as the whole of standard input.
// Returns "" when the status, standard error, console output and answers
// file fit the input, otherwise a description of the first misfit.
std::string checkSession(std::string_view input);

}  // namespace nines::fuzz

#endif  // NINES_TESTS_FUZZ_SESSION_CHECK_H_
