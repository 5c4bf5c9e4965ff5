#!/usr/bin/env bash
# replay_output writes the captured files again exactly, in the chunks the
# list gives, and refuses a list that does not match the captured output.
set -euo pipefail
replay=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

printf 'first line\nsecond\n\tthird, no line end' >"$work/console"
printf 'answers\n\n' >"$work/answers"
# 11 + 7 + 19 console bytes around 8 + 1 answers bytes.
printf 'console 11\nanswers 8\nconsole 7\nanswers 1\nconsole 19\n' >"$work/chunks"

# run CASE LIST: replays in a fresh folder, leaving its status and output.
run() {
  mkdir "$work/$1"
  (cd "$work/$1" && set +e
   "$replay" "$2" "$work/console" "$work/answers" >out 2>err; echo $? >status)
}

run whole "$work/chunks"
[ "$(cat "$work/whole/status")" = 0 ] || fail "whole: status $(cat "$work/whole/status")"
cmp -s "$work/console" "$work/whole/out" || fail "whole: console bytes differ"
cmp -s "$work/answers" "$work/whole/answers.txt" || fail "whole: answers bytes differ"

# refused CASE LIST-TEXT MESSAGE: the list is refused with that message.
refused() {
  printf "$2" >"$work/$1.list"
  run "$1" "$work/$1.list"
  [ "$(cat "$work/$1/status")" = 1 ] || fail "$1: status $(cat "$work/$1/status")"
  grep -q "$3" "$work/$1/err" || fail "$1: no \"$3\" in: $(cat "$work/$1/err")"
}
refused short 'console 11\nanswers 8\nconsole 7\nanswers 1\nconsole 18\n' 'do not cover'
refused overrun 'console 11\nanswers 10\nconsole 26\n' 'overrun'
refused unknown 'console 11\nerrors 8\n' 'unknown stream "errors"'
refused malformed 'console 11\nanswers eight\n' 'malformed'

if [ "$failures" -gt 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "5 passed, 0 failed"
