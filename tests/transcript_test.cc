// Whole dialogues run in-process with a fixed clock and compile stamp; the
// console output and the answers file are compared byte for byte with the
// files in tests/golden/ (<case>.in is what the user types), each row of its
// table dialogues.tsv with that row's clock and fault. Each run also checks
// when the answers file is flushed: at every "Do another?" prompt it holds
// the blocks of all the pairs so far, and a write failure has already been
// told. Some are typed through a line editor too, which must leave the
// console the same bytes and remember the lines typed outside the pauses.
// The table must name every recording, and only those.
//
// Set NINES_UPDATE_GOLDEN=1 to rewrite the expected files from the current
// output, for review before committing.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "gtest/gtest.h"
#include "session/edited_console.h"
#include "session/session.h"
#include "tests/dialogue_table.h"
#include "tests/fake_world.h"
#include "tests/read_file.h"

namespace nines::session {
namespace {

using testing::Dialogue;
using testing::Fault;
using testing::readFile;

const std::string kGoldenDir = NINES_GOLDEN_DIR;
const std::string kTable = kGoldenDir + "/dialogues.tsv";

// How the lines are typed: straight into the stream, or through a line
// editor beneath it.
enum class Typing { kStraight, kLineEditor };

// A row of the table, typed one way; through a line editor, with the lines
// that the editor must be asked to remember.
struct TranscriptCase {
  Dialogue dialogue;
  Typing typing;
  std::vector<std::string> remembered;

  friend void PrintTo(const TranscriptCase& c, std::ostream* out) { *out << c.dialogue.name; }
};

// The rows also typed through a line editor, by their dialogue and fault.
// Each read of a new line shows the unfinished last line as the prompt; the
// rest of a line answers the next reads (two pauses, a name and an
// operand), and a pause's line is not remembered. The end of input and a
// read error end the dialogue as they do without it.
struct EditedRow {
  std::string name;
  std::string faultName;
  std::vector<std::string> remembered;  // the line editor's history
};
const std::vector<EditedRow> kEdited = {
    {"pair_9866", "none", {"Alice", "9866", "-168", "x", "x"}},
    {"two_characters_at_first_pause", "none", {"Ivy", "1", "1", "x", "x"}},
    {"two_word_name", "none", {"Hal Jones", "3", "x", "x"}},
    {"crlf_line_ends", "none", {"Mo\r", "-6\r", "3\r", "x\r", "x\r"}},
    {"input_ends_mid_pair", "none", {"Lu", "6", "3", "8"}},
    {"input_ends_during_pages", "input_read_error", {}},
};

// Every row of the table typed straight, and the rows of kEdited typed
// through the line editor too; one that the table lacks fails.
std::vector<TranscriptCase> transcriptCases() {
  const std::vector<Dialogue> rows = testing::readDialogueTable(kTable);
  std::vector<TranscriptCase> cases;
  for (const Dialogue& row : rows) cases.push_back({row, Typing::kStraight, {}});
  for (const EditedRow& edited : kEdited) {
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const Dialogue& r) {
      return r.problem.empty() && r.name == edited.name && r.faultName == edited.faultName;
    });
    Dialogue dialogue{0, edited.name, edited.faultName, 0, Fault::kNone, 0, "", "not in the table"};
    cases.push_back({row != rows.end() ? *row : dialogue, Typing::kLineEditor, edited.remembered});
  }
  return cases;
}

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
  const Dialogue& c = GetParam().dialogue;
  ASSERT_EQ(c.problem, "") << kTable << ", line " << c.line;
  const std::string base = kGoldenDir + "/" + c.name;
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
  if (GetParam().typing == Typing::kLineEditor) {
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
      .answersPlace = "It is in the current directory.",
  });

  if (editor != nullptr) {
    EXPECT_EQ(editor->remembered(), GetParam().remembered);
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
  const Dialogue& d = info.param.dialogue;
  if (!d.problem.empty() && d.line > 0) return "line_" + std::to_string(d.line);
  const std::string name = d.name + (info.param.typing == Typing::kLineEditor ? "_edited" : "");
  return d.faultName == "none" ? name : name + "_" + d.faultName;
}

INSTANTIATE_TEST_SUITE_P(Golden, TranscriptTest, ::testing::ValuesIn(transcriptCases()), nameOf);

// Each recording has a row, and each row its recording: what is typed, the
// console and, where the file works, the answers file.
TEST(DialogueTableTest, NamesEveryRecordingAndNoOther) {
  const std::vector<Dialogue> rows = testing::readDialogueTable(kTable);
  std::set<std::string> named;
  for (const Dialogue& row : rows) {
    SCOPED_TRACE(kTable + ", line " + std::to_string(row.line));
    if (!row.problem.empty()) {
      ADD_FAILURE() << row.problem;
      continue;
    }
    named.insert(row.name);
    const std::string base = kGoldenDir + "/" + row.name;
    EXPECT_TRUE(std::filesystem::exists(base + ".in")) << row.name << " has no .in";
    EXPECT_TRUE(std::filesystem::exists(base + ".out")) << row.name << " has no .out";
    const bool fileWorks =
        row.fault != Fault::kFileCannotOpen && row.fault != Fault::kFileCannotWrite;
    EXPECT_EQ(std::filesystem::exists(base + ".answers.txt"), fileWorks)
        << row.name << (fileWorks ? " has no .answers.txt" : " has an .answers.txt");
  }
  int recordings = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kGoldenDir)) {
    if (entry.path().extension() != ".in") continue;
    ++recordings;
    EXPECT_TRUE(named.contains(entry.path().stem().string()))
        << entry.path().filename().string() << " is not in " << kTable;
  }
  EXPECT_GT(recordings, 0);
}

}  // namespace
}  // namespace nines::session
