#!/usr/bin/env bash
# Runs other dialogs than a calendar through the links named zenity, yad and kdialog, and checks
# that the tool itself shows them, in the same process, with its own status; without the tool,
# status 127 and one line naming it; and a PATH of nothing but links, a link to a link among them.
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
  if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: expected '$3', got '$2'"; failed=1; fi
}

# TOOL ARGS...: the dialog through its link, Enter pressed in it: "program status".
through_link() {
  local tool=$1 window="" program=""
  shift
  PATH=$links:$PATH "$links/$tool" "$@" >/dev/null 2>&1 &
  local pid=$!
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | tail -n1) && [ -n "$window" ] && break
    sleep 0.1
  done
  program=$(readlink "/proc/$pid/exe" || true)
  sleep 0.5
  [ -n "$window" ] && xdotool windowfocus --sync "$window" key Return
  local status=0
  wait "$pid" || status=$?
  echo "$program $status"
}
check "zenity --info goes to zenity" "$(through_link zenity --info --text hi)" "$(command -v zenity) 0"
check "yad --form goes to yad" "$(through_link yad --form --field=Name)" "$(command -v yad) 0"
check "kdialog --msgbox goes to kdialog" "$(through_link kdialog --msgbox hi)" "$(command -v kdialog) 0"
for tool in zenity yad kdialog; do
  check "$tool --version is the tool's" "$(PATH=$links:$PATH "$links/$tool" --version 2>&1)" "$($tool --version 2>&1)"
done

# Only the links in PATH, one of them through a second folder of links: no tool to run.
mkdir "$work/more"
ln -s "$links/yad" "$work/more/yad"
status=0
env PATH="$work/more:$links:$work/more" yad --form >/dev/null 2>"$work/err" || status=$?
check "no yad in PATH ends with 127" "$status $(wc -l <"$work/err")" "127 1"
check "the line names the tool" "$(grep -c "yad is not installed" "$work/err")" 1
exit $failed
