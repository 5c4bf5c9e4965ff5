#include "session/edited_console.h"

#include <streambuf>
#include <utility>

#include "session/console_input.h"

namespace nines::session {
namespace {

// Swaps a stream's buffer and keeps its state (rdbuf() would clear it).
std::streambuf* replaceBuffer(std::ios& stream, std::streambuf* buffer) {
  const std::ios::iostate state = stream.rdstate();
  std::streambuf* previous = stream.rdbuf(buffer);
  stream.setstate(state);
  return previous;
}

}  // namespace

// The console's output, kept until it is flushed or a read takes its
// unfinished last line.
class EditedConsole::HeldOutput final : public std::streambuf {
 public:
  explicit HeldOutput(std::streambuf& target) : target_(target) {}

  // The text after the last line end held, taken out. (The session flushes
  // its output only after a line end, and a read only after taking this, so
  // it is the whole unfinished line.)
  std::string takeUnfinishedLine() {
    const std::size_t start = held_.rfind('\n') + 1;  // 0 when there is none
    std::string line = held_.substr(start);
    held_.erase(start);
    return line;
  }

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) held_ += traits_type::to_char_type(c);
    return traits_type::not_eof(c);
  }

  std::streamsize xsputn(const char* s, std::streamsize n) override {
    held_.append(s, static_cast<std::size_t>(n));
    return n;
  }

  int sync() override {
    const auto size = static_cast<std::streamsize>(held_.size());
    const bool written = target_.sputn(held_.data(), size) == size;
    held_.clear();
    return written && target_.pubsync() == 0 ? 0 : -1;
  }

 private:
  std::streambuf& target_;
  std::string held_;
};

// The console's input, a line from the editor at a time.
class EditedConsole::EditedInput final : public std::streambuf {
 public:
  EditedInput(std::istream& in, std::ostream& out, HeldOutput& output, LineEditor& editor)
      : in_(in), out_(out), output_(output), editor_(editor) {}

 protected:
  int_type underflow() override {
    const std::string prompt = output_.takeUnfinishedLine();
    out_.flush();
    // readPause marks the stream while it reads, and its lines are not remembered.
    std::optional<std::string> line = editor_.readLine(prompt, !isReadingPause(in_));
    if (!line) return traits_type::eof();
    line_ = std::move(*line);
    line_ += '\n';
    setg(line_.data(), line_.data(), line_.data() + line_.size());
    return traits_type::to_int_type(line_.front());
  }

 private:
  std::istream& in_;
  std::ostream& out_;
  HeldOutput& output_;
  LineEditor& editor_;
  std::string line_;
};

EditedConsole::EditedConsole(std::istream& in, std::ostream& out,
                             std::unique_ptr<LineEditor> editor)
    : in_(in), out_(out), editor_(std::move(editor)) {
  if (!editor_) return;
  output_ = std::make_unique<HeldOutput>(*out.rdbuf());
  input_ = std::make_unique<EditedInput>(in, out, *output_, *editor_);
  originalOut_ = replaceBuffer(out, output_.get());
  originalIn_ = replaceBuffer(in, input_.get());
  originalTie_ = in.tie(nullptr);
}

EditedConsole::~EditedConsole() {
  if (!editor_) return;
  out_.flush();
  in_.tie(originalTie_);
  replaceBuffer(in_, originalIn_);
  replaceBuffer(out_, originalOut_);
}

}  // namespace nines::session
