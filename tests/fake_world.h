// Stand-ins for the session's surroundings: a stopped clock, input that
// fails, sinks that refuse every write or remember what was flushed, and a
// line editor that types a text.
#ifndef NINES_TESTS_FAKE_WORLD_H_
#define NINES_TESTS_FAKE_WORLD_H_

#include <cstddef>
#include <ctime>
#include <ios>
#include <optional>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "session/edited_console.h"
#include "session/session.h"

namespace nines::testing {

// A clock stopped at `seconds`, whose local time is UTC.
class FixedClock final : public session::Clock {
 public:
  explicit FixedClock(std::time_t seconds) : seconds_(seconds) {}
  std::time_t now() const override { return seconds_; }
  std::tm localTime(std::time_t seconds) const override;

 private:
  std::time_t seconds_;
};

// Gives `text`, then fails as a file buffer does on a read error: by
// throwing from underflow.
class InputThatFails final : public std::streambuf {
 public:
  explicit InputThatFails(std::string text) : text_(std::move(text)) {
    setg(text_.data(), text_.data(), text_.data() + text_.size());
  }

 protected:
  int_type underflow() override { throw std::ios_base::failure("read error"); }

 private:
  std::string text_;
};

// Refuses every write, as a full disk does.
class RefusingSink final : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

// Keeps every write and remembers what it held when last flushed.
class FlushedSink final : public std::stringbuf {
 public:
  const std::string& flushed() const { return flushed_; }

 protected:
  int sync() override {
    flushed_ = str();
    return 0;
  }

 private:
  std::string flushed_;
};

// Hands out the lines of `typed`, one per read, and shows each prompt on
// `screen` and nothing else, so that the screen gets the bytes the program
// writes. After the last line it reads as the end of input, or with
// `failsAtEnd` fails as a terminal that cannot be read. A prompt that does
// not start a screen line, or a read after the end, is a test failure. It
// keeps the lines it was asked to remember.
class ScriptedLineEditor final : public session::LineEditor {
 public:
  ScriptedLineEditor(std::string_view typed, std::stringbuf& screen, bool failsAtEnd);
  std::optional<std::string> readLine(std::string_view prompt, bool remember) override;
  const std::vector<std::string>& remembered() const { return remembered_; }

 private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  std::stringbuf& screen_;
  bool failsAtEnd_;
  bool ended_ = false;
  std::vector<std::string> remembered_;
};

}  // namespace nines::testing

#endif  // NINES_TESTS_FAKE_WORLD_H_
