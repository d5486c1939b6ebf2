#!/usr/bin/env bash
# Runs zenity's calendar and the picker through its link named zenity side by side in a virtual
# X server with the same options, presses the same key in each, and compares what each prints and
# its exit status.
# Usage: ZenityEndToEnd.sh <folder of the links> <scripts folder>
set -euo pipefail
picker=$1/zenity
source "$2/xvfb-session"
if ! command -v zenity >/dev/null; then
  echo "SKIP: zenity is not installed here, so there is nothing to compare with"
  exit 77
fi

start_xvfb_with_scratch
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
failed=0

# dialog LOCALE KEY PROGRAM ARGS...: runs one dialog, presses KEY (or nothing) in its window,
# and prints "status: output".
dialog() {
  local locale=$1 key=$2
  shift 2
  LC_ALL=$locale "$@" >"$work/out" 2>/dev/null &
  local pid=$! window=""
  if [ "$key" != "-" ]; then
    for _ in $(seq 100); do
      window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | tail -n1) && [ -n "$window" ] && break
      sleep 0.1
    done
    sleep 0.5
    [ -n "$window" ] && xdotool windowfocus --sync "$window" key "$key"
  fi
  local status=0
  wait "$pid" || status=$?
  echo "$status: $(cat "$work/out")"
}

# compare LOCALE KEY OPTIONS...: the same dialog in zenity and in the picker.
compare() {
  local locale=$1 key=$2
  shift 2
  local expected actual
  expected=$(dialog "$locale" "$key" zenity --calendar --day 10 --month 8 --year 2004 "$@")
  actual=$(dialog "$locale" "$key" "$picker" --calendar --day 10 --month 8 --year 2004 "$@")
  if [ "$actual" = "$expected" ]; then
    echo "ok: $locale $key $* -> $actual"
  else
    echo "FAIL: $locale $key $*: zenity '$expected', picker '$actual'"
    failed=1
  fi
}

for locale in en_US.UTF-8 de_DE.UTF-8; do
  compare "$locale" Return
  compare "$locale" Return --date-format %F
  compare "$locale" Return --date-format "%A %d %B %Y"
  compare "$locale" Return --date-format %d.%m.%Y
done
# The README's example.
compare en_US.UTF-8 Return --title "Delivery day" --text "Pick a <b>weekday</b>" --date-format %F
compare en_US.UTF-8 Escape --date-format %F
compare en_US.UTF-8 - --timeout 1 --date-format %F

exit $failed
