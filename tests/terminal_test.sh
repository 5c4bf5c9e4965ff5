#!/usr/bin/env bash
# Runs the real nines executable in a terminal (a detached tmux session of
# fixed size) and types as a user would.
#
# First it checks what the screen shows: each pause holds the next page
# back, two characters typed at the first pause turn two pages, a pair gets
# its report, and "x" twice ends the run with status 0.
#
# Then it types each row of a table twice, each time into a fresh terminal
# and folder: once with the program's input and output the terminal, so that
# it reads through its line editor when the build has one ("edited"), and
# once with its output through a pipe, so that the terminal reads the lines
# itself, as without line editing ("straight"); a row that edits lines types
# them in the straight run as they end up. Both runs must end with status
# 0, show the same screen up to the closing screen (which shows the time)
# and write the same answers.txt, holding the name and operands the row
# names. A build without line editing leaves out the rows that edit lines.
#
# Usage: tests/terminal_test.sh NINES [TMUX [editing|no-editing]]
set -euo pipefail
nines=$1
tmux=${2:-tmux}
editing=${3:-editing}
work=$(mktemp -d)
socket="nines-terminal-test-$$"
# UTF-8 in and out of tmux, whatever the locale of the test.
t() { "$tmux" -L "$socket" -u -f /dev/null "$@"; }
trap 't kill-server 2>/dev/null || true; rm -rf "$work"' EXIT

# The tmux session typed into.
target=nines

fail() {
  echo "FAIL: $*"
  echo "--- screen and history:"
  t capture-pane -p -S - -t "$target" 2>/dev/null || true
  exit 1
}
screen() { t capture-pane -p -S - -t "$target"; }
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

# exitsWith0 FOLDER: waits for the program run in FOLDER to end, with status 0.
exitsWith0() {
  for _ in $(seq 400); do
    [ -s "$1/exit-status" ] && break
    sleep 0.05
  done
  [ -s "$1/exit-status" ] || fail "the program did not exit"
  [ "$(cat "$1/exit-status")" = 0 ] || fail "exit status $(cat "$1/exit-status")"
}

exitsWith0 "$work"
grep -q -F "** Tess's Operands and Answers **" "$work/answers.txt" || fail "answers.txt has no heading for Tess"
echo "first dialogue passed"

# What the session received, from an answers.txt: the name, then each
# pair's operands, as in "Tess: 9866 -168; 9867 -168".
received() {
  awk '
    / Operands and Answers \*\*$/ {
      name = $0
      sub(/^\t*\*\* /, "", name)
      sub(/.s Operands and Answers \*\*$/, "", name)
    }
    /^Operands:$/ { pairs = pairs (pairs == "" ? "" : ";"); wanted = 2; next }
    wanted > 0 && /^[ -]/ { value = $0; sub(/^ /, "", value); pairs = pairs " " value; wanted-- }
    END { print name ":" pairs }' "$1"
}

# Within a row: at TEXT [N] waits for the Nth line showing TEXT and for the
# prompt after it (the cursor past its indent) and, when the line editor
# reads, for the terminal to be in its raw mode, so that no key is echoed
# before the editor reads it. keys EDITED [STRAIGHT] types tmux keys (key
# names or text), STRAIGHT instead in the straight run when given.
at() {
  for _ in $(seq 400); do
    if [ "$(screen | grep -c -F -- "$1")" -ge "${2:-1}" ] &&
       [ "$(t display-message -p -t "$target" '#{cursor_x}')" -gt 0 ] &&
       { [ "$editor_reads" = no ] || [[ $(stty -F "$pane_tty" -a) == *-icanon* ]]; }; then
      return 0
    fi
    sleep 0.05
  done
  fail "no prompt after \"$1\" (${2:-1})"
}
# cursorAt COLUMN: waits for the cursor to stand in COLUMN, counted from 0.
cursorAt() {
  for _ in $(seq 400); do
    [ "$(t display-message -p -t "$target" '#{cursor_x}')" = "$1" ] && return 0
    sleep 0.05
  done
  fail "the cursor is not in column $1"
}
keys() {
  local typed=$1
  [ "$typing" = edited ] || typed=${2:-$1}
  # shellcheck disable=SC2086  # a word a key
  t send-keys -t "$target" -- $typed
}
first() { at "Enter a string of 38"; }
another() { at "Do another?" "${1:-1}"; }
second() { at "Enter a second" "${1:-1}"; }
# The opening pages, each pause answered by a character of one line, and
# the name.
opening() {
  at "Type any character"; keys "abc Enter"
  at "Enter your name..."; keys "$@"
}
finish() { another "$1"; keys "x Enter"; second $(($1 + 1)); keys "x Enter"; }

# The rows: each a function that types a dialogue, and what answers.txt must
# show was received; edits[ROW] is yes for a row that edits lines, and
# locales[ROW] the locale it runs in when not C.UTF-8.
declare -A receives edits locales

# 9766 becomes 9866 with Left and Delete, 16 becomes -168 with Home and End.
receives[arrow_keys]="Tess: 9866 -168"
edits[arrow_keys]=yes
arrow_keys() {
  opening "Tess Enter"
  first; keys "9766 Left Left Left DC 8 Enter" "9866 Enter"
  second; keys "16 Home - End 8 Enter" "-168 Enter"
  finish 1
}

# Up recalls the lines typed before, Down the next again, the pauses' line
# left out (Up at the name recalls nothing): the second pair is the first
# with one digit changed.
receives[recall]="Tess: 9866 -168; 9867 -168"
edits[recall]=yes
recall() {
  opening "Up Tess Enter" "Tess Enter"
  first; keys "9866 Enter"
  second; keys "-168 Enter"
  another; keys "Up Up BSpace 7 Enter" "9867 Enter"
  second 2; keys "Up Up Up Down Enter" "-168 Enter"
  finish 2
}

# Backspace takes a two-byte character whole.
receives[non_ascii_name]="Søren: 9866 -168"
edits[non_ascii_name]=yes
non_ascii_name() {
  opening "Sørén Left BSpace e Enter" "Søren Enter"
  first; keys "9866 Enter"
  second; keys "-168 Enter"
  finish 1
}

# Control-D on an empty line ends the input.
receives[control_d]="Tess: 9866 -168"
control_d() {
  opening "Tess Enter"
  first; keys "9866 Enter"
  second; keys "-168 Enter"
  another; keys "C-d"
}

# A window narrowed in the middle of an operand keeps what was typed, and
# the operand, now longer than a screen line, is edited in the middle.
receives[resized]="Tess: 98651234567890123456789012345678901234 -168"
edits[resized]=yes
resized() {
  opening "Tess Enter"
  first; keys "98"
  cursorAt 10
  t resize-window -t "$target" -x 40 -y 30
  sleep 0.2
  keys "661234567890123456789012345678901234 Home Right Right Right DC 5 Enter" \
    "651234567890123456789012345678901234 Enter"
  second; keys "-168 Enter"
  finish 1
}

# In the C locale the line editor would drop each byte outside ASCII, so
# the terminal reads the lines itself there.
receives[c_locale]="Søren: 9866 -168"
locales[c_locale]=C
c_locale() {
  opening "Søren Enter"
  first; keys "9866 Enter"
  second; keys "-168 Enter"
  finish 1
}

# runRow ROW TYPING: types ROW into a fresh terminal and folder,
# $work/ROW.TYPING, and leaves there the screen up to the closing screen.
runRow() {
  local dir="$work/$1.$2" locale=${locales[$1]:-C.UTF-8}
  mkdir "$dir"
  typing=$2
  local command='"$0"; echo $? >exit-status'
  [ "$typing" = edited ] || command='{ "$0"; echo $? >exit-status; } | cat'
  target=row
  t new-session -d -s "$target" -x 100 -y 40 -c "$dir" -e "LC_ALL=$locale" \
    sh -c "$command" "$nines"
  pane_tty=$(t display-message -p -t "$target" '#{pane_tty}')
  editor_reads=no
  [ "$typing" = edited ] && [ "$editing" = editing ] && [ "$locale" != C ] && editor_reads=yes
  "$1"
  exitsWith0 "$dir"
  screen >"$dir/screen"
  grep -q '^To print the answers' "$dir/screen" || fail "no closing screen"
  sed -i '/^To print the answers/,$d' "$dir/screen"
  t kill-session -t "$target"
}

sameAnswers() { cmp -s <(grep -v -E $'^\t{5}(Date|Time):  ' "$1") <(grep -v -E $'^\t{5}(Date|Time):  ' "$2"); }

for row in arrow_keys recall non_ascii_name control_d resized c_locale; do
  if [ "${edits[$row]:-no}" = yes ] && [ "$editing" != editing ]; then
    echo "left out: $row (the build has no line editing)"
    continue
  fi
  runRow "$row" edited
  runRow "$row" straight
  edited=$work/$row.edited
  straight=$work/$row.straight
  cmp -s "$edited/screen" "$straight/screen" ||
    fail "$row: the screens differ: $(diff "$straight/screen" "$edited/screen" | head -20)"
  sameAnswers "$edited/answers.txt" "$straight/answers.txt" || fail "$row: answers.txt differs"
  [ "$(received "$edited/answers.txt")" = "${receives[$row]}" ] ||
    fail "$row: received \"$(received "$edited/answers.txt")\", not \"${receives[$row]}\""
  echo "ok   $row"
done
echo "terminal test passed"
