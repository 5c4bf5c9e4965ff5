#!/usr/bin/env bash
# Runs the real nines executable in a terminal (a detached tmux session of
# fixed size), types as a user would and checks what the screen shows: each
# pause holds the next page back, two characters typed at the first pause
# turn two pages, a pair gets its report, and "x" twice ends the run with
# status 0.
set -euo pipefail
nines=$1
tmux=${2:-tmux}
work=$(mktemp -d)
socket="nines-terminal-test-$$"
t() { "$tmux" -L "$socket" -f /dev/null "$@"; }
trap 't kill-server 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*"
  echo "--- screen and history:"
  t capture-pane -p -S - -t nines 2>/dev/null || true
  exit 1
}
screen() { t capture-pane -p -S - -t nines; }
shows() { screen | grep -q -F -- "$1"; }

# waitFor TEXT: polls until TEXT is on the screen or in its history.
waitFor() {
  for _ in $(seq 400); do
    shows "$1" && return 0
    sleep 0.05
  done
  fail "\"$1\" did not appear"
}

# holdsBack TEXT: TEXT stays off the screen for a second, the program having
# reached a pause.
holdsBack() {
  for _ in $(seq 20); do
    ! shows "$1" || fail "\"$1\" appeared before its key was typed"
    sleep 0.05
  done
}

# A shell around the program records its exit status in the folder.
t new-session -d -s nines -x 100 -y 40 -c "$work" sh -c '"$0"; echo $? >exit-status' "$nines" \; \
  set-option -g remain-on-exit on \; set-option -g history-limit 10000

waitFor "Type any character, and <enter> to continue..."
holdsBack "Casting out 9's is a result-checking trick"

# "ab": "a" ends the first pause, "b" the second; the third waits.
t send-keys -t nines "ab" Enter
waitFor "Casting out 9's is a result-checking trick"
waitFor "Division is a little trickier"
holdsBack "Enter your name..."

t send-keys -t nines "k" Enter
waitFor "Enter your name..."
t send-keys -t nines "Tess" Enter
waitFor "Enter a string of 38 or fewer digits"
t send-keys -t nines "9866" Enter
waitFor "Enter a second +/- string of 38 or fewer digits"
t send-keys -t nines -- "-168" Enter
# The heading and the value under it are flushed one after the other; the
# prompt for another pair comes after both.
waitFor "Do another?"
screen | grep -A 1 -F "The integer part of the quotient is:" | grep -q -x -- "-58" ||
  fail "no quotient -58 under its heading"

t send-keys -t nines "x" Enter
t send-keys -t nines "x" Enter
waitFor "To print the answers you calculated"

for _ in $(seq 400); do
  [ -s "$work/exit-status" ] && break
  sleep 0.05
done
[ -s "$work/exit-status" ] || fail "the program did not exit"
[ "$(cat "$work/exit-status")" = 0 ] || fail "exit status $(cat "$work/exit-status")"
grep -q -F "** Tess's Operands and Answers **" "$work/answers.txt" || fail "answers.txt has no heading for Tess"
echo "terminal test passed"
