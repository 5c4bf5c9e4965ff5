#!/usr/bin/env bash
# Times nines on 2,000 worst-case operand pairs, output to files, against the
# output floor: the same bytes in the same write calls from replay_output,
# which does nothing else. The fastest of NINES_BATCH_RUNS (default 5) runs of
# each counts. Builds nothing; needs strace to learn how nines chunks output.
#
# Usage: bench/batch.sh [NINES [REPLAY]]   (default: the release build's)
set -euo pipefail
shopt -s inherit_errexit

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

# One traced run captures the output and the size of each write, in order:
# "0 N" to the console, "1 N" to answers.txt, as replay_output reads them.
mkdir "$work/capture"
(cd "$work/capture" &&
  strace -qq -s 0 -e trace=openat,write -o ../trace "$nines" <../input >console)
awk '
  /^openat\(.*"answers\.txt"/ { answers = $NF; next }
  /^write\(/ {
    fd = substr($1, 7) + 0
    if (fd == 1) print 0, $NF
    else if (fd == answers) print 1, $NF
    else { print "batch.sh: unexpected write: " $0 > "/dev/stderr"; exit 1 }
  }' "$work/trace" >"$work/chunks"

# COMMAND...: its wall time in microseconds, run in a fresh folder with
# standard output to a file there.
microseconds() {
  rm -rf "$work/run" && mkdir "$work/run" && cd "$work/run"
  local start=${EPOCHREALTIME/[.,]/}
  "$@" >console
  echo $((${EPOCHREALTIME/[.,]/} - start))
}
program=0
floor=0
for ((i = 0; i < runs; i++)); do
  p=$(microseconds "$nines" <"$work/input")
  f=$(microseconds "$replay" "$work/chunks" "$work/capture/console" "$work/capture/answers.txt")
  program=$((program == 0 || p < program ? p : program))
  floor=$((floor == 0 || f < floor ? f : floor))
done
# The last floor run must have written exactly what nines did.
for file in console answers.txt; do
  cmp -s "$work/capture/$file" "$work/run/$file" ||
    { echo "batch.sh: replay_output wrote another $file" >&2; exit 1; }
done

bytes=$(cat "$work/capture/console" "$work/capture/answers.txt" | wc -c)
echo "$pairs pairs, $bytes bytes in $(wc -l <"$work/chunks") writes; fastest of $runs runs each"
awk -v pairs="$pairs" -v program="$program" -v floor="$floor" 'BEGIN {
  printf "nines:        %8.2f ms  %6.2f us per pair\n", program / 1e3, program / pairs
  printf "output floor: %8.2f ms  %6.2f us per pair\n", floor / 1e3, floor / pairs
  printf "nines / floor: %.2f\n", program / floor
}'
