#!/usr/bin/env bash
# Runs kdialog's calendar and the picker through its link named kdialog side by side in a virtual
# X server, presses OK or Cancel in each, and compares what each prints (--print-winid's id as
# "N") and its status: kdialog's own, 1 after OK and 0 after Cancel. Then runs other dialogs
# through the links named zenity, yad and kdialog: the tool itself must show them, in the same
# process, with its own status; with no tool in PATH but links, status 127 and one line.
# Usage: ToolLinksEndToEnd.sh <folder of the links> <scripts folder>
set -euo pipefail
links=$1
source "$2/xvfb-session"
for tool in zenity yad kdialog; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed here"; exit 77; }
done
start_xvfb_with_scratch
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
failed=0
check() {
  if [ "$2" = "$3" ]; then echo "ok: $1 -> $2"; else echo "FAIL: $1: expected '$3', got '$2'"; failed=1; fi
}

# dialog LOCALE BUTTON PROGRAM ARGS...: runs one dialog and presses OK, Cancel or the key BUTTON
# in it (kdialog: Tab to the button, then Space; the picker's Cancel after three columns and nine
# links), and prints "program status: output".
dialog() {
  local locale=$1 keys=$2 program=$3 window=""
  shift 2
  case $program:$keys in
  kdialog:OK) keys="Tab Tab space" ;; kdialog:Cancel) keys="Tab Tab Tab space" ;;
  *:OK) keys=Return ;; *:Cancel) keys="$(printf 'Tab %.0s' {1..13})Return" ;;
  esac
  LC_ALL=$locale "$@" >"$work/out" 2>/dev/null &
  local pid=$!
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | tail -n1) && [ -n "$window" ] && break
    sleep 0.1
  done
  local exe status=0
  exe=$(readlink "/proc/$pid/exe" || true)
  sleep 1
  # shellcheck disable=SC2086 # one word a key
  [ -n "$window" ] && xdotool windowfocus --sync "$window" key --delay 100 $keys
  wait "$pid" || status=$?
  echo "$(basename "$exe") $status: $(sed 's/^winId: [0-9]*$/winId: N/' "$work/out" | tr '\n' ' ')"
}

# compare LOCALE BUTTON OPTIONS...: the same calendar in kdialog and through the link.
compare() {
  local expected
  expected=$(dialog "$1" "$2" kdialog "${@:3}")
  check "$*" "$(dialog "$1" "$2" "$links/kdialog" "${@:3}")" "datepicker ${expected#kdialog }"
}
for locale in en_US.UTF-8 de_DE.UTF-8 es_ES.UTF-8; do
  compare "$locale" OK --calendar "Select Date"
done
compare en_US.UTF-8 Cancel --calendar "Select Date"
compare en_US.UTF-8 OK --calendar "Select Date" --default "Thu Feb 29 2024"
compare es_ES.UTF-8 OK --calendar "Elija" --default "vie mar 1 2024"
compare de_DE.UTF-8 OK --calendar "Tag" --dateformat "dddd, d. MMMM yyyy" --default "Freitag, 1. März 2024"
compare en_US.UTF-8 OK --calendar "Day" --print-winid --attach 1 --icon x --ok-label Yes --cancel-label No
compare en_US.UTF-8 OK --calendar="Day" --geometry 400x300+10+20 --title Day
# Escape, and a PATH of nothing but the links, where the calendar still opens.
check Escape "$(dialog C.UTF-8 Escape env PATH="$links" kdialog --calendar Day)" "datepicker 0: "
check "PATH of links" "$(dialog C.UTF-8 OK env PATH="$links" kdialog --calendar Day --default "Sat Aug 10 2024")" \
  "datepicker 1: Sat Aug 10 2024 "

for call in "zenity --info --text hi" "yad --form --field=Name" "kdialog --msgbox hi"; do
  tool=${call%% *}
  # shellcheck disable=SC2086 # the call's words
  check "$call" "$(dialog C.UTF-8 Return env PATH="$links:$PATH" "$links/"$call | cut -d: -f1)" "$tool 0"
  check "$tool --version" "$(PATH=$links:$PATH "$links/$tool" --version 2>&1)" "$($tool --version 2>&1)"
done
# Only links in PATH, one through a second folder of links: no yad to run.
mkdir "$work/more" && ln -s "$links/yad" "$work/more/yad"
status=0
env PATH="$work/more:$links:$work/more" yad --form >/dev/null 2>"$work/err" || status=$?
check "no yad" "$status $(grep -c "yad is not installed" "$work/err") $(wc -l <"$work/err")" "127 1 1"
exit $failed
