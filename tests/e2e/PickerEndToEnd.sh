#!/usr/bin/env bash
# Drives the real picker in a virtual X server with real clicks and wheel turns, and checks
# that each one changes the window and that its opposite brings the first picture back. Then
# copies the date with real keys and from the context menu, and reads the X clipboard back
# while the picker still owns it; types a year into its column and pastes a date from xclip,
# and from a clipboard owner that never answers.
# Usage: PickerEndToEnd.sh <picker binary> <layout probe binary> <scripts folder>
set -euo pipefail
picker=$1
probe=$2
source "$3/xvfb-session"

start_xvfb_with_scratch
# English names, so that the copied header can be compared with date(1).
export LC_ALL=C.UTF-8
"$picker" >"$work/stdout" 2>"$work/picker.log" &
picker_pid=$!
window=$(wait_for_window Form1) || { echo "FAIL: no window titled Form1"; exit 1; }

declare -A at
while read -r name x y; do at[$name]="$x $y"; done < <(QT_QPA_PLATFORM=xcb "$probe" \
  SpecialDate_0 SpecialDate_1 Border_2_1 Border_2_3 TextArea_1_2)

shot() { sleep 0.3; import -window "$window" "$work/$1.png"; }
same() { [ "$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1)" = "0" ]; }
differ() { ! same "$@"; }
point() { xdotool mousemove --window "$window" ${at[$1]}; sleep 0.1; }
click() { point "$1"; xdotool click 1; }
wheel() { point "$1"; xdotool click "$2"; }
check() {
  if "${@:2}"; then echo "ok: $1"; else echo "FAIL: $1"; failed=1; fi
}
failed=0

shot start
click SpecialDate_1
shot tomorrow
check "the Tomorrow link changes the window" differ start tomorrow
click SpecialDate_0
shot today
check "the Today link brings today back" same start today

wheel TextArea_1_2 5
shot wheel_down
check "a wheel notch towards the user over the day column moves it" differ start wheel_down
# Except on a month's last day, where the day column wraps to the 1st of the same month.
if [ "$(date -d tomorrow +%d)" != "01" ]; then
  check "the next day in the day column is tomorrow" same tomorrow wheel_down
fi
wheel TextArea_1_2 4
shot wheel_up
check "a notch away from the user moves it back" same start wheel_up

click Border_2_3
shot next_year
check "a click on the next year selects it" differ start next_year
click Border_2_1
shot back
check "a click on the previous year goes back" same start back

clipboard() { sleep 0.3; xclip -o -selection clipboard 2>/dev/null || true; }
popups() { xdotool search --onlyvisible --name '' 2>/dev/null | grep -vx "$window" | wc -l; }
shown=$(date +'%A %B %-d, %Y')
iso=$(date +%F)

click TextArea_1_2
xdotool key ctrl+c
check "Ctrl+C copies the date as the header shows it" [ "$(clipboard)" = "$shown" ]
xdotool key ctrl+shift+c
check "Ctrl+Shift+C copies it in ISO 8601 form" [ "$(clipboard)" = "$iso" ]

shot before_menu
windows=$(popups)
xdotool click 3
sleep 0.5
check "a right click opens a menu" [ "$(popups)" -gt "$windows" ]
xdotool key Escape
sleep 0.5
check "Escape closes it" [ "$(popups)" -eq "$windows" ]
shot after_menu
check "and the window is as it was" same before_menu after_menu

echo other | xclip -i -selection clipboard
xdotool click 3
sleep 0.5
xdotool key Down Down Return
check "the menu's second entry copies the ISO date" [ "$(clipboard)" = "$iso" ]

# Ctrl+C, the first key, placed the focus on the first column; two Tabs on reach the year.
xdotool key Tab Tab
xdotool type --delay 100 1987
xdotool key ctrl+shift+c
check "a year typed into its column selects it" [ "$(clipboard | cut -c1-5)" = "1987-" ]
echo " 2024-02-29 " | xclip -i -selection clipboard
xdotool key ctrl+v ctrl+shift+c
check "Ctrl+V selects the date on the clipboard" [ "$(clipboard)" = "2024-02-29" ]
# A text longer than any date is not read, and changes nothing.
{ printf 2024-03-01; head -c 1000 /dev/zero | tr '\0' ' '; } | xclip -i -selection clipboard
xdotool key ctrl+v ctrl+shift+c
check "Ctrl+V over a date followed by 1000 spaces changes nothing" [ "$(clipboard)" = "2024-02-29" ]
# A clipboard owner that never answers holds Ctrl+V up for about a second, then the window takes
# the next key (Qt's own reading waits fifteen seconds and more for such an owner).
"$(dirname "$probe")/silent_clipboard_owner" >"$work/owner" &
owner_pid=$!
wait_until test -s "$work/owner"
started=$(date +%s%N)
xdotool key ctrl+v ctrl+shift+c
wait_until eval '[ "$(timeout 1 xclip -o -selection clipboard 2>/dev/null)" = 2024-02-29 ]' || true
waited_ms=$(( ($(date +%s%N) - started) / 1000000 ))
echo "Ctrl+V with a silent clipboard owner, then Ctrl+Shift+C: copied after $waited_ms ms"
check "a clipboard owner that never answers does not freeze the window" [ "$waited_ms" -lt 5000 ]
stop_process "$owner_pid"

check "the picker is still running" kill -0 "$picker_pid"
check "nothing was written to standard output" [ ! -s "$work/stdout" ]

# A window that opens under a pointer at rest takes the wheel at once. The second picker opens
# over the first, which stays until then: without any client the server would reset the pointer.
point TextArea_1_2
"$picker" 2>>"$work/picker.log" &
second_pid=$!
for _ in $(seq 100); do
  second=$(xdotool search --name '^Form1$' 2>/dev/null | grep -vx "$window" | head -n1) && [ -n "$second" ] && break
  sleep 0.1
done
kill "$picker_pid"
picker_pid=$second_pid
window=$second
sleep 0.5
xdotool click 5
shot reopened_wheel
check "a window opened under the pointer takes the wheel before any move" same wheel_down reopened_wheel
exit $failed
