// libFuzzer entry: checkOperations() on every input, trapping on a failure.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "tests/fuzz/operations_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string failure =
      nines::fuzz::checkOperations({reinterpret_cast<const char*>(data), size});
  if (!failure.empty()) {
    std::fprintf(stderr, "operations check failed: %s\n", failure.c_str());
    __builtin_trap();
  }
  return 0;
}
