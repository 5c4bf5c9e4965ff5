// libFuzzer entry: the check named by NINES_FUZZ_CHECK (checkOperations,
// checkSession or checkCalculations) on every input, aborting on a failure.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/fuzz/checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string failure =
      nines::fuzz::NINES_FUZZ_CHECK({reinterpret_cast<const char*>(data), size});
  if (!failure.empty()) {
    std::fprintf(stderr, "check failed: %s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
