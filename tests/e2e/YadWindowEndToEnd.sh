#!/usr/bin/env bash
# yad's window options, run side by side with yad in a virtual X server (no window manager):
# where each window opens, read with xdotool, and what each tells a window manager, read with
# xprop; then --print-xid, and --close-on-unfocus with the focus moved by xdotool.
# Usage: YadWindowEndToEnd.sh <picker binary> <scripts folder>
set -euo pipefail
picker=$1
source "$2/xvfb-session"
if ! command -v yad >/dev/null || ! command -v zenity >/dev/null; then
  echo "SKIP: yad or zenity is not installed here, so there is nothing to compare with"
  exit 0
fi

start_xvfb_with_scratch
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
failed=0
check() {
  if "${@:2}"; then echo "ok: $1"; else echo "FAIL: $1"; failed=1; fi
}

# open PROGRAM ARGS...: starts it and puts its process in $pid, its window in $window.
open() {
  "$@" >"$work/out" 2>"$work/err" &
  pid=$! window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | tail -n1) && [ -n "$window" ] && break
    sleep 0.1
  done
  sleep 0.3
}
close() { stop_process "$pid"; }

# place FIELDS PROGRAM ARGS...: where the window opens, as the fields asked for of
# x, y, right, bottom (the gaps to the screen's right and bottom edges) and cx, cy (its middle).
place() {
  local fields=$1
  shift
  open "$1" --calendar "${@:2}"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  close
  local -A at=([x]=$X [y]=$Y [right]=$((1024 - X - WIDTH)) [bottom]=$((768 - Y - HEIGHT))
    [cx]=$((X + WIDTH / 2)) [cy]=$((Y + HEIGHT / 2)))
  local field
  for field in $fields; do printf '%s=%s ' "$field" "${at[$field]}"; done
}

# same_place POINTER FIELDS OPTIONS...: the picker opens where yad does, as far as FIELDS tell.
same_place() {
  local pointer=$1 fields=$2 expected actual
  shift 2
  xdotool mousemove $pointer
  expected=$(place "$fields" yad "$@")
  actual=$(place "$fields" "$picker" "$@")
  check "$* opens as yad's: $actual" [ "$actual" = "$expected" ]
}

same_place "500 400" "right bottom" --posx=-10 --posy=-20
same_place "500 400" "x y" --posx=30 --posy=40
same_place "500 400" "x y" --posx=30
same_place "500 400" "cx cy" --center
same_place "300 200" "cx cy" --mouse
same_place "1000 5" "right y" --mouse
same_place "300 200" "x cy" --mouse --posx=5
same_place "500 400" "x y" --center --geometry=+50+60
same_place "500 400" "right bottom" --geometry=-50-60

# shown PROPERTY PROGRAM ARGS...: what xprop shows of one property of its window.
shown() {
  open "${@:2}"
  xprop -id "$window" "$1" | sed 's/^[^=:]*[=:] *//'
  close
}
# property PROGRAM PROPERTY ARGS...: the same of its calendar dialog.
property() { shown "$2" "$1" --calendar "${@:3}"; }
check "without options the window stays a plain one of class datepicker" \
  [ "$(shown WM_CLASS "$picker"):$(shown _NET_WM_WINDOW_TYPE "$picker")" = '"datepicker", "datepicker":_NET_WM_WINDOW_TYPE_NORMAL' ]
check "--print makes it a dialog" [ "$(shown _NET_WM_WINDOW_TYPE "$picker" --print | cut -d, -f1)" = _NET_WM_WINDOW_TYPE_DIALOG ]
type=$(property "$picker" _NET_WM_WINDOW_TYPE | cut -d, -f1)
check "a --calendar window is a dialog, as zenity's ($type)" [ "$type" = "$(property zenity _NET_WM_WINDOW_TYPE)" ]
for names in "--class=Foo --name=bar" "--class=Foo" "--name=bar"; do
  class=$(property "$picker" WM_CLASS $names)
  check "$names: WM_CLASS $class" [ "$class" = "$(property zenity WM_CLASS $names | sed 's/"zenity"/"datepicker"/; s/"Zenity"/"datepicker"/')" ]
done
states=$(property "$picker" _NET_WM_STATE --sticky --skip-taskbar --on-top)
has_state() { [[ "$states" == *"$1"* ]]; }
for state in $(property yad _NET_WM_STATE --sticky --skip-taskbar --on-top | tr -d ,); do
  check "--sticky --skip-taskbar --on-top: $state, as yad's" has_state "$state"
done
same_property() {
  local actual
  actual=$(property "$picker" "$@" | cut -d, -f"$field")
  check "${*:2}: $1 $actual as yad's" [ "$actual" = "$(property yad "$@" | cut -d, -f"$field")" ]
}
field=1 same_property _NET_WM_DESKTOP --sticky
field=3 same_property _MOTIF_WM_HINTS --undecorated
field=1 same_property _NET_WM_WINDOW_TYPE --splash
input() { open "$@" --calendar; xprop -id "$window" WM_HINTS | grep 'accepts input'; close; }
check "--no-focus: the window takes no focus, as yad's" [ "$(input "$picker" --no-focus)" = "$(input yad --no-focus)" ]

# --print-xid writes 0x and the id in upper-case hexadecimal, with no line's end, as yad does.
for target in "" "=$work/xid"; do
  open "$picker" --calendar --print-xid$target
  written=$(cat "${target#=}" 2>/dev/null || cat "$work/err")
  close
  check "--print-xid$target writes $written" [ "$written" = "$(printf '0x%X' "$window")" ]
done

# --close-on-unfocus: the dialog survives its own context menu and ends as Escape would (status
# 1, nothing printed) when another window takes the focus. The other window opens first: a
# window that opens takes the focus.
"$picker" --title Other 2>/dev/null &
other_pid=$!
other=$(wait_for_window Other)
open "$picker" --calendar --close-on-unfocus
popup_pid=$pid
xdotool windowfocus --sync "$window"
sleep 0.3
xdotool key shift+F10 sleep 0.5 key Escape sleep 0.5
xdotool mousemove --window "$window" 100 100 click 3 sleep 0.5 key Escape sleep 0.5
check "the context menu, opened and closed by keys and by the pointer, leaves the dialog open" kill -0 "$popup_pid"
xdotool windowfocus --sync "$other"
ended() { ! kill -0 "$popup_pid" 2>/dev/null; }
wait_until ended || kill "$popup_pid"
status=0
wait "$popup_pid" || status=$?
check "losing the focus ends it with status 1 and prints nothing ($status)" [ "$status:$(cat "$work/out")" = "1:" ]
stop_process "$other_pid"
exit $failed
