#!/usr/bin/env bash
# Picks a date and a time of day (--time) in a virtual X server with real wheel turns, keys and
# a paste, and checks what the picker prints: a minute past 59 stays in its hour, a 12-hour clock
# steps 9 PM to 10 PM, a minute step, a time the clock skips in Berlin, Tab and typing, and the
# copied and pasted date and time.
# Usage: TimeEndToEnd.sh <picker binary> <layout probe binary> <scripts folder>
set -euo pipefail
picker=$1
probe=$2
source "$3/xvfb-session"

start_xvfb_with_scratch

declare -A at
# probe LANG: where the time columns lie in that language's dialog.
probe() {
  while read -r name x y; do at[$name]="$x $y"; done < <(LANG=$1 QT_QPA_PLATFORM=xcb "$probe" --print --time \
    TextArea_3_2 TextArea_4_2)
}
start() {
  "$picker" "$@" >"$work/out" 2>"$work/err" &
  picker_pid=$!
  window=$(wait_for_window "(Select a date and time|Datum und Uhrzeit ausw.+hlen)") || { echo "FAIL: no window"; exit 1; }
  sleep 0.3
}
keys() { xdotool windowfocus --sync "$window" key --delay 100 "$@"; }
notch() { xdotool mousemove --window "$window" ${at[$1]}; sleep 0.1; xdotool click "$2"; sleep 0.1; }
failed=0
finish() {
  local status=0
  for _ in $(seq 50); do kill -0 "$picker_pid" 2>/dev/null || break; sleep 0.1; done
  kill "$picker_pid" 2>/dev/null || true
  wait "$picker_pid" || status=$?
  picker_pid=""
  if [ "$status" = 0 ] && [ "$(cat "$work/out")" = "$1" ]; then
    echo "ok: $2"
  else
    echo "FAIL: $2 (status $status, printed '$(cat "$work/out")', stderr '$(cat "$work/err")')"
    failed=1
  fi
}

export LANG=de_DE.UTF-8 LC_ALL="" LANGUAGE=""
probe de_DE.UTF-8
start --print --time --date 2026-12-06T09:59
notch TextArea_4_2 5
keys Return
finish "2026-12-06 09:00" "in German a notch towards the user over minute 59 gives 00 of the same hour"

start --print --time --minute-step 15 --date 2026-12-06T09:37
notch TextArea_4_2 5
keys Return
finish "2026-12-06 09:45" "a start between steps goes down to 09:30, and a notch steps on to 09:45"

# Berlin puts its clocks forward from 02:00 to 03:00 that night: hour 2 is passed over.
TZ=Europe/Berlin start --calendar --time --date 2026-03-29T01:30 --date-format "%F %R %z %s"
notch TextArea_3_2 5
keys Return
finish "2026-03-29 03:30 +0200 1774747800" "a notch over hour 1 on the night the clock skips 2 gives 03:30 summer time"

# Tab leads through the date columns to the hour and the minute; typing 4 then 5 selects 45.
start --print --time --date 2026-12-06T09:05
keys Tab Tab Tab Tab Tab 4 5 ctrl+shift+c
copied=$(xclip -o -selection clipboard)
printf '2026-12-24 18:30' | xclip -selection clipboard
keys ctrl+v Return
finish "2026-12-24 18:30" "a pasted ISO date and time is selected"
[ "$copied" = "2026-12-06T09:45" ] || { echo "FAIL: Tab to the minutes and 45 did not copy 2026-12-06T09:45: $copied"; failed=1; }

export LANG=en_US.UTF-8
probe en_US.UTF-8
start --print --time --date 2026-12-06T21:05
notch TextArea_3_2 5
keys ctrl+c
header=$(xclip -o -selection clipboard)
keys Return
finish "2026-12-06 22:05" "in English a notch over the hour 9 PM gives 10 PM"
[ "$header" = "Sunday December 6, 2026 10:05 PM" ] || { echo "FAIL: the header copied is '$header'"; failed=1; }
exit $failed
