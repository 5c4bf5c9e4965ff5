// Reads a test's data file whole.
#ifndef NINES_TESTS_READ_FILE_H_
#define NINES_TESTS_READ_FILE_H_

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace nines::testing {

// The bytes of the file at `path`; empty when it cannot be read.
inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace nines::testing

#endif  // NINES_TESTS_READ_FILE_H_
