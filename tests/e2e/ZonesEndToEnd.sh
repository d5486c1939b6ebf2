#!/usr/bin/env bash
# Prints some two hundred moments near the changes of the clock in a seeded choice of zones
# (and a few whose clocks do odd things), each through the real program with --calendar --time
# --date-format "%F %T %z %s" and --timeout 1, and compares them with GNU date in the same zone:
# the printed wall time, offset and seconds are one moment; a time the clock shows is printed
# as asked; a time it skips is printed as the first moment after the gap.
# Usage: ZonesEndToEnd.sh <picker binary> <scripts folder> [moments per zone, 7]
set -euo pipefail
picker=$1
per_zone=${3:-7}
source "$2/xvfb-session"

start_xvfb_with_scratch

RANDOM=20111230
zones=(Pacific/Apia Pacific/Kiritimati America/Guyana Antarctica/Casey Australia/Lord_Howe Europe/Berlin
  America/Sao_Paulo Africa/Casablanca)
mapfile -t all < <(grep -v '^#' /usr/share/zoneinfo/zone1970.tab | cut -f3 | sort)
for _ in $(seq 22); do zones+=("${all[RANDOM % ${#all[@]}]}"); done

# Each zone's changes from 1970 to 2040 as seconds since 1970, one a line.
changes() {
  zdump -v -c 1970,2041 "$1" | awk 'NR % 2 == 0 && $NF ~ /^gmtoff/ { print $3, $4, $5, $6 }' |
    while read -r month day time year; do date -u -d "$month $day $time $year" +%s; done 2>/dev/null
}

# One run: the zone, the wall time asked, and what the first moment after a gap would be.
: >"$work/runs"
for zone in "${zones[@]}"; do
  mapfile -t moments < <(changes "$zone" || true)
  [ "${#moments[@]}" -gt 0 ] || continue
  for _ in $(seq "$per_zone"); do
    change=${moments[RANDOM % ${#moments[@]}]}
    # Up to an hour and a half of wall time either side of the new clock's first minute, so
    # that some fall into a gap.
    wall=$(date -u -d "$(TZ=$zone date -d "@$change" "+%F %T")" +%s)
    asked=$(date -u -d "@$((wall + (RANDOM % 180 - 90) * 60))" +%FT%R)
    echo "$zone $asked $change" >>"$work/runs"
  done
done

# Twenty at a time: each waits a second for its timeout.
run() {
  local zone=$1 asked=$2 out=$work/$3
  TZ=$zone "$picker" --calendar --time --date "$asked" --date-format "%F %T %z %s" --timeout 1 >"$out" 2>"$out.err" ||
    echo "status $?" >>"$out.err"
}
index=0
pids=()
while read -r zone asked change; do
  run "$zone" "$asked" "$index" &
  pids+=($!)
  index=$((index + 1))
  if [ "${#pids[@]}" = 20 ]; then
    wait "${pids[@]}"
    pids=()
  fi
done <"$work/runs"
[ "${#pids[@]}" = 0 ] || wait "${pids[@]}"

failed=0 checked=0
index=0
while read -r zone asked change; do
  printed=$(cat "$work/$index")
  status=$(cat "$work/$index.err")
  index=$((index + 1))
  checked=$((checked + 1))
  seconds=${printed##* }
  # GNU date's own %s asks mktime again, which may take the other of two moments that show one
  # wall time: its seconds are the ones given.
  said="$(TZ=$zone date -d "@$seconds" "+%F %T %z" 2>/dev/null || true) $seconds"
  # GNU date reads a wall time the clock skips as no date at all.
  if shown=$(TZ=$zone date -d "${asked/T/ }" "+%FT%R" 2>/dev/null) && [ "$shown" = "$asked" ]; then
    wanted="${asked/T/ }:00"
  else
    wanted=$(TZ=$zone date -d "@$change" "+%F %T")
  fi
  if [ "$status" != "status 5" ] || [ "$printed" != "$said" ] || [ "${printed:0:19}" != "$wanted" ]; then
    echo "FAIL: TZ=$zone --date $asked printed '$printed' ($status), GNU date '$said' for its seconds, wanted $wanted"
    failed=1
  fi
done <"$work/runs"
echo "checked $checked moments in ${#zones[@]} zones"
[ "$checked" -ge $((${#zones[@]} * per_zone * 3 / 4)) ] || { echo "FAIL: too few moments"; failed=1; }
exit "$failed"
