#!/usr/bin/env bash
# Runs a built nines, through an optional runner such as wine, on the typed
# input of each recorded transcript in tests/golden/ that its table,
# dialogues.tsv, says the executable can run, in the surroundings the row
# names, and compares what it prints and writes with the recording: the
# console up to the closing screen (which shows the real time, so only its
# form is checked), and answers.txt without its Date and Time lines. Line
# ends are compared as LF, since a Windows build writes CRLF. A zero
# divisor's console text depends on the clock, so "the gods are angry..." is
# read as the undefined quotient it stands for. The exit status and standard
# error are checked too.
#
# Usage: tests/run_goldens.sh NINES [RUNNER...]
set -euo pipefail
nines=$(realpath "$1")
shift
runner=("$@")
golden=$(cd "$(dirname "$0")/golden" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

comparable() { tr -d '\r' | sed $'s/\tthe gods are angry\\.\\.\\./\t undefined/'; }
console() { comparable <"$1" | sed '/^To print the answers/,$d'; }
answers() { comparable <"$1" | grep -a -v -E $'^\t{5}(Date|Time):  ' || true; }

# The table's rows, on descriptor 3: the program reads its own input.
while IFS=$'\t' read -r -u 3 name _seconds fault expectedStatus expectedErr executable _page; do
  [[ -z $name || $name == '#'* || $executable != yes ]] && continue
  [ "$expectedErr" != - ] || expectedErr=""
  dir="$work/$name-$fault"
  mkdir "$dir"
  problems=()
  case $fault in
    none) ;;
    file_cannot_open) mkdir "$dir/answers.txt" ;;
    *) problems+=("no way to make the fault $fault") ;;
  esac
  status=0
  (cd "$dir" && "${runner[@]}" "$nines" <"$golden/$name.in" >out 2>err) || status=$?
  [ "$status" = "$expectedStatus" ] || problems+=("status $status")
  [ "$(tr -d '\r' <"$dir/err")" = "$expectedErr" ] || problems+=("standard error differs")
  cmp -s <(console "$golden/$name.out") <(console "$dir/out") || problems+=("console differs")
  if grep -q '^To print the answers' "$golden/$name.out"; then
    comparable <"$dir/out" | tail -n 2 | grep -q -E \
      $'^\t{4}Run time\t[0-9]{2}:[0-9]{2}:[0-9]{2} [A-Z][a-z]{2} [0-9]{2} [0-9]{4}$' ||
      problems+=("no run time line")
  fi
  if [ -f "$golden/$name.answers.txt" ]; then
    cmp -s <(answers "$golden/$name.answers.txt") <(answers "$dir/answers.txt") ||
      problems+=("answers.txt differs")
  fi
  if [ "${#problems[@]}" -eq 0 ]; then
    passed=$((passed + 1))
  else
    echo "FAIL $name ($fault): ${problems[*]}"
    failed=$((failed + 1))
  fi
done 3< <(tr -d '\r' <"$golden/dialogues.tsv")
echo "$passed transcripts match, $failed differ"
[ "$passed" -gt 0 ] && [ "$failed" -eq 0 ]
