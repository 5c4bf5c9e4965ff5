#!/usr/bin/env bash
# Builds the libFuzzer targets (the fuzz preset) and runs each one for a
# while on a scratch copy of its seed corpus, with the kept regression inputs
# as extra seeds; the repository is left as it was. Prints each fuzzer's run
# count. A failing input is kept in build/fuzz/crashes/ and printed in base64,
# and the script fails.
#
# Usage: bash tests/fuzz/run.sh [seconds per fuzzer, default 60]
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}

cmake --preset fuzz
cmake --build --preset fuzz

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
crashes=build/fuzz/crashes
mkdir -p "$crashes"
failed=0

# fuzz NAME MAX_LEN: runs NAME_fuzzer on inputs of at most MAX_LEN bytes.
fuzz() {
  local name=$1 maxLen=$2 log="$scratch/$1.log"
  local seeds=("$scratch/$name")
  cp -r "tests/fuzz/corpus/$name" "$scratch/$name"
  [ -d "tests/fuzz/regressions/$name" ] && seeds+=("tests/fuzz/regressions/$name")
  rm -f "$crashes/$name"-*
  echo "== $name fuzzer, ${seconds}s"
  if "build/fuzz/tests/fuzz/${name}_fuzzer" -max_total_time="$seconds" -max_len="$maxLen" \
      -timeout=10 -artifact_prefix="$crashes/$name-" "${seeds[@]}" >"$log" 2>&1; then
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log" || true
    grep -E '^Done [0-9]+ runs' "$log"
  else
    tail -n 40 "$log"
    for input in "$crashes/$name"-*; do
      [ -e "$input" ] || continue
      echo "failing input $input (base64):"
      base64 "$input"
    done
    echo "$name fuzzer FAILED"
    failed=1
  fi
}

# An operand pair is two texts of at most 39 bytes and a line end; a session
# input of 1 KiB already holds dozens of pairs, and a checking session's
# several lines, one of them as long as a line may be.
fuzz operations 100
fuzz session 1024
fuzz calculations 1024
exit "$failed"
