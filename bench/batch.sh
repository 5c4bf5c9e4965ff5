#!/usr/bin/env bash
# Times nines on a batch of 2,000 worst-case operand pairs, standard output
# to a file, and compares it with the output floor: the same bytes written
# again in the same write calls by replay_output, which does nothing else.
#
# Usage: bench/batch.sh [NINES [REPLAY]]
#   NINES   the program; default build/release/session/nines
#   REPLAY  the floor tool; default build/release/bench/replay_output
# Builds nothing. Needs strace, to learn how the program chunks its output.
# NINES_BATCH_RUNS (default 5) sets how many timed runs of each; the fastest
# of each counts.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
nines=$(realpath "${1:-$root/build/release/session/nines}")
replay=$(realpath "${2:-$root/build/release/bench/replay_output}")
runs=${NINES_BATCH_RUNS:-5}
pairs=2000

for tool in "$nines" "$replay"; do
  [ -x "$tool" ] || { echo "batch.sh: $tool is not built" >&2; exit 1; }
done
command -v strace >/dev/null || { echo "batch.sh: strace is needed" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The three page turns, a name, the pairs, and "x" to finish. The pairs cycle
# through 39-digit and signed 38-digit dividends over one-digit divisors 2..9
# (the longest division searches) and 38 by 38 digits, in every sign
# combination the 39 characters allow.
awk -v pairs="$pairs" 'BEGIN {
  srand(2026)
  print "a"; print "b"; print "c"; print "Batch"
  for (i = 0; i < pairs; i++) {
    k = i % 8
    a = digits(k == 0 || k == 7 ? 39 : 38)
    b = k < 4 || k == 7 ? int(2 + rand() * 8) : digits(38)
    if (k == 1 || k == 3 || k == 5) a = "-" a
    if (k == 2 || k == 3 || k == 6 || k == 7) b = "-" b
    print a; print b
  }
  print "x"
}
function digits(n,   s, j) {
  s = int(1 + rand() * 9)
  for (j = 1; j < n; j++) s = s int(rand() * 10)
  return s
}' >"$work/input"

# One traced run captures the output and the size of every write to the
# console and to answers.txt, in order.
mkdir "$work/capture"
(cd "$work/capture" &&
  strace -qq -s 0 -e trace=openat,write -o "$work/trace" "$nines" <"$work/input" >console)
awk '
  /^openat\(.*"answers\.txt"/ { answersFd = $NF; next }
  /^write\(/ {
    fd = substr($1, 7) + 0
    if (fd == 1) print "console", $NF
    else if (fd == answersFd) print "answers", $NF
    else { print "batch.sh: unexpected write: " $0 > "/dev/stderr"; exit 1 }
  }' "$work/trace" >"$work/chunks"

# Each timed run starts in a fresh folder and writes its output to files
# there; both are timed from start to exit.
fresh() { rm -rf "$work/run" && mkdir "$work/run" && cd "$work/run"; }
nanoseconds() {
  local start end
  start=$(date +%s%N)
  "$@" >console
  end=$(date +%s%N)
  echo $((end - start))
}

program=
floor=
for ((i = 0; i < runs; i++)); do
  fresh
  p=$(nanoseconds "$nines" <"$work/input")
  fresh
  f=$(nanoseconds "$replay" "$work/chunks" "$work/capture/console" "$work/capture/answers.txt")
  cd "$work"
  if [ -z "$program" ] || [ "$p" -lt "$program" ]; then program=$p; fi
  if [ -z "$floor" ] || [ "$f" -lt "$floor" ]; then floor=$f; fi
done

awk -v pairs="$pairs" -v program="$program" -v floor="$floor" -v runs="$runs" \
    -v writes="$(wc -l <"$work/chunks")" -v bytes="$(cat "$work/capture/console" \
    "$work/capture/answers.txt" | wc -c)" 'BEGIN {
  printf "%d pairs, %d bytes in %d writes; fastest of %d runs each\n", pairs, bytes, writes, runs
  printf "nines:        %8.2f ms  %6.2f us per pair\n", program / 1e6, program / pairs / 1e3
  printf "output floor: %8.2f ms  %6.2f us per pair\n", floor / 1e6, floor / pairs / 1e3
  printf "nines / floor: %.2f\n", program / floor
}'
