#!/usr/bin/env bash
# Drives the real picker as a native Wayland client in a headless sway session, with wayvnc's
# virtual pointer and keyboard, and reads back what it shows: the window from the compositor,
# the date from the Wayland clipboard after Ctrl+Shift+C, the pointer's effect from screenshots.
# Usage: WaylandEndToEnd.sh <picker binary> <layout probe binary> <scripts folder>
set -euo pipefail
source "$3/wayland-session"
# English names, so that the copied header can be compared with date(1).
export LC_ALL=C.UTF-8

start_sway_with_scratch
# The test user may not reach the build tree.
cp "$1" "$work/datepicker"
cp "$2" "$work/layout_probe"

declare -A at
while read -r name x y; do at[$name]="$x $y"; done < <(as_session QT_QPA_PLATFORM=wayland "$work/layout_probe" \
  SpecialDate_0 SpecialDate_1 TextArea_1_2 TextArea_2_2)

failed=0
check() {
  if "${@:2}"; then echo "ok: $1"; else echo "FAIL: $1"; failed=1; fi
}
cursor() { as_session swaymsg seat seat0 cursor "$@" >/dev/null; }
point() {
  read -r x y <<<"${at[$1]}"
  cursor set $((left + x)) $((top + y))
  sleep 0.2
}
click() { point "$1"; cursor press "$2"; cursor release "$2"; sleep 0.3; }
# With sway, a press of button 4 or 5 is one wheel notch (its release would be a second one).
wheel() { point "$1"; cursor press "$2"; sleep 0.3; }
keys() { as_session wtype "$@"; sleep 0.3; }
clipboard() { as_session wl-paste 2>/dev/null || true; }
iso_copy() { keys -M ctrl -M shift c -m shift -m ctrl; clipboard; }
shot() { as_session grim -g "$1" - >"$work/$2.png"; }
same() { [ "$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1)" = "0" ]; }

start_in_session QT_QPA_PLATFORM=wayland "$work/datepicker" >"$work/stdout" 2>"$work/picker.log"
picker_pid=$!
wait_until window_rect Form1 >/dev/null || { echo "FAIL: no window titled Form1"; cat "$work/picker.log"; exit 1; }
read -r left top width height shell _ < <(window_rect Form1)
window="$left,$top ${width}x$height"
# 7530 by 3510 twips at 96 dpi, as under X11.
check "a native Wayland window titled Form1 opens, 502 by 234 pixels" [ "$shell $width $height" = "xdg_shell 502 234" ]

today=$(date +%F)
tomorrow=$(date -d tomorrow +%F)
click SpecialDate_1 button1
check "a click on Tomorrow selects tomorrow" [ "$(iso_copy)" = "$tomorrow" ]
click SpecialDate_0 button1
check "a click on Today selects today again" [ "$(iso_copy)" = "$today" ]
keys -M ctrl c -m ctrl
check "Ctrl+C copies the date as the header shows it" [ "$(clipboard)" = "$(date +'%A %B %-d, %Y')" ]

# On 29 February the next year has no such day, and the picker takes the month's last.
next_year="$(($(date +%Y) + 1))-$(date +%m-%d)"
[ "$(date +%m-%d)" != "02-29" ] || next_year="$(($(date +%Y) + 1))-02-28"
wheel TextArea_2_2 button5
check "one notch towards the user over the year column steps the year" [ "$(iso_copy)" = "$next_year" ]
wheel TextArea_2_2 button4
check "one notch away steps it back" [ "$(iso_copy)" = "$today" ]
# The day column is cyclic: after a month's last day it shows the 1st of the same month.
next_day="$(date +%Y-%m)-$(date -d tomorrow +%d)"
wheel TextArea_1_2 button5
check "one notch towards the user over the day column steps the day" [ "$(iso_copy)" = "$next_day" ]
wheel TextArea_1_2 button4

# menu_over FROM TO: a right click over FROM, then the pointer moves to TO while the menu is
# open, and Escape closes it. Qt's Wayland plugin then reports the pointer back at FROM.
menu_over() {
  point "$1"
  shot "0,0 1024x768" before_menu
  cursor press button3
  cursor release button3
  sleep 0.5
  shot "0,0 1024x768" menu
  point "$2"
  keys -k Escape
}
point TextArea_1_2
shot "$window" on_day
menu_over SpecialDate_1 TextArea_1_2
read -r menu_x menu_y < <(compare "$work/before_menu.png" "$work/menu.png" -compose src -fuzz 0 png:- 2>/dev/null |
  convert - -trim -format '%X %Y\n' info: | tr -d +)
# The hand pointer over the link becomes an arrow over the menu; their tips lie a few pixels apart.
near() { local apart=$(($1 - $2)); [ "${apart#-}" -le 8 ]; }
menu_at_link() { read -r x y <<<"${at[SpecialDate_1]}"; near "$menu_x" $((left + x)) && near "$menu_y" $((top + y)); }
check "a right click opens the menu at the pointer (at $menu_x,$menu_y)" menu_at_link
shot "$window" after_menu
check "Escape closes it, and no link stays lit under the pointer that left it" same on_day after_menu
check "and the date is as it was" [ "$(iso_copy)" = "$today" ]
menu_over TextArea_2_2 TextArea_1_2
cursor press button5
sleep 0.3
check "after a menu opened over the year, the wheel turns the day column under the pointer" [ "$(iso_copy)" = "$next_day" ]

# A paste takes a date from the clipboard; 100 MB there are no date, and are not read whole.
as_session wl-copy 2025-01-02
keys -M ctrl v -m ctrl
check "Ctrl+V pastes the date on the Wayland clipboard" [ "$(iso_copy)" = 2025-01-02 ]
head -c 100000000 /dev/zero | tr '\0' x >"$work/large"
as_session sh -c 'wl-copy <"$1"' sh "$work/large"
keys -M ctrl v -m ctrl
pasted=$(iso_copy | head -c 40)
peak=$(awk '/^VmHWM/ {print $2}' "/proc/$picker_pid/status")
unchanged_and_small() { [ "$pasted" = 2025-01-02 ] && [ "$peak" -lt 150000 ]; }
check "a paste of 100 MB changes nothing and does not read them (got '$pasted', peak $peak kB)" unchanged_and_small

running_silently() { [ ! -s "$work/stdout" ] && kill -0 "$picker_pid"; }
check "the picker is still running and has written nothing" running_silently
stop_process "$picker_pid"

focused() { [ "$(window_rect "$1" | cut -d' ' -f6)" = True ]; }

# Right to left the menu flows left from the pointer, though the pointer lies within a menu's
# width of the window's left edge: only the compositor knows where the screen ends.
while read -r name x y; do at[$name]="$x $y"; done < <(as_session QT_QPA_PLATFORM=wayland LC_ALL=ar_EG.UTF-8 \
  "$work/layout_probe" --print SpecialDate_3)
start_in_session QT_QPA_PLATFORM=wayland LC_ALL=ar_EG.UTF-8 "$work/datepicker" --print --title Mirrored \
  >"$work/stdout" 2>"$work/picker.log"
picker_pid=$!
wait_until focused Mirrored || { echo "FAIL: no window titled Mirrored has the focus"; cat "$work/picker.log"; exit 1; }
sleep 0.3
read -r left top _ < <(window_rect Mirrored)
menu_over SpecialDate_3 SpecialDate_3
read -r menu_x _ < <(compare "$work/before_menu.png" "$work/menu.png" -compose src -fuzz 0 png:- 2>/dev/null |
  convert - -trim -format '%X %Y\n' info: | tr -d +)
read -r x _ <<<"${at[SpecialDate_3]}"
flows_left() { [ "$x" -lt 200 ] && [ "$menu_x" -lt $((left + x - 100)) ]; }
check "right to left, the menu opens left of a pointer near the window's left edge ($((left + x)), from $menu_x)" flows_left
stop_process "$picker_pid"

start_in_session QT_QPA_PLATFORM=wayland "$work/datepicker" --print --time --date 2024-02-29T09:05 --title "Date of birth" \
  >"$work/stdout" 2>"$work/picker.log"
picker_pid=$!
wait_until focused "Date of birth" || { echo "FAIL: no window titled Date of birth has the focus"; exit 1; }
sleep 0.3
dialog_place=$(window_rect "Date of birth" | cut -d' ' -f1-4)
app_id=$(sed -n 's/^set(DATEPICKER_APP_ID \(.*\))$/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
check "the app id names the desktop entry, $app_id" [ "$(window_rect "Date of birth" | cut -d' ' -f7)" = "$app_id" ]
keys -k Return
ended() { ! kill -0 "$picker_pid" 2>/dev/null; }
wait_until ended || kill "$picker_pid" # still open: the check fails on its status
status=0
wait "$picker_pid" || status=$?
picker_pid=""
check "--print --time, then Enter, prints the date and time and ends with 0 (status $status)" \
  [ "$status:$(cat "$work/stdout")" = "0:2024-02-29 09:05" ]

# No Wayland client can place its window: yad's placement options are taken, and the window
# opens where the compositor puts the same dialog without them. --class names the app id.
start_in_session QT_QPA_PLATFORM=wayland "$work/datepicker" --print --time --date 2024-02-29 --title "Placed" \
  --center --mouse --posx=-10 --posy=20 --geometry=+5+5 --class=Foo >"$work/stdout" 2>"$work/picker.log"
picker_pid=$!
wait_until focused Placed || { echo "FAIL: no window titled Placed has the focus"; cat "$work/picker.log"; exit 1; }
sleep 0.3
check "--center, --mouse, --posx, --posy and --geometry leave the dialog where the compositor puts it" \
  [ "$(window_rect Placed | cut -d' ' -f1-4)" = "$dialog_place" ]
check "--class=Foo gives it the app id Foo" [ "$(window_rect Placed | cut -d' ' -f7)" = Foo ]
stop_process "$picker_pid"

# Last, as it takes the compositor away: a dialog whose display goes is a failure, not a choice.
start_in_session QT_QPA_PLATFORM=wayland LC_ALL=C.UTF-8 "$work/datepicker" --print --title "Lost" \
  >"$work/stdout" 2>"$work/picker.log"
picker_pid=$!
wait_until window_rect Lost >/dev/null || { echo "FAIL: no window titled Lost"; exit 1; }
stop_process "$wayvnc_pid"
stop_process "$sway_pid"
wait_until ended || kill "$picker_pid"
status=0
wait "$picker_pid" || status=$?
picker_pid=""
check "a compositor that goes away ends the dialog with 3, one line and nothing printed (status $status, wrote '$(cat "$work/stdout")', told '$(cat "$work/picker.log")')" \
  [ "$status:$(cat "$work/stdout"):$(cat "$work/picker.log")" = "3::datepicker: the connection to the display was lost" ]
exit $failed
