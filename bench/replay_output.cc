// POSIX only (open, mmap, write); CMake builds it only on UNIX systems.
// Usage: replay_output CHUNKS CONSOLE ANSWERS
// The output floor of bench/batch.sh: writes CONSOLE's bytes to standard
// output and ANSWERS' to answers.txt here, one write call per line of CHUNKS
// ("0 N": N console bytes, "1 N": N answers bytes), and does little else:
// the files are mapped rather than read, and the list is parsed without stdio.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <string_view>

namespace {

// The whole file; empty when it cannot be mapped, as an empty file cannot.
std::string_view mapped(const char* path) {
  const int fd = ::open(path, O_RDONLY);
  const auto size = static_cast<std::size_t>(fd < 0 ? 0 : ::lseek(fd, 0, SEEK_END));
  void* data = size > 0 ? ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0) : MAP_FAILED;
  if (fd >= 0) ::close(fd);
  return data == MAP_FAILED ? std::string_view() : std::string_view(static_cast<char*>(data), size);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: replay_output CHUNKS CONSOLE ANSWERS\n", stderr);
    return 2;
  }
  const std::string_view chunks = mapped(argv[1]);
  std::string_view left[2] = {mapped(argv[2]), mapped(argv[3])};
  const int fds[2] = {STDOUT_FILENO, ::open("answers.txt", O_WRONLY | O_CREAT | O_TRUNC, 0666)};
  // A malformed line, a failed write or a chunk beyond the captured bytes
  // (any chunk, for a file that cannot be read) ends the loop early.
  const char* p = chunks.data();
  const char* const end = p + chunks.size();
  while (end - p >= 4 && (*p == '0' || *p == '1') && p[1] == ' ') {
    const int i = *p - '0';
    std::size_t size = 0;
    const auto [next, error] = std::from_chars(p + 2, end, size);
    if (error != std::errc() || next == end || *next != '\n' || size > left[i].size() ||
        ::write(fds[i], left[i].data(), size) != static_cast<ssize_t>(size)) {
      break;
    }
    left[i].remove_prefix(size);
    p = next + 1;
  }
  if (chunks.empty() || p != end || !left[0].empty() || !left[1].empty() || ::close(fds[1]) != 0) {
    std::fputs("replay_output: cannot replay the chunks over the captured output\n", stderr);
    return 1;
  }
  return 0;
}
