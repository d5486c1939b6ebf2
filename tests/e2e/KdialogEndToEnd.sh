#!/usr/bin/env bash
# Runs kdialog's calendar and the picker through its link named kdialog side by side in a virtual
# X server with the same options, presses OK or Cancel in each, and compares what each prints and
# its exit status (kdialog's own: 1 after OK, 0 after Cancel). The window id that --print-winid
# writes is compared as "N".
# Usage: KdialogEndToEnd.sh <folder of the links> <scripts folder>
set -euo pipefail
links=$1
source "$2/xvfb-session"
if ! command -v kdialog >/dev/null; then
  echo "SKIP: kdialog is not installed here, so there is nothing to compare with"
  exit 77
fi
start_xvfb_with_scratch
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
failed=0

# dialog LOCALE BUTTON PROGRAM ARGS...: runs one dialog, presses OK or Cancel in
# it with keys (Tab to the button: kdialog's Space presses it, the picker's Enter; the picker's
# Cancel follows three columns and nine links), or presses the key BUTTON, and prints
# "status: output".
dialog() {
  local locale=$1 button=$2 program=$3 keys
  shift 2
  case $program:$button in
  kdialog:OK) keys="Tab Tab space" ;;
  kdialog:Cancel) keys="Tab Tab Tab space" ;;
  *:OK) keys=Return ;;
  *:Cancel) keys="$(printf 'Tab %.0s' {1..13})Return" ;;
  *) keys=$button ;;
  esac
  LC_ALL=$locale "$@" >"$work/out" 2>/dev/null &
  local pid=$! window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^Day$" 2>/dev/null | tail -n1) && [ -n "$window" ] && break
    sleep 0.1
  done
  sleep 1
  # shellcheck disable=SC2086 # one word a key
  [ -n "$window" ] && xdotool windowfocus --sync "$window" key --delay 100 $keys
  local status=0
  wait "$pid" || status=$?
  echo "$status: $(sed 's/^winId: [0-9]*$/winId: N/' "$work/out" | tr '\n' ' ')"
}

# compare LOCALE BUTTON OPTIONS...: the same dialog in kdialog and through the link.
compare() {
  local locale=$1 button=$2 expected actual
  shift 2
  expected=$(dialog "$locale" "$button" kdialog --title Day "$@")
  actual=$(dialog "$locale" "$button" "$links/kdialog" --title Day "$@")
  if [ "$actual" = "$expected" ]; then
    echo "ok: $locale $button $* -> $actual"
  else
    echo "FAIL: $locale $button $*: kdialog '$expected', picker '$actual'"
    failed=1
  fi
}

for locale in en_US.UTF-8 de_DE.UTF-8 es_ES.UTF-8; do
  compare "$locale" OK --calendar "Select Date"
done
compare en_US.UTF-8 Cancel --calendar "Select Date"
compare en_US.UTF-8 OK --calendar "Select Date" --default "Thu Feb 29 2024"
compare es_ES.UTF-8 OK --calendar "Elija" --default "vie mar 1 2024"
compare de_DE.UTF-8 OK --calendar "Tag" --dateformat "dddd, d. MMMM yyyy" --default "Freitag, 1. März 2024"
compare en_US.UTF-8 OK --calendar "Select Date" --print-winid --attach 1 --icon x --ok-label Yes --cancel-label No
compare en_US.UTF-8 OK --calendar="Select Date" --geometry 400x300+10+20

# Escape, and a PATH of nothing but the links, where the calendar still opens.
expect() {
  local actual
  actual=$(dialog en_US.UTF-8 "$1" env PATH="$links" kdialog --title Day --calendar "Select Date" \
    --default "Sat Aug 10 2024")
  if [ "$actual" = "$2" ]; then echo "ok: $1 -> $actual"; else echo "FAIL: $1: expected '$2', got '$actual'"; failed=1; fi
}
expect Escape "0: "
expect OK "1: Sat Aug 10 2024 "
exit $failed
