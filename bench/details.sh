#!/usr/bin/env bash
# Measures what a --details file costs the dialog's start: the median time from starting the
# picker to its first painted frame, and its peak memory, without a file, with files of 50,000
# and 500,000 lines (about 3.5 and 35 MB) that describe a day each, and with 50,000 lines that all
# describe the day the picker starts on, in one virtual X server.
# Usage: bench/details.sh <build folder> [runs]
set -euo pipefail
build=$1
runs=${2:-7}
cd "$(dirname "$0")/.."
source scripts/xvfb-session
start_xvfb
work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT

# A file of LINES lines, each describing its own day from 1 January 1000 on, with some markup,
# or, given a third argument, all describing 1 January 1000.
write_details() {
  python3 - "$1" "$2" "${3:-}" <<'PY'
import datetime, sys
first = datetime.date(1000, 1, 1)
with open(sys.argv[2], "w") as file:
    for i in range(int(sys.argv[1])):
        day = first + datetime.timedelta(days=0 if sys.argv[3] else i)
        file.write(f"{day.isoformat()} Appointment {i} with <b>somebody</b> about the plans for the week\n")
PY
}
write_details 50000 "$work/50k"
write_details 500000 "$work/500k"
write_details 50000 "$work/50k-one-day" one-day

program=${PICKER:-$build/bench/startup_picker}
measure() {
  local start output
  start=$(date +%s%N)
  output=$("$program" --calendar --date-format %F --date 1000-01-01 "$@" 2>/dev/null || true)
  echo "$(( ($(awk '/first-frame-ns/ { print $2 }' <<<"$output") - start) / 1000 )) $(awk '/peak-rss-kib/ { print $2 }' <<<"$output")"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

report() {
  local name=$1 results
  shift
  results=$(for _ in $(seq "$runs"); do measure "$@"; done)
  printf "%-22s %8.1f ms first frame %8.1f MiB peak\n" "$name" \
    "$(cut -d' ' -f1 <<<"$results" | median | awk '{ print $1 / 1000 }')" \
    "$(cut -d' ' -f2 <<<"$results" | median | awk '{ print $1 / 1024 }')"
}
report "NoDetails"
report "Details50kLines" --details "$work/50k"
report "Details500kLines" --details "$work/500k"
report "Details50kLinesOneDay" --details "$work/50k-one-day"
