#!/usr/bin/env bash
# Runs the picker as a script's dialog (--print) in a virtual X server with real keys, clicks
# and wheel turns, and checks what it prints and its exit status; then in Arabic, on the
# mirrored window, saving a screenshot in Arabic and one in Japanese for a person to look at.
# Usage: PrintEndToEnd.sh <picker binary> <layout probe binary> <scripts folder> <screenshot folder>
set -euo pipefail
picker=$1
probe=$2
source "$3/xvfb-session"
shots=$4

start_xvfb_with_scratch

declare -A at
while read -r name x y; do at[$name]="$x $y"; done < <(QT_QPA_PLATFORM=xcb "$probe" --print DialogButton_1 TextArea_1_2 TextArea_0_2 TextArea_0_3)

# start TITLE ARGS...: starts the picker with ARGS and waits for its window titled TITLE.
start() {
  local title=$1
  shift
  "$picker" "$@" >"$work/out" 2>"$work/err" &
  picker_pid=$!
  window=$(wait_for_window "$title") || { echo "FAIL: no window titled $title"; exit 1; }
  sleep 0.3
}
# Real key presses (XTEST) into the window, which gets the input focus first.
keys() { xdotool windowfocus --sync "$window" key --delay 100 "$@"; }
point() { xdotool mousemove --window "$window" ${at[$1]}; sleep 0.1; }
# finish EXPECTED_STATUS EXPECTED_OUTPUT DESCRIPTION: waits for the picker to end and checks it.
failed=0
finish() {
  local status=0
  for _ in $(seq 50); do kill -0 "$picker_pid" 2>/dev/null || break; sleep 0.1; done
  kill "$picker_pid" 2>/dev/null || true # still open: the test fails on its status
  wait "$picker_pid" || status=$?
  picker_pid=""
  local expected=""
  [ -z "$2" ] || expected="$2"$'\n'
  if [ "$status" = "$1" ] && [ "$(cat "$work/out"; echo .)" = "$expected." ]; then
    echo "ok: $3"
  else
    echo "FAIL: $3 (status $status, printed '$(cat "$work/out")', stderr '$(cat "$work/err")')"
    failed=1
  fi
}

start "Select a date" --print --date 2024-02-29
keys Tab Tab Tab Down Return
finish 0 2025-02-28 "a year on from 29 February by keys, then Enter, prints 28 February and ends with 0"

start "Date of birth" --print --date 2024-02-29 --title "Date of birth"
keys Escape
finish 1 "" "Escape prints nothing and ends with 1"

start "Select a date" --print --date 2024-02-29 --format dd.MM.yyyy
point DialogButton_1
xdotool click 1
finish 0 29.02.2024 "a click on OK prints the date in the format asked for"

start "Select a date" --print --date 2024-03-13 --max-date 2024-03-15
point TextArea_1_2
for _ in 1 2 3 4; do xdotool click 5; sleep 0.1; done
xdotool click 4
keys Return
# Four notches would reach the 17th; stopped at the 15th, one notch back gives the 14th.
finish 0 2024-03-14 "the wheel stops at the last date allowed, and turns back from there"

# Typing goes on from a date that a click or a wheel turn changed between two keys.
start "Select a date" --print --date 2024-08-10
keys Tab Tab 1
point TextArea_0_3
xdotool click 1
keys 5 Return
finish 0 2024-09-15 "a click on September between typing 1 and 5 into the day column selects the 15th of September"

start "Select a date" --print --date 2024-08-10
keys Tab Tab 1
point TextArea_0_2
xdotool click 5
keys 5 Return
finish 0 2024-09-15 "a wheel turn to September between typing 1 and 5 selects the 15th of September"

# A compose sequence reaches typing: j, then û composed of Compose ^ u, begins "juin" (without
# the û, "j" stays on janvier). French puts the month second.
LANG=fr_FR.UTF-8 LC_ALL= start "Choisir une date" --print --date 2024-08-10
keys Tab Tab j Multi_key asciicircum u Return
finish 0 2024-06-10 "a composed character is typed into the month column"

# Backspace selects what remains of the entry, and the day from before once nothing does.
start "Select a date" --print --date 2024-08-10
keys Tab Tab 3 1 BackSpace Return
finish 0 2024-08-03 "31 and Backspace selects the 3rd"
start "Select a date" --print --date 2024-08-10
keys Tab Tab 3 1 BackSpace BackSpace Return
finish 0 2024-08-10 "31 and two Backspaces bring back the 10th"

start "Select a date" --print --date 2024-02-29 --timeout 3
xdotool windowclose "$window"
finish 3 "" "a window destroyed by another program ends the dialog with 3 at once, printing nothing"
grep -qx "datepicker: the window was destroyed by another program" "$work/err" ||
  { echo "FAIL: the destroyed window is not told in one line: '$(cat "$work/err")'"; failed=1; }

# German reads a date day first and Japanese year first: the wheel over the leftmost column
# steps the day, or the year, and the header reads as the language writes a date.
for case in "de_DE.UTF-8 Datum.ausw.+hlen TextArea_1_2 2024-03-14 Donnerstag, 14. März 2024" \
            "ja_JP.UTF-8 日付の選択 TextArea_2_2 2025-03-13 2025年3月13日木曜日"; do
  read -r locale title leftmost printed header <<<"$case"
  while read -r name x y; do at[$name]="$x $y"; done < <(LANG=$locale LC_ALL= QT_QPA_PLATFORM=xcb "$probe" --print \
    TextArea_0_2 TextArea_1_2 TextArea_2_2)
  for name in TextArea_0_2 TextArea_1_2 TextArea_2_2; do
    [ "${at[$name]% *}" -ge "${at[$leftmost]% *}" ] ||
      { echo "FAIL: under $locale $leftmost is not the leftmost column"; failed=1; }
  done
  LANG=$locale LC_ALL= start "$title" --print --date 2024-03-13
  point "$leftmost" && xdotool click 5
  keys ctrl+c
  [ "$(xclip -o -selection clipboard)" = "$header" ] ||
    { echo "FAIL: under $locale the header reads '$(xclip -o -selection clipboard)', not '$header'"; failed=1; }
  keys Return
  finish 0 "$printed" "under $locale a wheel notch over the leftmost column steps it, and Enter prints the date"
done

# Arabic is written right to left and reads a date day first: from the right the day, month
# and year columns, then the link panels. A real input lands on a mirrored cell only where the
# window is mirrored as well.
export LANG=ar_EG.UTF-8 LC_ALL="" LANGUAGE=""
while read -r name x y; do at[$name]="$x $y"; done < <(QT_QPA_PLATFORM=xcb "$probe" --print --time \
  TextArea_0_2 TextArea_1_2 TextArea_2_2 TextArea_3_2 TextArea_4_2 TextArea_5_2 SpecialDate_0 SpecialDate_3 Border_0_1 Border_1_3)
descending() { while [ $# -gt 1 ]; do [ "${at[$1]% *}" -gt "${at[$2]% *}" ] || return 1; shift; done; }
descending TextArea_1_2 TextArea_0_2 TextArea_2_2 TextArea_3_2 TextArea_4_2 TextArea_5_2 SpecialDate_0 SpecialDate_3 ||
  { echo "FAIL: from the right the columns and links do not come day, month, year, hour, minute, AM/PM, links"; failed=1; }
start "اختر تاريخًا ووقتًا" --print --time --date 2024-03-13T21:05
point Border_1_3 && xdotool click 1
point TextArea_2_2 && xdotool click 5
point TextArea_4_2 && xdotool click 4
point Border_0_1 && xdotool click 1
keys ctrl+c
header=$(xclip -o -selection clipboard)
mkdir -p "$shots" && import -window "$window" "$shots/picker-ar.png"
keys Return
finish 0 "2025-02-14 21:04" "in Arabic a click on a mirrored day, the wheel over the year and the minute and a click on a month print ASCII ISO"
[[ $header == *" 14 "*" 2025 9:04 "* ]] ||
  { echo "FAIL: the header does not read the 14th of 2025 at 9:04 in ASCII digits: $header"; failed=1; }
LANG=ja_JP.UTF-8 start Form1 --date 2024-03-13
import -window "$window" "$shots/picker-ja.png"
exit $failed
