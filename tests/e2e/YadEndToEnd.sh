#!/usr/bin/env bash
# Runs yad's calendar and the picker through its link named yad side by side in a virtual X
# server with the same options, presses the same buttons and keys in each, and compares what each
# prints and its exit status, yad's own (252 for Escape, 70 for a timeout). Only yad's status for
# a refused command line (255) is read as the picker's (2); a dialog still open two seconds after
# the keys (ten for one that ends by itself) reads as "open".
# Usage: YadEndToEnd.sh <folder of the links> <scripts folder>
set -euo pipefail
picker=$1/yad
source "$2/xvfb-session"
if ! command -v yad >/dev/null; then
  echo "SKIP: yad is not installed here, so there is nothing to compare with"
  exit 77
fi

start_xvfb_with_scratch
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
failed=0
printf '08/10/2004 <b>Dentist</b>\n08/12/2004 Party\nnot a date\n' >"$work/details"

# keys PROGRAM STEPS...: the keys that take each step in PROGRAM's window. "button N" moves the
# focus to the Nth button from where the window opens (yad: the calendar, then its buttons; the
# picker: three columns and nine links first); "next" to the following button; other steps are
# keys as they stand.
keys() {
  local program=$1 before=0
  shift
  [ "$program" = yad ] || before=12
  for step in "$@"; do
    case $step in
    button*) for _ in $(seq $((before + ${step#button }))); do printf 'Tab '; done ;;
    next) printf 'Tab ' ;;
    *) printf '%s ' "$step" ;;
    esac
  done
}

# dialog STEPS PROGRAM ARGS...: runs one dialog, takes the steps (comma-separated) in its window,
# and prints "status: output". It waits $open_after tenths of a second for the dialog to end.
dialog() {
  local steps=$1 program=$2
  shift
  LC_ALL=en_US.UTF-8 "$@" >"$work/out" 2>/dev/null &
  local pid=$! window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | tail -n1) && [ -n "$window" ] && break
    sleep 0.1
  done
  sleep 0.5
  local step
  IFS=, read -ra step_list <<<"$steps"
  for step in "${step_list[@]}"; do
    # shellcheck disable=SC2046 # one word a key
    [ -n "$window" ] && xdotool windowfocus --sync "$window" key --delay 30 $(keys "$program" "$step")
    sleep 0.3
  done
  for _ in $(seq "${open_after:-20}"); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    stop_process "$pid"
    echo "open: $(tr '\n' ' ' <"$work/out")"
    return
  fi
  local status=0
  wait "$pid" || status=$?
  [ "$status" = 255 ] && status=2
  echo "$status: $(tr '\n' ' ' <"$work/out")"
}

# compare STEPS OPTIONS...: the same dialog in yad and in the picker.
compare() {
  local steps=$1
  shift
  local expected actual
  expected=$(dialog "$steps" yad --calendar --day 10 --month 8 --year 2004 --date-format %F "$@")
  actual=$(dialog "$steps" "$picker" --calendar --day 10 --month 8 --year 2004 --date-format %F "$@")
  if [ "$actual" = "$expected" ]; then
    echo "ok: $steps $* -> $actual"
  else
    echo "FAIL: $steps $*: yad '$expected', picker '$actual'"
    failed=1
  fi
}

# An even ID prints the date, an odd one does not; each ends with its ID.
compare "button 1,Return" --button=A:2 --button=B:3
compare "button 2,Return" --button=A:2 --button=B:3
compare "button 1,Return" --button=gtk-ok:4 --always-print-result --button=gtk-cancel:1
compare "button 2,Return" --button=gtk-ok:4 --always-print-result --button=gtk-cancel:1
# A command runs, its output where the dialog's goes, and the dialog stays open.
compare "button 1,Return,next,Return" --button="Say:echo said" --button=gtk-ok:0
compare "button 1,Return" --button="Say:echo said" --button=gtk-ok:0
# Alt and the letter a caption's underscore marks press that button.
compare "alt+l" --button=_Later:3 --button=gtk-ok:0
compare "alt+s,alt+o" --button="_Say:echo said" --button=_OK:0
# Ctrl+Enter accepts as OK wherever the focus is, with or without a row of the script's own.
compare "ctrl+Return" --button=gtk-ok:0 --button=gtk-cancel:1
compare "ctrl+Return" --button=A:2 --button=B:3
compare "ctrl+Return"
compare "button 2,ctrl+Return" --button=A:2 --button=B:3
# Enter over the calendar presses none of a script's own buttons; Escape declines.
compare "Return" --button=A:2 --button=B:3
compare "Escape" --button=A:2 --button=B:3
# --no-buttons: Escape declines; --no-escape keeps it open, --escape-ok accepts.
compare "Escape" --no-buttons
compare "Escape" --no-escape
compare "Escape" --escape-ok
# yad's timer ticks in whole seconds and may end a second or more late on a busy machine, so
# give the timed dialog longer.
open_after=100 compare "" --timeout 1
# Where the picker keeps zenity's ways: with --no-buttons Enter still accepts (in yad it does
# nothing), and an --extra-button prints its caption with status 1, as zenity's does.
expect() {
  local steps=$1 expected=$2
  shift 2
  local actual
  actual=$(dialog "$steps" "$picker" --calendar --day 10 --month 8 --year 2004 --date-format %F "$@")
  if [ "$actual" = "$expected" ]; then
    echo "ok: $steps $* -> $actual"
  else
    echo "FAIL: $steps $*: expected '$expected', picker '$actual'"
    failed=1
  fi
}
expect "Return" "0: 2004-08-10 " --no-buttons --button=A:3
expect "button 3,Return" "1: More " --extra-button=More

# Real scripts' slips: yad passes over an option it does not know, and reads the number a
# position begins with; a position that begins with none is refused.
compare "button 1,Return" --button=A:2 --heigth=380 --mouse --undecorated
compare "button 1,Return" --button=A:2 --posy=30--title=calendar
compare "button 1,Return" --button=A:2 --posx=abc

# The week and the days' descriptions change nothing of what is printed.
compare "button 1,Return" --button=OK:0 --show-weeks --details "$work/details" --date-format %x
compare "Escape" --show-weeks --details "$work/details"

exit $failed
