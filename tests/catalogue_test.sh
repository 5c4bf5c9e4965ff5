#!/usr/bin/env bash
# A catalogue of awkward inputs and surroundings for the real nines
# executable. Each case checks the exit status, standard error, the number of
# console reports and the closing screen, and answers.txt (without its Date
# and Time lines, which must still be there).
set -euo pipefail
nines=$(realpath "$1")
golden=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
problems=()

# The answers block of the pair 9866 and -168, cut from the golden file.
block="$work/block_9866"
sed -n '/^Operands:$/,/^\t*Name:  /p' "$golden/pair_9866.answers.txt" | sed '$d' >"$block"
pair=$'a\nb\nc\nAlice\n9866\n-168\n'

problem() { problems+=("$*"); }

# run CASE [SETUP [REDIRECTIONS]]: runs nines in a fresh folder on
# $work/CASE.in, after running SETUP there; output, error and status land
# beside the folder. REDIRECTIONS, such as '>&-', apply to nines itself,
# after those.
run() {
  local dir="$work/$1"
  mkdir "$dir"
  local command=("$nines")
  [ -z "${3:-}" ] || command=(bash -c "exec \"\$0\" $3" "$nines")
  (cd "$dir" && ${2:-:} && set +e
   timeout 30 "${command[@]}" <"$work/$1.in" >"$dir.out" 2>"$dir.err"
   echo $? >"$dir.status")
}

# expectRun CASE STATUS STDERR REPORTS CLOSING [REFUSALS]: CLOSING is yes
# when the closing screen must be shown; REFUSALS (default 0) is how many
# operands are refused as too long. REPORTS "-" skips the console, for runs
# whose console is not a file.
expectRun() {
  local dir="$work/$1" status
  status=$(cat "$dir.status")
  [ "$status" = "$2" ] || problem "status $status, expected $2"
  [ "$(cat "$dir.err")" = "$3" ] || problem "standard error \"$(head -c 200 "$dir.err")\""
  [ "$4" = - ] && return
  local reports
  reports=$(grep -a -c '^The first operand is:$' "$dir.out" || true)
  [ "$reports" = "$4" ] || problem "$reports console reports, expected $4"
  if [ "$5" = yes ]; then
    grep -a -q '^To print the answers you calculated' "$dir.out" || problem "no closing screen"
  fi
  local refusals
  refusals=$(grep -a -c 'That entry is too long' "$dir.out" || true)
  [ "$refusals" = "${6:-0}" ] || problem "$refusals refusals, expected ${6:-0}"
}

# expectAnswers CASE NAME BLOCKS: the heading for NAME, BLOCKS copies of the
# 9866 block and the closing lines.
expectAnswers() {
  local file="$work/$1/answers.txt"
  [ -f "$file" ] || { problem "no answers.txt"; return; }
  local expected="$work/$1.expected"
  {
    printf '\t\t** %s'"'"'s Operands and Answers **\n\n\n\n' "$2"
    for ((i = 0; i < $3; i++)); do cat "$block"; done
    printf '\t\t\t\t\tName:  %s\n' "$2"
  } >"$expected"
  grep -a -v -E $'^\t{5}(Date|Time):  ' "$file" | cmp -s - "$expected" ||
    problem "answers.txt differs: $(grep -a -v -E $'^\t{5}(Date|Time):  ' "$file" |
                                     diff - "$expected" | head -c 300)"
  [ "$(grep -a -c -E $'^\t{5}(Date:  [0-9]{2}/[0-9]{2}/[0-9]{2}|Time:  [0-9]{2}:[0-9]{2}:[0-9]{2})$' \
        "$file")" = 2 ] || problem "no Date and Time lines"
}

finish() {
  if [ "${#problems[@]}" -eq 0 ]; then
    echo "ok   $1"
    passed=$((passed + 1))
  else
    echo "FAIL $1: ${problems[*]}"
    failed=$((failed + 1))
  fi
  problems=()
}

# finishesLike CASE NAME BLOCKS [REFUSALS]: a normal end, by "x" or by end
# of input.
finishesLike() {
  run "$1"
  expectRun "$1" 0 "" "$3" yes "${4:-0}"
  expectAnswers "$1" "$2" "$3"
  finish "$1"
}

: >"$work/empty.in"
finishesLike empty "" 0

printf '  \n\n\t \r\n   \n\n' >"$work/blanks.in"
finishesLike blanks "" 0

printf 'a\r\nb\r\nc\r\nAlice\r\n9866\r\n-168\r\nx\r\nx\r\n' >"$work/crlf.in"
finishesLike crlf Alice 1

# A 100,000-character name: its first 31 characters head the file.
{ printf 'a b c '; printf 'Abcdefghij%.0s' $(seq 10000); printf '\n9866 -168\nx x\n'; } \
  >"$work/long_name.in"
finishesLike long_name AbcdefghijAbcdefghijAbcdefghijA 1

# A 10 MB operand with no line end is refused; the end of input then ends
# the dialogue.
{ printf 'a b c Bo '; head -c 10000000 /dev/zero | tr '\0' '7'; } >"$work/huge_operand.in"
finishesLike huge_operand Bo 0 1

# Binary bytes turn the pages; a NUL ends the text a word stands for, and
# the bytes after it do not count.
printf '\0 \377 \001 Alice\0\177\376 9866\0\001\377 -168\0\200 x\0 x\n' >"$work/binary.in"
finishesLike binary Alice 1

printf 'a\nb' >"$work/ends_in_pages.in"
finishesLike ends_in_pages "" 0
printf 'a\nb\nc\nAlice' >"$work/ends_at_name.in"
finishesLike ends_at_name Alice 0
printf '%s' "${pair%-168$'\n'}" >"$work/ends_between_operands.in"
finishesLike ends_between_operands Alice 0
printf '%s' "$pair" >"$work/ends_after_pair.in"
finishesLike ends_after_pair Alice 1

# The arguments of an installed command are answered without a session:
# nothing is read, and an answers.txt already there is left as it was.
for call in 'help --help 0' 'version --version 0' 'bogus --bogus 2'; do
  read -r name argument status <<<"$call"
  : >"$work/$name.in"
  run "$name" 'eval echo kept >answers.txt' "$argument"
  if [ "$status" = 0 ]; then
    expectRun "$name" 0 "" - no
  else
    expectRun "$name" 2 "nines: unknown argument '$argument'"$'\nUsage: nines\n       nines --check\n       nines --help | --version' - no
    [ ! -s "$work/$name.out" ] || problem "standard output \"$(head -c 100 "$work/$name.out")\""
  fi
  [ "$(cat "$work/$name/answers.txt")" = kept ] || problem "answers.txt was touched"
  finish "$name"
done
grep -q '^Usage: nines$' "$work/help.out" || problems+=("no usage from --help")
grep -q -E '^nines [0-9]+\.[0-9]+\.[0-9]+$' "$work/version.out" || problems+=("no version")
finish help_and_version_texts

# A checking session answers on the console alone, up to its "x": an
# answers.txt already there is left as it was, and nothing else is written.
# What is typed is not shown, so each answer to a line that gets one line
# follows its prompt.
printf '23 * 14 = 322\n23 * 14 = 232\n1,5 + 1 = 2,5\nx\n23 * 14 = 322\n' >"$work/check.in"
run check 'eval echo kept >answers.txt' --check
expectRun check 0 "" - no
[ "$(cat "$work/check/answers.txt")" = kept ] || problem "answers.txt was touched"
[ "$(ls "$work/check")" = answers.txt ] || problem "files written: $(ls "$work/check")"
for verdict in 'Your answer is right.' 'Casting out elevens finds an error.' \
               'No commas, points or blanks: write 1234567.'; do
  [ "$(sed 's/^> //' "$work/check.out" | grep -a -c -x -F "$verdict")" = 1 ] ||
    problem "not once: $verdict"
done
finish check

# It fails as the dialogue does when the console fails it.
for call in 'check_stdin_closed <&- Input could not be read' \
            'check_stdout_full >/dev/full Output could not be written' \
            'check_stdout_closed >&- Output could not be written'; do
  read -r name redirection message <<<"$call"
  printf '23 * 14 = 322\n' >"$work/$name.in"
  run "$name" : "--check $redirection"
  expectRun "$name" 1 "$message" - no
  finish "$name"
done

# A current folder that no longer exists: not even root can create a file
# in it.
printf '%s' "$pair" >"$work/folder_gone.in"
run folder_gone 'rmdir ../folder_gone'
expectRun folder_gone 1 "File could not be opened" 0 no
[ ! -e "$work/folder_gone" ] || problem "something was written"
finish folder_gone

# answers.txt cannot be opened and the console cannot be written either:
# both are told.
printf '%s' "$pair" >"$work/nothing_works.in"
run nothing_works 'mkdir answers.txt' '>/dev/full'
expectRun nothing_works 1 $'File could not be opened\nOutput could not be written' - no
finish nothing_works

# answers.txt leads to a full disk: the dialogue runs to its end, and the
# failure is reported once.
printf '%sx\nx\n' "$pair" >"$work/full_disk.in"
run full_disk 'ln -s /dev/full answers.txt'
expectRun full_disk 1 "File could not be written" 1 yes
finish full_disk

# Standard streams that cannot be read or written: the run goes on to its
# end, the answers file is whole, and the failure is told once, status 1.
# A closed stream keeps its descriptor from answers.txt.
: >"$work/stdin_closed.in"
run stdin_closed : '<&-'
expectRun stdin_closed 1 "Input could not be read" 0 yes
expectAnswers stdin_closed "" 0
finish stdin_closed

: >"$work/stdin_folder.in"
run stdin_folder : "<$work"
expectRun stdin_folder 1 "Input could not be read" 0 yes
expectAnswers stdin_folder "" 0
finish stdin_folder

for stream in 'stdout_full >/dev/full' 'stdout_closed >&-'; do
  name=${stream%% *}
  printf '%sx\nx\n' "$pair" >"$work/$name.in"
  run "$name" : "${stream#* }"
  expectRun "$name" 1 "Output could not be written" - no
  expectAnswers "$name" Alice 1
  finish "$name"
done

printf '%sx\nx\n' "$pair" >"$work/stderr_closed.in"
run stderr_closed : '>/dev/full 2>&-'
expectRun stderr_closed 1 "" - no
expectAnswers stderr_closed Alice 1
finish stderr_closed

# A reader that goes away without reading. 2,000 pairs make some 2.4 MB,
# many times what a pipe holds (64 KiB, or 1 MiB where pages are 64 KiB), so
# nines is still writing after the reader has gone, however late the reader
# is scheduled. It ends by SIGPIPE, as console programs do, unless whoever
# started this test ignores that signal; then the write fails and is told.
{ printf 'a b c Bo\n'; printf '9866 -168\n%.0s' $(seq 2000); echo 'x x'; } \
  >"$work/broken_pipe.in"
mkdir "$work/broken_pipe"
(cd "$work/broken_pipe" && set +e
 timeout 30 "$nines" <"$work/broken_pipe.in" 2>"$work/broken_pipe.err" | true
 echo "${PIPESTATUS[0]}" >"$work/broken_pipe.status")
sigpipeIgnored=$(( 0x$(sed -n 's/^SigIgn:\t*//p' /proc/self/status) >> 12 & 1 ))
if [ "$sigpipeIgnored" = 1 ]; then
  expectRun broken_pipe 1 "Output could not be written" -
else
  expectRun broken_pipe 141 "" -
fi
finish broken_pipe

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
