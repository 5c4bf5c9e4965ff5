// Writes captured output again, chunk by chunk, with one write call per
// chunk: the console's bytes to standard output and the answers file's to
// answers.txt in the current folder. Given the chunks a run of nines wrote,
// this is the least that run could cost in output: the same bytes in the same
// system calls, and no work to produce them. The captured files are read as
// they are needed, through small buffers, as the program reads its input, so
// that loading them adds little.
//
// Usage: replay_output CHUNKS CONSOLE ANSWERS
//   CHUNKS   one line per write, in order: "console N" or "answers N"
//   CONSOLE  the captured standard output
//   ANSWERS  the captured answers.txt
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// A file read forward through a fixed buffer; far larger than any chunk the
// program writes, whose output buffers hold a few kilobytes.
class Reader {
 public:
  static constexpr std::size_t kCapacity = 1 << 16;

  explicit Reader(const char* path) : fd_(::open(path, O_RDONLY)), buffer_(kCapacity) {}
  ~Reader() {
    if (fd_ >= 0) ::close(fd_);
  }
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  bool opened() const { return fd_ >= 0; }

  // The next `size` bytes (at most kCapacity), or nullptr when the file has
  // fewer left.
  const char* take(std::size_t size) {
    if (!fill(size)) return nullptr;
    const char* data = buffer_.data() + start_;
    start_ += size;
    return data;
  }

  // The next byte, or -1 at the end of the file.
  int next() { return fill(1) ? static_cast<unsigned char>(buffer_[start_++]) : -1; }

  bool atEnd() { return !fill(1); }

 private:
  // Makes `size` bytes available from start_, keeping what is unread.
  bool fill(std::size_t size) {
    if (end_ - start_ >= size) return true;
    std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(start_),
              buffer_.begin() + static_cast<std::ptrdiff_t>(end_), buffer_.begin());
    end_ -= start_;
    start_ = 0;
    while (end_ < size) {
      const ssize_t got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
      if (got <= 0) return false;
      end_ += static_cast<std::size_t>(got);
    }
    return true;
  }

  int fd_;
  std::vector<char> buffer_;
  std::size_t start_ = 0;
  std::size_t end_ = 0;
};

bool writeAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// One line of the chunk list: the stream's name and the byte count. False at
// the end of the list; `malformed` says whether it ended badly.
bool readChunk(Reader& list, std::string& stream, std::size_t& size, bool& malformed) {
  stream.clear();
  malformed = false;
  int c = list.next();
  if (c < 0) return false;
  for (; c >= 0 && c != ' '; c = list.next()) stream += static_cast<char>(c);
  size = 0;
  int digits = 0;
  for (c = list.next(); c >= '0' && c <= '9'; c = list.next(), ++digits) {
    size = size * 10 + static_cast<std::size_t>(c - '0');
  }
  malformed = digits == 0 || (c != '\n' && c >= 0);
  return !malformed;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "replay_output: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return fail("usage: replay_output CHUNKS CONSOLE ANSWERS");
  Reader list(argv[1]);
  Reader console(argv[2]);
  Reader answers(argv[3]);
  for (int i = 1; i <= 3; ++i) {
    const Reader& reader = i == 1 ? list : i == 2 ? console : answers;
    if (!reader.opened()) return fail(std::string("cannot read ") + argv[i]);
  }
  const int answersFd = ::open("answers.txt", O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (answersFd < 0) return fail("cannot open answers.txt");

  std::string stream;
  std::size_t size = 0;
  bool malformed = false;
  while (readChunk(list, stream, size, malformed)) {
    const bool toConsole = stream == "console";
    if (!toConsole && stream != "answers") return fail("unknown stream \"" + stream + "\"");
    if (size > Reader::kCapacity) return fail("a chunk is larger than the buffer");
    const char* data = (toConsole ? console : answers).take(size);
    if (data == nullptr) return fail(stream + " chunks overrun the captured output");
    if (!writeAll(toConsole ? STDOUT_FILENO : answersFd, data, size)) {
      return fail("cannot write " + stream);
    }
  }
  if (malformed) return fail("malformed chunk list");
  if (!console.atEnd() || !answers.atEnd()) {
    return fail("the chunks do not cover the captured output");
  }
  return ::close(answersFd) == 0 ? 0 : fail("cannot close answers.txt");
}
