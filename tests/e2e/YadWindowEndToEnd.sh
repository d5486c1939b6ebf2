#!/usr/bin/env bash
# yad's window options, run side by side with yad in a virtual X server (no window manager):
# where each window opens (xdotool), what each tells a window manager (xprop), --print-xid, and
# --close-on-unfocus with the focus moved by xdotool.
# Usage: YadWindowEndToEnd.sh <picker binary> <scripts folder>
set -euo pipefail
picker=$1
source "$2/xvfb-session"
if ! command -v yad >/dev/null || ! command -v zenity >/dev/null; then
  echo "SKIP: yad or zenity is not installed here, so there is nothing to compare with"
  exit 77
fi
start_xvfb_with_scratch
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
failed=0
check() {
  if "${@:2}"; then echo "ok: $1"; else echo "FAIL: $1"; failed=1; fi
}

# open PROGRAM ARGS...: starts it, with its process in $pid and its window in $window.
open() {
  "$@" >"$work/out" 2>"$work/err" &
  pid=$! window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | tail -n1) && [ -n "$window" ] && break
    sleep 0.1
  done
  sleep 0.3
}

# place FIELDS PROGRAM ARGS...: where its calendar opens, as FIELDS of x, y, right, bottom (the
# gaps to the screen's right and bottom edges) and cx, cy (the window's middle).
place() {
  open "$2" --calendar "${@:3}"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  stop_process "$pid"
  local -A at=([x]=$X [y]=$Y [right]=$((1024 - X - WIDTH)) [bottom]=$((768 - Y - HEIGHT))
    [cx]=$((X + WIDTH / 2)) [cy]=$((Y + HEIGHT / 2)))
  for field in ${1//,/ }; do printf '%s=%s ' "$field" "${at[$field]}"; done
}
while read -r x y fields options; do
  xdotool mousemove "$x" "$y"
  expected=$(place "$fields" yad $options)
  actual=$(place "$fields" "$picker" $options)
  check "$options opens as yad's: $actual" [ "$actual" = "$expected" ]
done <<'END'
500 400 right,bottom --posx=-10 --posy=-20
500 400 x,y --posx=30
500 400 cx,cy --center
300 200 cx,cy --mouse
1000 5 right,y --mouse
300 200 x,cy --mouse --posx=5
500 400 x,y --center --geometry=+50+60
500 400 right,bottom --geometry=-50-60
END

# shown PROPERTY FIELD PROGRAM ARGS...: one field of the first value xprop shows of a property of
# its window.
shown() {
  open "${@:3}"
  xprop -id "$window" "$1" | sed -n 's/^[^=:]*[=:] *//; /./{p;q}' | cut -d, -f"$2"
  stop_process "$pid"
}
check "without options the window stays a plain one of class datepicker" \
  [ "$(shown WM_CLASS 1- "$picker"):$(shown _NET_WM_WINDOW_TYPE 1- "$picker")" = '"datepicker", "datepicker":_NET_WM_WINDOW_TYPE_NORMAL' ]
# like ORACLE PROPERTY FIELD ARGS...: the picker's calendar shows the property as the oracle's.
like() {
  local actual expected
  actual=$(shown "$2" "$3" "$picker" --calendar "${@:4}")
  expected=$(shown "$2" "$3" "$1" --calendar "${@:4}" | sed "s/\"$1\"/\"datepicker\"/I")
  check "--calendar ${*:4}: $2 $actual, as $1's" [ "$actual" = "$expected" ]
}
like zenity _NET_WM_WINDOW_TYPE 1
like zenity WM_CLASS 1- --class=Foo --name=bar
like zenity WM_CLASS 1- --class=Foo
like zenity WM_CLASS 1- --name=bar
like yad _NET_WM_STATE 1- --sticky --skip-taskbar
like yad _NET_WM_DESKTOP 1 --sticky
like yad _MOTIF_WM_HINTS 3 --undecorated
like yad _NET_WM_WINDOW_TYPE 1 --splash
like yad WM_HINTS 1- --no-focus
above() { [[ "$(shown _NET_WM_STATE 1- "$picker" --calendar --on-top)" == *_NET_WM_STATE_ABOVE* ]]; }
check "--on-top keeps it above others" above

# --print-xid writes 0x and the id in upper-case hexadecimal, with no line's end, as yad does.
for target in "" "=$work/xid"; do
  open "$picker" --calendar --print-xid$target
  written=$(cat "${target#=}" 2>/dev/null || cat "$work/err")
  stop_process "$pid"
  check "--print-xid$target writes $written" [ "$written" = "$(printf '0x%X' "$window")" ]
done

# --close-on-unfocus: Enter still accepts, the window's own closing being no loss of the focus;
# the dialog survives its own context menu and ends as Escape would when another
# window takes the focus. The other window opens first, since a window that opens takes the focus.
open "$picker" --calendar --close-on-unfocus --date 2024-08-10 --date-format %F
xdotool windowfocus --sync "$window" sleep 0.3 key Return
status=0
wait "$pid" || status=$?
check "Enter accepts as without it ($status)" [ "$status:$(cat "$work/out")" = "0:2024-08-10" ]
"$picker" --title Other 2>/dev/null &
other_pid=$!
other=$(wait_for_window Other)
open "$picker" --calendar --close-on-unfocus
xdotool windowfocus --sync "$window" sleep 0.3 key shift+F10 sleep 0.5 key Escape sleep 0.5
xdotool mousemove --window "$window" 100 100 click 3 sleep 0.5 key Escape sleep 0.5
check "opening and closing its context menu, by keys and by the pointer, leaves it open" kill -0 "$pid"
xdotool windowfocus --sync "$other"
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_until ended || kill "$pid"
status=0
wait "$pid" || status=$?
check "losing the focus ends it with status 1 and prints nothing ($status)" [ "$status:$(cat "$work/out")" = "1:" ]
stop_process "$other_pid"
exit $failed
