// The browser edition's entry: wires the page's keyboard and screen, the
// page's clock and the page's copy of answers.txt into the session (or the
// keyboard and screen into the checking session), as session/main.cc wires
// the console's. The page's side of each hook is
// `Module.page`, set by the script of nines.html. The page holds answers.txt
// itself, so the program needs no file system (and the runtime's script is a
// third of the size with none).
#include <emscripten.h>

#include <array>
#include <cstdlib>
#include <ctime>
#include <istream>
#include <memory>
#include <ostream>
#include <span>
#include <streambuf>
#include <string_view>

#include "session/check_session.h"
#include "session/command_line.h"
#include "session/session.h"

// Waits for the page to have typed input, without blocking it: the program's
// stack is set aside (Asyncify) until the promise settles. Copies at most
// `capacity` bytes of it to `buffer` and returns how many; 0 at the end of
// input.
EM_ASYNC_JS(int, waitForTypedBytes, (char* buffer, int capacity), {
  const bytes = await Module.page.read(capacity);
  HEAPU8.set(bytes, buffer);
  return bytes.length;
});

// Hands bytes the program has written to the page's screen.
EM_JS(void, showOnScreen, (const char* bytes, int length), {
  Module.page.write(HEAPU8.slice(bytes, bytes + length));
});

// Tells the page that the program has opened answers.txt, empty.
EM_JS(void, openAnswersOnPage, (), { Module.page.openAnswers(); });

// Hands bytes the program has written to answers.txt to the page's copy.
EM_JS(void, addToAnswers, (const char* bytes, int length), {
  Module.page.writeAnswers(HEAPU8.slice(bytes, bytes + length));
});

// Tells the page that the session is over; the runtime stays alive, so its
// own exit hook never fires.
EM_JS(void, tellSessionEnded, (int status), { Module.page.ended(status); });

// The page's clock, in whole seconds since the epoch. The page keeps every
// reading with the session, and gives the same ones again when it restores
// it.
EM_JS(double, readPageClock, (), { return Module.page.now(); });

// The local broken-down form of a reading, as the page's zone had it then:
// seconds, minutes, hours, day of the month, month (0-11), years since 1900,
// day of the week (0 Sunday) and day of the year (0-365), into `fields`.
EM_JS(void, pageLocalTime, (double seconds, int* fields), {
  HEAP32.set(Module.page.localTime(seconds), fields >> 2);
});

// The page's line for the closing screen that says where answers.txt is
// found, in its own words; the caller frees it.
EM_JS(char*, pageAnswersPlace, (), {
  const bytes = new TextEncoder().encode(Module.page.answersPlace());
  const text = _malloc(bytes.length + 1);
  HEAPU8.set(bytes, text);
  HEAPU8[text + bytes.length] = 0;
  return text;
});

// Tells the page whose session it shows and how many pairs it holds.
EM_JS(void, tellProgress, (const char* name, int length, int pairsDone), {
  Module.page.progress(new TextDecoder().decode(HEAPU8.slice(name, name + length)), pairsDone);
});

namespace {

// Input typed on the page, one line (or as much as fits) per refill.
class TypedInput final : public std::streambuf {
 protected:
  int_type underflow() override {
    const int count = waitForTypedBytes(buffer_.data(), static_cast<int>(buffer_.size()));
    if (count <= 0) return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + count);
    return traits_type::to_int_type(buffer_[0]);
  }

 private:
  std::array<char, 4096> buffer_;
};

// Output for the page (its screen, or answers.txt), handed to `hand`
// whenever the program flushes or the buffer fills, and at the end, as a
// file's close would.
class PageOutput : public std::streambuf {
 public:
  using Hand = void (*)(const char* bytes, int length);
  explicit PageOutput(Hand hand) : hand_(hand) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }
  PageOutput(const PageOutput&) = delete;
  PageOutput& operator=(const PageOutput&) = delete;
  ~PageOutput() override { sync(); }

 protected:
  int_type overflow(int_type c) override {
    sync();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    return sputc(traits_type::to_char_type(c));
  }

  int sync() override {
    if (pptr() > pbase()) hand_(pbase(), static_cast<int>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return 0;
  }

 private:
  Hand hand_;
  std::array<char, 4096> buffer_;
};

// The clock as the page reads it.
class PageClock final : public nines::session::Clock {
 public:
  std::time_t now() const override { return static_cast<std::time_t>(readPageClock()); }
  std::tm localTime(std::time_t seconds) const override {
    std::array<int, 8> fields{};
    pageLocalTime(static_cast<double>(seconds), fields.data());
    std::tm local{};
    local.tm_sec = fields[0];
    local.tm_min = fields[1];
    local.tm_hour = fields[2];
    local.tm_mday = fields[3];
    local.tm_mon = fields[4];
    local.tm_year = fields[5];
    local.tm_wday = fields[6];
    local.tm_yday = fields[7];
    return local;
  }
};

// answers.txt, kept by the page.
class AnswersOnPage final : private PageOutput, public std::ostream {
 public:
  AnswersOnPage() : PageOutput(addToAnswers), std::ostream(this) { openAnswersOnPage(); }
};

}  // namespace

// Runs the dialogue, or with the argument --check (the page's "Check your
// working") the checking session.
int main(int argc, char* argv[]) {
  TypedInput typed;
  PageOutput screen(showOnScreen);
  PageOutput errorScreen(showOnScreen);
  std::istream in(&typed);
  std::ostream out(&screen);
  // Errors share the screen, as on a terminal: whatever the program wrote
  // before them goes first, and each is shown at once.
  std::ostream err(&errorScreen);
  in.tie(&out);
  err.tie(&out);
  err.setf(std::ios::unitbuf);

  const std::span<const char* const> arguments(argv + 1, static_cast<std::size_t>(argc - 1));
  const PageClock clock;
  const std::unique_ptr<char, void (*)(void*)> answersPlace(pageAnswersPlace(), std::free);
  const int status =
      nines::session::asksForChecking(arguments)
          ? nines::session::runCheckSession(in, out, err)
          : nines::session::runSession({
                .in = in,
                .out = out,
                .err = err,
                .clock = clock,
                .compiled = {__TIME__, __DATE__},
                .openAnswers = []() -> std::unique_ptr<std::ostream> {
                  return std::make_unique<AnswersOnPage>();
                },
                .answersPlace = answersPlace.get(),
                .progress = [](std::string_view name, int pairsDone) {
                  tellProgress(name.data(), static_cast<int>(name.size()), pairsDone);
                },
            });
  out.flush();
  tellSessionEnded(status);
  return status;
}
