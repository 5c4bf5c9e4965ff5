// The platform layer's line editor, with libedit: compiled only when the
// build finds libedit, and then in place of platform.cc's terminal without
// one. Every call here is outside standard C++.
#include <histedit.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <ios>
#include <limits>

#include "session/platform.h"

namespace nines::platform {
namespace {

// libedit shows nothing for a tab in a prompt, so each becomes the blanks up
// to the terminal's next tab stop: every 8 columns from the line's start, a
// UTF-8 character taking one column.
std::string withTabsExpanded(std::string_view prompt) {
  std::string expanded;
  std::size_t column = 0;
  for (const char c : prompt) {
    if (c == '\t') {
      const std::size_t blanks = 8 - column % 8;
      expanded.append(blanks, ' ');
      column += blanks;
    } else {
      expanded += c;
      if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++column;
    }
  }
  return expanded;
}

// Control-D ends the input on an empty line and draws nothing, as the
// terminal's own line reading does (libedit's binding would show "^D");
// elsewhere it deletes the character under the cursor, as libedit's does.
unsigned char endOrDelete(EditLine* editor, int) {
  const LineInfo* line = el_line(editor);
  if (line->buffer == line->lastchar) return CC_EOF;
  if (line->cursor == line->lastchar) return CC_ERROR;
  el_cursor(editor, 1);
  el_deletestr(editor, 1);
  return CC_REFRESH;
}

class LibeditLineEditor final : public session::LineEditor {
 public:
  LibeditLineEditor(EditLine* editor, History* history) : editor_(editor), history_(history) {
    HistEvent event;
    // Every line of the run, and only in memory: nothing typed outlives it.
    ::history(history_, &event, H_SETSIZE, std::numeric_limits<int>::max());
    el_set(editor_, EL_HIST, ::history, history_);
    el_set(editor_, EL_CLIENTDATA, static_cast<void*>(this));
    el_set(editor_, EL_PROMPT, &LibeditLineEditor::prompt);
    el_set(editor_, EL_EDITOR, "emacs");
    // While it reads, libedit handles the signals: a resized window keeps
    // the line, and Control-C or Control-Z leave the terminal as it was.
    el_set(editor_, EL_SIGNAL, 1);
    // (In wide characters, which libedit keeps as given: it copies narrow
    // ones and never frees the copies.)
    el_wset(editor_, EL_ADDFN, L"nines-end-or-delete",
            L"End the input on an empty line, else delete the character under the cursor",
            endOrDelete);
    el_set(editor_, EL_BIND, "^D", "nines-end-or-delete", nullptr);
  }
  ~LibeditLineEditor() override {
    el_end(editor_);
    history_end(history_);
  }
  LibeditLineEditor(const LibeditLineEditor&) = delete;
  LibeditLineEditor& operator=(const LibeditLineEditor&) = delete;

  std::optional<std::string> readLine(std::string_view prompt, bool remember) override {
    prompt_ = withTabsExpanded(prompt);
    int count = 0;
    const char* line = el_gets(editor_, &count);
    if (line == nullptr) {
      // count is 0 after Control-D on an empty line, -1 when the terminal
      // could not be read (or has hung up).
      if (count < 0) throw std::ios_base::failure("the terminal could not be read");
      return std::nullopt;
    }
    std::string text(line);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    if (remember && text.find_first_not_of(' ') != std::string::npos) {
      HistEvent event;
      ::history(history_, &event, H_ENTER, text.c_str());
    }
    return text;
  }

 private:
  static char* prompt(EditLine* editor) {
    void* self = nullptr;
    el_get(editor, EL_CLIENTDATA, &self);
    return static_cast<LibeditLineEditor*>(self)->prompt_.data();
  }

  EditLine* editor_;
  History* history_;
  std::string prompt_;
};

}  // namespace

std::unique_ptr<session::LineEditor> terminalLineEditor() {
  if (isatty(STDIN_FILENO) == 0 || isatty(STDOUT_FILENO) == 0) return nullptr;
  // The locale says how typed characters are encoded (UTF-8, say), so that
  // each is edited whole; nothing else of it is used. In the C locale
  // libedit would drop every byte outside ASCII, so there the terminal reads
  // the lines itself.
  const char* characters = std::setlocale(LC_CTYPE, "");
  if (characters == nullptr || std::strcmp(characters, "C") == 0 ||
      std::strcmp(characters, "POSIX") == 0) {
    return nullptr;
  }
  EditLine* editor = el_init("nines", stdin, stdout, stderr);
  History* history = history_init();
  if (editor == nullptr || history == nullptr) {
    if (editor != nullptr) el_end(editor);
    if (history != nullptr) history_end(history);
    return nullptr;
  }
  return std::make_unique<LibeditLineEditor>(editor, history);
}

}  // namespace nines::platform
