#!/usr/bin/env bash
# Runs a built nines, through an optional runner such as wine, on the typed
# input of each recorded transcript in tests/golden/, and compares what it
# prints and writes with the recording: the console up to the closing screen
# (which shows the real time, so only its form is checked), and answers.txt
# without its Date and Time lines. Line ends are compared as LF, since a Windows build writes CRLF. A
# zero divisor's console text depends on the clock, so "the gods are
# angry..." is read as the undefined quotient it stands for. The exit status
# is checked too.
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

for input in "$golden"/*.in; do
  name=$(basename "$input" .in)
  expectedStatus=0
  mkdir "$work/$name"
  case $name in
    answers_file_cannot_be_written) rmdir "$work/$name"; continue ;;  # needs a full disk
    answers_file_cannot_be_opened) mkdir "$work/$name/answers.txt"; expectedStatus=1 ;;
  esac
  status=0
  (cd "$work/$name" && "${runner[@]}" "$nines" <"$input" >out 2>err) || status=$?
  problems=()
  [ "$status" = "$expectedStatus" ] || problems+=("status $status")
  cmp -s <(console "$golden/$name.out") <(console "$work/$name/out") || problems+=("console differs")
  if grep -q '^To print the answers' "$golden/$name.out"; then
    comparable <"$work/$name/out" | tail -n 2 | grep -q -E \
      $'^\t{4}Run time\t[0-9]{2}:[0-9]{2}:[0-9]{2} [A-Z][a-z]{2} [0-9]{2} [0-9]{4}$' ||
      problems+=("no run time line")
  fi
  if [ -f "$golden/$name.answers.txt" ]; then
    cmp -s <(answers "$golden/$name.answers.txt") <(answers "$work/$name/answers.txt") ||
      problems+=("answers.txt differs")
  fi
  if [ "${#problems[@]}" -eq 0 ]; then
    passed=$((passed + 1))
  else
    echo "FAIL $name: ${problems[*]}"
    failed=$((failed + 1))
  fi
done
echo "$passed transcripts match, $failed differ"
[ "$failed" -eq 0 ]
