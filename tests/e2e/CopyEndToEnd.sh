#!/usr/bin/env bash
# Copies the real picker's date with real keys and reads the X clipboard back while the picker
# still owns it, and opens the context menu with the real pointer.
# Usage: CopyEndToEnd.sh <picker binary> <layout probe binary> <scripts folder>
set -euo pipefail
picker=$1
probe=$2
source "$3/xvfb-session"

work=$(mktemp -d)
cleanup() {
  [ -n "${picker_pid:-}" ] && kill "$picker_pid" 2>/dev/null || true
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

start_xvfb
export LC_ALL=C.UTF-8
"$picker" >"$work/stdout" 2>"$work/picker.log" &
picker_pid=$!
window=$(wait_for_window Form1) || { echo "FAIL: no window titled Form1"; exit 1; }
read -r _ x y < <(QT_QPA_PLATFORM=xcb "$probe" TextArea_1_2)

clipboard() { sleep 0.3; xclip -o -selection clipboard 2>/dev/null || true; }
popups() { xdotool search --onlyvisible --name '' 2>/dev/null | grep -vx "$window" | wc -l; }
check() {
  if "${@:2}"; then echo "ok: $1"; else echo "FAIL: $1"; failed=1; fi
}
failed=0
shown=$(date +'%A %B %-d, %Y')
iso=$(date +%F)

xdotool mousemove --window "$window" "$x" "$y" click 1
xdotool key ctrl+c
check "Ctrl+C copies the date as the header shows it" [ "$(clipboard)" = "$shown" ]
xdotool key ctrl+shift+c
check "Ctrl+Shift+C copies it in ISO 8601 form" [ "$(clipboard)" = "$iso" ]

sleep 0.3
import -window "$window" "$work/before.png"
before=$(popups)
xdotool click 3
sleep 0.5
check "a right click opens a menu" [ "$(popups)" -gt "$before" ]
xdotool key Escape
sleep 0.5
check "Escape closes it" [ "$(popups)" -eq "$before" ]
import -window "$window" "$work/after.png"
check "and the window is as it was" [ "$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1)" = "0" ]

echo other | xclip -i -selection clipboard
xdotool click 3
sleep 0.5
xdotool key Down Down Return
check "the menu's second entry copies the ISO date" [ "$(clipboard)" = "$iso" ]

check "the picker is still running" kill -0 "$picker_pid"
check "nothing was written to standard output" [ ! -s "$work/stdout" ]
exit $failed
