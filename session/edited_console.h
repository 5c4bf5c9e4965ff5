// The console read through a line editor: each line of input comes from the
// editor, which shows the unfinished last line of output as its prompt, so
// that the screen looks as it does when the terminal reads lines itself.
#ifndef NINES_SESSION_EDITED_CONSOLE_H_
#define NINES_SESSION_EDITED_CONSOLE_H_

#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace nines::session {

// Reads lines one at a time, with editing and a history.
class LineEditor {
 public:
  virtual ~LineEditor() = default;

  // Shows `prompt` at the start of a screen line, lets the user type and edit
  // a line after it, and returns the line without its line end; nothing at
  // the end of input. A line read with `remember` is offered again by the
  // history. Throws std::ios_base::failure when the input cannot be read.
  virtual std::optional<std::string> readLine(std::string_view prompt, bool remember) = 0;
};

// While it lives, `in` reads its lines from `editor`, and `out` passes its
// text on when flushed, as before, except that each read of a new line takes
// the unfinished last line for the editor's prompt; `in` no longer flushes
// `out` before reading, so that the prompt is not shown apart from the
// editor. A pause's line (readPause) is not remembered. With no editor
// nothing changes.
class EditedConsole {
 public:
  EditedConsole(std::istream& in, std::ostream& out, std::unique_ptr<LineEditor> editor);
  // Passes on what `out` still holds and gives both streams back their own
  // buffers.
  ~EditedConsole();
  EditedConsole(const EditedConsole&) = delete;
  EditedConsole& operator=(const EditedConsole&) = delete;

 private:
  class HeldOutput;
  class EditedInput;

  std::istream& in_;
  std::ostream& out_;
  std::unique_ptr<LineEditor> editor_;
  std::unique_ptr<HeldOutput> output_;
  std::unique_ptr<EditedInput> input_;
  std::streambuf* originalIn_ = nullptr;
  std::streambuf* originalOut_ = nullptr;
  std::ostream* originalTie_ = nullptr;
};

}  // namespace nines::session

#endif  // NINES_SESSION_EDITED_CONSOLE_H_
