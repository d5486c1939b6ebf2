#!/usr/bin/env bash
# Checks the picker's promise to scripts with the real binary in a virtual X server: every
# outcome has its own exit status (0 accepted, 1 declined, 3 failed), a failure says why in one
# line on standard error, and what is printed parses in every language. Also checks the copy
# keys under a keyboard layout without Latin letters.
# Usage: ScriptContractEndToEnd.sh <picker binary> <scripts folder>
set -euo pipefail
picker=$1
source "$2/xvfb-session"

start_xvfb_with_scratch
export LC_ALL=C.UTF-8
# A desktop session's own folder, so that Qt has nothing to warn about beside the one line.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
failed=0

# run [ENV=VALUE...] -- ARGS...: starts the picker in the background, output in $work.
run() {
  local environment=()
  while [ "$1" != "--" ]; do environment+=("$1"); shift; done
  shift
  env "${environment[@]}" "$picker" "$@" >"$work/out" 2>"$work/err" &
  picker_pid=$!
}
press() {
  local window
  window=$(wait_for_window "$1") || { echo "FAIL: no window titled $1"; failed=1; return 0; }
  sleep 0.3
  xdotool windowfocus --sync "$window" key "${@:2}"
}
# expect STATUS STDOUT STDERR DESCRIPTION: waits up to five seconds for the picker to end.
# Standard error is only checked where a failure must say why (Qt may warn on the others).
expect() {
  local status=0
  for _ in $(seq 50); do kill -0 "$picker_pid" 2>/dev/null || break; sleep 0.1; done
  kill "$picker_pid" 2>/dev/null || true
  wait "$picker_pid" || status=$?
  picker_pid=""
  local out err
  out=$(cat "$work/out" 2>/dev/null || true)
  err=$(cat "$work/err")
  if [ "$status" = "$1" ] && [ "$out" = "$2" ] && { [ "$3" = "-" ] || [ "$err" = "$3" ]; }; then
    echo "ok: $4"
  else
    echo "FAIL: $4 (status $status, printed '$out', stderr '$err')"
    failed=1
  fi
}

run DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= -- --print
expect 3 "" "datepicker: cannot open a window: no display (DISPLAY and WAYLAND_DISPLAY are unset)" \
  "no display: status 3 and one line, no abort"

run -- --print --date 2024-09-25
press "Select a date" Return
expect 0 2024-09-25 - "Enter prints the date and ends with 0"

run -- --print --date 2024-09-25
press "Select a date" Escape
expect 1 "" - "Escape prints nothing and ends with 1"

run -- --date 2024-09-25
press Form1 Escape
expect 0 "" - "without --print, closing the window is status 0 and prints nothing"

run -- --date 2024-09-25 --timeout 1
expect 5 "" - "without --print too, a timeout ends with 5 and prints nothing"

"$picker" --print --date 2024-09-25 >/dev/full 2>"$work/err" &
picker_pid=$!
: >"$work/out"
press "Select a date" Return
expect 3 "" "datepicker: the date could not be written: No space left on device" "a full disk is a failure"

"$picker" --print --date 2024-09-25 >&- 2>"$work/err" &
picker_pid=$!
press "Select a date" Return
expect 3 "" "datepicker: the date could not be written: Bad file descriptor" "a closed standard output is a failure"

for option in --help --version; do
  "$picker" "$option" >/dev/full 2>"$work/err" &
  picker_pid=$!
  expect 3 "" "datepicker: the text could not be written: No space left on device" "$option on a full disk is a failure"
done

# A failure is the picker's one line, in the user's language and in UTF-8, with the system's
# words decoded from the locale's codeset; Qt's warnings (no XDG_RUNTIME_DIR, no compose table
# for ISO-8859-1) and fontconfig's (a font folder without a cache it can write) stay out of it
# unless QT_LOGGING_RULES asks for them.
full="Auf dem Gerät ist kein Speicherplatz mehr verfügbar"
mkdir "$work/fonts"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$work/fonts"
printf '<fontconfig><dir>%s</dir><cachedir>/dev/null/cache</cachedir></fontconfig>\n' "$work/fonts" >"$work/fonts.conf"
for rules in "" "*.warning=true"; do
  env -u XDG_RUNTIME_DIR QT_LOGGING_RULES="$rules" LC_ALL=de_DE.ISO-8859-1 FONTCONFIG_FILE="$work/fonts.conf" \
    "$picker" --calendar --date 2024-09-25 >/dev/full 2>"$work/err" &
  picker_pid=$!
  press "Datum ausw.+hlen" Return
  if [ -z "$rules" ]; then
    expect 3 "" "datepicker: das Datum konnte nicht geschrieben werden: $full" "a German failure on a full disk"
  else
    expect 3 "" - "QT_LOGGING_RULES=$rules shows Qt's and fontconfig's warnings"
    grep -q '^QStandardPaths: XDG_RUNTIME_DIR' "$work/err" && grep -q '^Fontconfig error' "$work/err" ||
      { echo "FAIL: QT_LOGGING_RULES=$rules leaves Qt's warnings out: '$(cat "$work/err")'"; failed=1; }
  fi
done
# Where Qt gives the reason, the picker says it in the user's language too.
run LC_ALL=de_DE.UTF-8 DISPLAY=:9999 -- --calendar
expect 3 "" "datepicker: kann kein Fenster öffnen: keine Verbindung zur Anzeige :9999" "no X server, in German"
run LC_ALL=de_DE.UTF-8 DISPLAY= QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=none -- --calendar
expect 3 "" "datepicker: kann kein Fenster öffnen: keine Verbindung zur Wayland-Anzeige: Datei oder Verzeichnis nicht gefunden" \
  "no compositor, in German"
LC_ALL=de_DE.UTF-8 "$picker" --help >/dev/full 2>"$work/err" &
picker_pid=$!
expect 3 "" "datepicker: der Text konnte nicht geschrieben werden: $full" "--help on a full disk fails in German"
# yad's window id has no line's end; the failure after it starts its own line.
"$picker" --print --print-xid --date 2024-09-25 2>"$work/err" >"$work/out" &
picker_pid=$!
window=$(wait_for_window "Select a date") && sleep 0.3 && xdotool windowclose "$window"
expect 3 "" "$(printf '0x%X\ndatepicker: the window was destroyed by another program' "${window:-0}")" \
  "--print-xid, then a failure: the failure starts a line"

# What a button's command writes on standard error reaches it, as the picker's own lines do.
run -- --calendar --date 2024-09-25 --date-format %F --button="Say:echo said >&2" --button=gtk-ok:0
# shellcheck disable=SC2046 # one word a key
press "Select a date" $(printf 'Tab %.0s' $(seq 13)) Return Tab Return
expect 0 2024-09-25 said "a button's command writes on standard error"

# Only the window system's own options reach it: not a value that looks like one, nor --icon.
run -- --print --date 2024-09-25 --text -platform --title Hello --icon /nonexistent.png
press Hello Return
expect 0 2024-09-25 - "an option's value is not read as the window system's option"

run -u DISPLAY -- --print --date 2024-09-25 -display "$DISPLAY"
press "Select a date" Return
expect 0 2024-09-25 - "-display opens the dialog where DISPLAY is unset"

run -- --print --date 2024-09-25 --width 40000 --height 40000 --timeout 1
expect 5 2024-09-25 - "a size beyond the screen is held to it, and the timeout still comes in time"

# The C library's names in a locale that is not UTF-8 are written as the rest, in UTF-8, and
# as Qt's own names are; its own digits (Japanese 二十四 for 24) as ASCII.
run LC_ALL=de_DE.ISO-8859-1 -- --calendar --date 2024-03-10 --date-format "%B %A"
press "Datum ausw.+hlen" Return
expect 0 "März Sonntag" - "an ISO-8859-1 LC_TIME prints its names in UTF-8"
run LC_ALL=de_DE.ISO-8859-1 -- --calendar --date 2024-03-10 --format "MMMM dddd"
press "Datum ausw.+hlen" Return
expect 0 "März Sonntag" - "--format prints the same names as --date-format"
run LC_ALL=ja_JP.UTF-8 -- --calendar --date 2024-08-10 --date-format %Oy-%Om-%Od
press "日付の選択" Return
expect 0 24-08-10 - "%O writes ASCII digits under Japanese"

run LANG=ar_EG.UTF-8 LC_ALL= -- --print --date 2024-09-25
press "اختر تاريخًا" Return
expect 0 2024-09-25 - "an Arabic locale prints ASCII ISO 8601"

# libfaketime and the sanitizers' runtime may hang each other while the process starts, so
# the sanitizer build leaves the clock rows to the normal one.
if [ -n "${PICKER_SANITIZED:-}" ]; then
  echo "skip: a clock past the calendar (faketime does not start reliably beside the sanitizers)"
else
  reason="Run-time error 5: Invalid procedure call or argument"
  DONT_FAKE_MONOTONIC=1 faketime '9999-06-01 12:00:00' "$picker" --print >"$work/out" 2>"$work/err" &
  picker_pid=$!
  expect 3 "" "datepicker: the window could not be built: $reason" \
    "a clock past the calendar under --print: 3 at once, no message box waiting"

  DONT_FAKE_MONOTONIC=1 faketime '9999-06-01 12:00:00' "$picker" >"$work/out" 2>"$work/err" &
  picker_pid=$!
  press "Date picker" Return
  expect 3 "" "datepicker: the window could not be built: $reason" "without --print the message box stays, then 3"
fi

# Copying under a Russian layout: the key at the C position types Cyrillic Es.
run -- --date 2024-09-25
window=$(wait_for_window Form1)
setxkbmap ru
xdotool windowfocus --sync "$window" key ctrl+Cyrillic_es
sleep 0.3
copied=$(xclip -o -selection clipboard 2>/dev/null || true)
xdotool key ctrl+shift+Cyrillic_ES
sleep 0.3
copied_iso=$(xclip -o -selection clipboard 2>/dev/null || true)
# And the key where the V is pastes.
printf 2024-02-29 | xclip -selection clipboard
xdotool key ctrl+Cyrillic_em
sleep 0.3
xdotool key ctrl+shift+Cyrillic_ES
sleep 0.3
pasted=$(xclip -o -selection clipboard 2>/dev/null || true)
setxkbmap us
if [ "$copied" = "Wednesday September 25, 2024" ] && [ "$copied_iso" = "2024-09-25" ] && [ "$pasted" = 2024-02-29 ]; then
  echo "ok: Ctrl+C, Ctrl+Shift+C and Ctrl+V work under a Russian layout"
else
  echo "FAIL: under a Russian layout Ctrl+C copied '$copied', Ctrl+Shift+C '$copied_iso', after Ctrl+V '$pasted'"
  failed=1
fi
xdotool key Escape
expect 0 "" - "the copying window closes with Escape"

# Last, as it takes the display away.
run -- --print --date 2024-09-25
wait_for_window "Select a date" >/dev/null
stop_xvfb
expect 3 "" "datepicker: the connection to the display was lost" "a display that goes away: 3 and nothing printed"

exit $failed
