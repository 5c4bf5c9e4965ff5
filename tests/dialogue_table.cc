#include "tests/dialogue_table.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <sstream>
#include <string_view>
#include <utility>

#include "tests/read_file.h"

namespace nines::testing {
namespace {

constexpr std::size_t kFields = 7;

constexpr std::array<std::pair<std::string_view, Fault>, 5> kFaults = {{
    {"none", Fault::kNone},
    {"file_cannot_open", Fault::kFileCannotOpen},
    {"file_cannot_write", Fault::kFileCannotWrite},
    {"input_read_error", Fault::kInputCannotBeRead},
    {"console_cannot_write", Fault::kConsoleCannotWrite},
}};

template <class Number>
bool readNumber(std::string_view text, Number& number) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  number = static_cast<Number>(value);
  return error == std::errc() && end == text.data() + text.size();
}

// Whether the executable or the page runs it: "yes", or "no: " and why.
bool isAnswer(std::string_view text) {
  return text == "yes" || (text.starts_with("no: ") && text.size() > 4);
}

// The row of one line, or what is wrong with it.
Dialogue readRow(int line, std::string_view text) {
  Dialogue row{line, "", "", 0, Fault::kNone, 0, "", ""};
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = text.find('\t', start);
    fields.push_back(text.substr(start, tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  if (fields.size() != kFields) {
    row.problem = std::to_string(fields.size()) + " fields, not " + std::to_string(kFields);
    return row;
  }
  row.name = fields[0];
  row.faultName = fields[2];
  bool known = false;
  for (const auto& [name, fault] : kFaults) {
    if (name == fields[2]) {
      row.fault = fault;
      known = true;
    }
  }
  if (fields[4] != "-") row.err = std::string(fields[4]) + "\n";
  if (row.name.empty()) {
    row.problem = "no dialogue";
  } else if (!readNumber(fields[1], row.seconds)) {
    row.problem = "the clock is not a number of seconds";
  } else if (!known) {
    row.problem = "no fault " + row.faultName;
  } else if (!readNumber(fields[3], row.status)) {
    row.problem = "the status is not a number";
  } else if (fields[4].empty()) {
    row.problem = "no standard error, not even -";
  } else if (!isAnswer(fields[5]) || !isAnswer(fields[6])) {
    row.problem = "the executable and the page are each yes, or no: and why";
  }
  return row;
}

}  // namespace

std::vector<Dialogue> readDialogueTable(const std::string& path) {
  std::istringstream table(readFile(path));
  std::vector<Dialogue> rows;
  std::string text;
  for (int line = 1; std::getline(table, text); ++line) {
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (text.empty() || text.front() == '#') continue;
    Dialogue row = readRow(line, text);
    for (const Dialogue& earlier : rows) {
      if (row.problem.empty() && earlier.name == row.name && earlier.fault == row.fault) {
        row.problem = "the same dialogue and fault as line " + std::to_string(earlier.line);
      }
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace nines::testing
