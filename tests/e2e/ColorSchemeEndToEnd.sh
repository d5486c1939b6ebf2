#!/usr/bin/env bash
# Runs the real picker beside a stand-in desktop portal on a private session bus: it opens in
# the scheme the portal prefers and follows a change while open, reads an older portal and
# GTK's settings file, is not held back by a portal or a bus that never answers, and looks the
# same whenever nothing prefers dark. Usage: ColorSchemeEndToEnd.sh <picker> <scripts folder>
set -euo pipefail
picker=$1
source "$2/xvfb-session"
here=$(cd "$(dirname "$0")" && pwd)
start_xvfb_with_scratch
export LC_ALL=C.UTF-8 XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" 2>/dev/null &
bus_pid=$!
portal_pid=""
stopped_bus_pid=""
# A stopped process ends only by SIGKILL.
trap 'stop_process "$portal_pid"; stop_process "$bus_pid"; kill -KILL $stopped_bus_pid 2>/dev/null || true
  end_xvfb_with_scratch' EXIT
wait_until test -s "$work/bus"

# open [mode scheme]: the picker, on the bus beside a stand-in portal when one is named.
open() {
  if [ $# -gt 0 ]; then
    export DBUS_SESSION_BUS_ADDRESS
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
    /usr/bin/python3 "$here/StandInPortal.py" "$@" >"$work/portal" 2>&1 &
    portal_pid=$!
    wait_until grep -q ready "$work/portal"
    "$picker" 2>>"$work/picker.log" &
  else
    unset DBUS_SESSION_BUS_ADDRESS
    "$picker" 2>>"$work/picker.log" &
  fi
  picker_pid=$!
  window=$(wait_for_window Form1) || window=""
}
close() { stop_process "$picker_pid"; stop_process "$portal_pid"; picker_pid="" portal_pid=""; }
shot() { sleep 0.4; import -window "$window" "$work/$1.png"; }
same() { [ "$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1)" = "0" ]; }
dark() { [ "$(convert "$work/$1.png" -format '%[fx:int(255*p{1,1}.r)]' info:)" -lt 80 ]; }
light() { ! dark "$1"; }
check() {
  if "${@:2}"; then echo "ok: $1"; else echo "FAIL: $1"; failed=1; fi
}
failed=0

open; shot light; close
check "without a bus the window is light" light light
open current 2; shot prefers_light; close
check "a portal that prefers light changes nothing" same light prefers_light
open current 0; shot no_preference; close
check "nor does one without a preference" same light no_preference

open current 1; shot dark
check "a portal that prefers dark opens the window dark" dark dark
kill -USR1 "$portal_pid"; shot switched
check "a switch to light repaints it light, the date untouched" same light switched
kill -USR2 "$portal_pid"; shot switched_back
check "and a switch back dark again" same dark switched_back
close

open old 1; shot old; close
check "an older portal is read with Read" same dark old

open silent 1
check "a portal that never answers does not hold the window back" [ -n "$window" ]
shot silent
check "and leaves it light" same light silent
kill -USR2 "$portal_pid"; shot silent_switched
check "though its changes are followed" same dark silent_switched
close

# A bus that takes connections and then says nothing, with a portal that prefers dark on it.
dbus-daemon --session --nofork --print-address=3 3>"$work/stopped_bus" 2>/dev/null &
stopped_bus_pid=$!
wait_until test -s "$work/stopped_bus"
export DBUS_SESSION_BUS_ADDRESS
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/stopped_bus")
/usr/bin/python3 "$here/StandInPortal.py" current 1 >"$work/portal" 2>&1 &
portal_pid=$!
wait_until grep -q ready "$work/portal"
kill -STOP "$stopped_bus_pid"
ended() { ! kill -0 "$picker_pid" 2>/dev/null; }
for bus_goes_on in no yes; do
  "$picker" --calendar --timeout 3 >/dev/null 2>>"$work/picker.log" &
  picker_pid=$!
  window=$(wait_for_window "Select a date") || window=""
  check "a stopped bus does not hold the window back" [ -n "$window" ]
  if [ "$bus_goes_on" = yes ]; then
    shot stopped
    check "the window opens light meanwhile" light stopped
    kill -CONT "$stopped_bus_pid"
    shot went_on
    check "and turns dark when the bus goes on and the portal answers" dark went_on
  fi
  wait_until ended || kill -KILL "$picker_pid"
  status=0
  wait "$picker_pid" || status=$?
  check "nor the end of the dialog (status $status)" [ "$status" = 5 ]
done
close

mkdir -p "$XDG_CONFIG_HOME/gtk-3.0"
printf '[Settings]\ngtk-application-prefer-dark-theme=true\n' >"$XDG_CONFIG_HOME/gtk-3.0/settings.ini"
open; shot gtk; close
check "without a portal GTK's settings file is read" same dark gtk

[ "$failed" = 0 ] || { cat "$work/picker.log"; exit 1; }
