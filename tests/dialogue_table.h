// The table of recorded dialogues, tests/golden/dialogues.tsv, as the
// in-process transcript test needs it: for each, the clock, the fault around
// the run and what the run must end with.
#ifndef NINES_TESTS_DIALOGUE_TABLE_H_
#define NINES_TESTS_DIALOGUE_TABLE_H_

#include <ctime>
#include <ostream>
#include <string>
#include <vector>

namespace nines::testing {

// What goes wrong around the run.
enum class Fault {
  kNone,
  kFileCannotOpen,
  kFileCannotWrite,
  kInputCannotBeRead,  // a read error where the typed input ends
  kConsoleCannotWrite,
};

struct Dialogue {
  int line;            // in the table, from 1
  std::string name;    // the recording: tests/golden/<name>.in and the rest
  std::string faultName;
  std::time_t seconds;
  Fault fault;
  int status;
  std::string err;     // what standard error holds, line end included
  std::string problem; // what is wrong with the row; empty when nothing

  friend void PrintTo(const Dialogue& d, std::ostream* out) { *out << d.name; }
};

// The rows of the table at `path`, comments and blank lines left out; a row
// that cannot be read, or that repeats an earlier row's dialogue and fault,
// comes with its problem. No rows when there is no table.
std::vector<Dialogue> readDialogueTable(const std::string& path);

}  // namespace nines::testing

#endif  // NINES_TESTS_DIALOGUE_TABLE_H_
