// Whole dialogues run in-process with a fixed clock and compile stamp; the
// console output and the answers file are compared byte for byte with the
// files in tests/golden/ (<case>.in is what the user types). Each run also
// checks when the answers file is flushed: at every "Do another?" prompt it
// holds the blocks of all the pairs so far, and a write failure has already
// been told. Some are typed through a line editor too, which must leave the
// console the same bytes and remember the lines typed outside the pauses.
//
// Set NINES_UPDATE_GOLDEN=1 to rewrite the expected files from the current
// output, for review before committing.
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "gtest/gtest.h"
#include "session/edited_console.h"
#include "session/session.h"
#include "tests/fake_world.h"
#include "tests/read_file.h"

namespace nines::session {
namespace {

using testing::readFile;

const std::string kGoldenDir = NINES_GOLDEN_DIR;

// Seconds modulo 4 choose the zero-divisor text, modulo 3 the slogan.
constexpr std::time_t kGodsAngryVoteGreen = 1796000000;          // % 4 == 0, % 3 == 2
constexpr std::time_t kNurses = 1796000001;                      // % 4 == 1, % 3 == 0
constexpr std::time_t kTroops = 1796000002;                      // % 4 == 2, % 3 == 1

// What goes wrong around the run.
enum class Fault {
  kNone,
  kFileCannotOpen,
  kFileCannotWrite,
  kInputCannotBeRead,  // a read error where the input would end
  kConsoleCannotWrite,
};

// How the lines are typed: straight into the stream, or through a line
// editor beneath it.
enum class Typing { kStraight, kLineEditor };

struct TranscriptCase {
  std::string golden;
  std::time_t seconds;
  Fault fault;
  int status;
  std::string err;
  Typing typing = Typing::kStraight;
  std::vector<std::string> remembered = {};  // the line editor's history

  friend void PrintTo(const TranscriptCase& c, std::ostream* out) { *out << c.golden; }
};

// The console; whenever a "Do another?" prompt is written, it notes what the
// answers file held after its last flush and what standard error held.
class PromptWatchingConsole final : public std::stringbuf {
 public:
  struct Moment {
    std::string flushedFile;
    std::string err;
  };

  PromptWatchingConsole(const testing::FlushedSink& file, const std::ostringstream& err)
      : file_(file), err_(err) {}
  const std::vector<Moment>& moments() const { return moments_; }

 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    if (std::string_view(s, static_cast<std::size_t>(n)).find("Do another?") !=
        std::string_view::npos) {
      moments_.push_back({file_.flushed(), err_.str()});
    }
    return std::stringbuf::xsputn(s, n);
  }

 private:
  const testing::FlushedSink& file_;
  const std::ostringstream& err_;
  std::vector<Moment> moments_;
};

// The answers file up to the end of each pair's block.
std::vector<std::string> blockEnds(const std::string& file) {
  const std::string rule(
      "+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+\n"
      "+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+\n\n");
  std::vector<std::string> prefixes;
  for (std::size_t at = file.find(rule); at != std::string::npos; at = file.find(rule, at + 1)) {
    prefixes.push_back(file.substr(0, at + rule.size()));
  }
  return prefixes;
}

// The first differing line, to make a failure readable.
std::string firstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream e(expected);
  std::istringstream a(actual);
  std::string le;
  std::string la;
  for (int line = 1;; ++line) {
    const bool moreE = static_cast<bool>(std::getline(e, le));
    const bool moreA = static_cast<bool>(std::getline(a, la));
    if (!moreE && !moreA) return "texts differ only in the last line end";
    if (le != la || moreE != moreA) {
      return "line " + std::to_string(line) + ": expected \"" + (moreE ? le : "<end>") +
             "\", got \"" + (moreA ? la : "<end>") + "\"";
    }
  }
}

void compareWithGolden(const std::string& path, const std::string& actual) {
  if (std::getenv("NINES_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  const std::string expected = readFile(path);
  if (expected != actual) {
    std::ofstream(path + ".actual", std::ios::binary) << actual;
    ADD_FAILURE() << path << " differs (" << firstDifference(expected, actual)
                  << "); the output is in " << path << ".actual";
  }
}

class TranscriptTest : public ::testing::TestWithParam<TranscriptCase> {};

TEST_P(TranscriptTest, ConsoleAndAnswersFileMatchByteForByte) {
  const TranscriptCase& c = GetParam();
  const std::string base = kGoldenDir + "/" + c.golden;
  const std::string typed = readFile(base + ".in");
  std::stringbuf typedIn(typed);
  testing::InputThatFails failingIn(typed);
  std::istream in(c.fault == Fault::kInputCannotBeRead ? &failingIn
                                                       : static_cast<std::streambuf*>(&typedIn));
  std::ostringstream err;
  testing::FlushedSink answers;
  testing::RefusingSink refusing;
  PromptWatchingConsole console(answers, err);
  std::ostream out(c.fault == Fault::kConsoleCannotWrite ? &refusing
                                                        : static_cast<std::streambuf*>(&console));
  const testing::FixedClock clock(c.seconds);
  std::optional<EditedConsole> edited;
  testing::ScriptedLineEditor* editor = nullptr;
  if (c.typing == Typing::kLineEditor) {
    auto scripted = std::make_unique<testing::ScriptedLineEditor>(
        typed, console, c.fault == Fault::kInputCannotBeRead);
    editor = scripted.get();
    in.tie(&out);  // as std::cin is tied to std::cout
    edited.emplace(in, out, std::move(scripted));
  }

  const int status = runSession({
      .in = in,
      .out = out,
      .err = err,
      .clock = clock,
      .compiled = {"12:34:56", "Dec  8 2026"},
      .openAnswers = [&]() -> std::unique_ptr<std::ostream> {
        switch (c.fault) {
          case Fault::kFileCannotOpen: return nullptr;
          case Fault::kFileCannotWrite: return std::make_unique<std::ostream>(&refusing);
          default: return std::make_unique<std::ostream>(&answers);
        }
      },
      .answersPlace = AnswersPlace::currentDirectory,
  });

  if (editor != nullptr) {
    EXPECT_EQ(editor->remembered(), c.remembered);
    edited.reset();
  }
  EXPECT_EQ(status, c.status);
  EXPECT_EQ(err.str(), c.err);
  if (c.fault != Fault::kConsoleCannotWrite) compareWithGolden(base + ".out", console.str());
  const bool fileWorks = c.fault != Fault::kFileCannotOpen && c.fault != Fault::kFileCannotWrite;
  if (fileWorks) {
    compareWithGolden(base + ".answers.txt", answers.str());
    EXPECT_EQ(answers.flushed(), answers.str()) << "the closing lines were not flushed";
  } else {
    EXPECT_EQ(answers.str(), "");
  }

  // At each prompt for another pair, the blocks so far are in the file and a
  // failed write of the file has been told.
  if (c.fault == Fault::kConsoleCannotWrite) return;
  const std::vector<std::string> blocks = blockEnds(answers.str());
  const std::vector<PromptWatchingConsole::Moment>& moments = console.moments();
  if (fileWorks) {
    ASSERT_EQ(moments.size(), blocks.size());
  }
  for (std::size_t i = 0; i < moments.size(); ++i) {
    SCOPED_TRACE("prompt " + std::to_string(i + 1));
    if (fileWorks) {
      EXPECT_EQ(moments[i].flushedFile, blocks[i]);
    }
    EXPECT_EQ(moments[i].err, c.fault == Fault::kFileCannotWrite ? c.err : "");
  }
}

std::string nameOf(const ::testing::TestParamInfo<TranscriptCase>& info) {
  const std::string typing = info.param.typing == Typing::kLineEditor ? "_edited" : "";
  switch (info.param.fault) {
    case Fault::kInputCannotBeRead: return info.param.golden + typing + "_read_error";
    case Fault::kConsoleCannotWrite: return info.param.golden + "_console_cannot_write";
    default: return info.param.golden + typing;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Golden, TranscriptTest,
    ::testing::ValuesIn(std::vector<TranscriptCase>{
        {"pair_9866", kNurses, Fault::kNone, 0, ""},
        {"zero_divisor_gods", kGodsAngryVoteGreen, Fault::kNone, 0, ""},
        {"zero_divisors_typed_three_ways", kTroops, Fault::kNone, 0, ""},
        {"two_pairs", kTroops, Fault::kNone, 0, ""},
        {"x_first", kNurses, Fault::kNone, 0, ""},
        {"x_second", kTroops, Fault::kNone, 0, ""},
        {"upper_case_x_does_not_exit", kGodsAngryVoteGreen, Fault::kNone, 0, ""},
        {"two_word_name", kNurses, Fault::kNone, 0, ""},
        {"two_characters_at_first_pause", kTroops, Fault::kNone, 0, ""},
        {"over_long_operand", kNurses, Fault::kNone, 0, ""},
        {"over_long_name", kTroops, Fault::kNone, 0, ""},
        {"over_long_greek_name", kNurses, Fault::kNone, 0, ""},
        {"input_ends_mid_pair", kNurses, Fault::kNone, 0, ""},
        {"input_ends_during_pages", kGodsAngryVoteGreen, Fault::kNone, 0, ""},
        {"crlf_line_ends", kTroops, Fault::kNone, 0, ""},
        {"approximations", kNurses, Fault::kNone, 0, ""},
        {"long_divisor", kTroops, Fault::kNone, 0, ""},
        {"residue_checks", kNurses, Fault::kNone, 0, ""},
        {"answers_file_cannot_be_opened", kNurses, Fault::kFileCannotOpen, 1,
         "File could not be opened\n"},
        {"answers_file_cannot_be_written", kTroops, Fault::kFileCannotWrite, 1,
         "File could not be written\n"},
        // A read error reads as the end of input, and the run fails; a
        // console that refuses writes leaves the dialogue and the file whole.
        {"input_ends_mid_pair", kNurses, Fault::kInputCannotBeRead, 1,
         "Input could not be read\n"},
        {"input_ends_during_pages", kGodsAngryVoteGreen, Fault::kInputCannotBeRead, 1,
         "Input could not be read\n"},
        {"two_pairs", kTroops, Fault::kConsoleCannotWrite, 1, "Output could not be written\n"},
        // Through a line editor: each read of a new line shows the unfinished
        // last line as the prompt; the rest of a line answers the next reads
        // (two pauses, a name and an operand), and a pause's line is not
        // remembered. The end of input and a read error end the dialogue as
        // they do without it.
        {"pair_9866", kNurses, Fault::kNone, 0, "", Typing::kLineEditor,
         {"Alice", "9866", "-168", "x", "x"}},
        {"two_characters_at_first_pause", kTroops, Fault::kNone, 0, "", Typing::kLineEditor,
         {"Ivy", "1", "1", "x", "x"}},
        {"two_word_name", kNurses, Fault::kNone, 0, "", Typing::kLineEditor,
         {"Hal Jones", "3", "x", "x"}},
        {"crlf_line_ends", kTroops, Fault::kNone, 0, "", Typing::kLineEditor,
         {"Mo\r", "-6\r", "3\r", "x\r", "x\r"}},
        {"input_ends_mid_pair", kNurses, Fault::kNone, 0, "", Typing::kLineEditor,
         {"Lu", "6", "3", "8"}},
        {"input_ends_during_pages", kGodsAngryVoteGreen, Fault::kInputCannotBeRead, 1,
         "Input could not be read\n", Typing::kLineEditor},
    }),
    nameOf);

}  // namespace
}  // namespace nines::session
