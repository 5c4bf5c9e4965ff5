#!/usr/bin/env bash
# Runs the real nines executable on prepared input and checks its status,
# standard error, the console output up to the clock-dependent closing screen,
# and answers.txt without its Date and Time lines.
set -euo pipefail
nines=$1
golden=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
beforeClosing() { sed '/^To print the answers/,$d' "$1"; }
withoutClock() { grep -v -E '^\s*(Date|Time):  ' "$1" || true; }

# run CASE INPUT: runs nines in a fresh folder, leaving status, out and err.
run() {
  local dir="$work/$1"
  mkdir -p "$dir"
  (cd "$dir" && set +e; timeout 20 "$nines" <"$2" >out 2>err; echo $? >status)
}

run pair "$golden/pair_9866.in"
[ "$(cat "$work/pair/status")" = 0 ] || fail "pair: status $(cat "$work/pair/status")"
[ ! -s "$work/pair/err" ] || fail "pair: standard error: $(cat "$work/pair/err")"
diff <(beforeClosing "$golden/pair_9866.out") <(beforeClosing "$work/pair/out") >/dev/null ||
  fail "pair: console output differs"
diff <(withoutClock "$golden/pair_9866.answers.txt") <(withoutClock "$work/pair/answers.txt") \
  >/dev/null || fail "pair: answers.txt differs"
grep -q -E $'^\t\t\t\tRun time\t[0-9]{2}:[0-9]{2}:[0-9]{2} [A-Z][a-z]{2} [0-9]{2} [0-9]{4}$' \
  "$work/pair/out" || fail "pair: no run time line"

# A full disk: the dialogue completes, the failure is reported, status 1.
mkdir -p "$work/full"
ln -s /dev/full "$work/full/answers.txt"
run full "$golden/pair_9866.in"
[ "$(cat "$work/full/status")" = 1 ] || fail "full disk: status $(cat "$work/full/status")"
[ "$(cat "$work/full/err")" = "File could not be written" ] ||
  fail "full disk: standard error: $(cat "$work/full/err")"
diff <(beforeClosing "$golden/pair_9866.out") <(beforeClosing "$work/full/out") >/dev/null ||
  fail "full disk: console output differs"

# A file that cannot be opened (a folder stands in its place, which stops
# root too): the message, status 1.
mkdir -p "$work/blocked/answers.txt"
run blocked "$golden/pair_9866.in"
[ "$(cat "$work/blocked/status")" = 1 ] || fail "blocked: status $(cat "$work/blocked/status")"
[ "$(cat "$work/blocked/err")" = "File could not be opened" ] ||
  fail "blocked: standard error: $(cat "$work/blocked/err")"

if [ "$failures" -gt 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "3 passed, 0 failed"
