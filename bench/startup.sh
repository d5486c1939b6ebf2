#!/usr/bin/env bash
# Starts the picker and the minimal Qt window alternately in one virtual X server, and prints
# the median time from starting each binary to its first painted frame, and its peak memory;
# then the picker without and with --time alternately, paired, and the ratio of their medians.
# Usage: bench/startup.sh <build folder> [runs]
set -euo pipefail
build=$1
runs=${2:-11}
cd "$(dirname "$0")/.."
source scripts/xvfb-session
start_xvfb
trap stop_xvfb EXIT

measure() {
  local start output
  start=$(date +%s%N)
  output=$("$@" 2>/dev/null)
  local frame rss
  frame=$(awk '/first-frame-ns/ { print $2 }' <<<"$output")
  rss=$(awk '/peak-rss-kib/ { print $2 }' <<<"$output")
  echo "$(( (frame - start) / 1000 )) $rss"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: >"$build/startup-picker.txt"
: >"$build/startup-minimal.txt"
for _ in $(seq "$runs"); do
  measure "$build/bench/startup_minimal" >>"$build/startup-minimal.txt"
  measure "$build/bench/startup_picker" >>"$build/startup-picker.txt"
done

picker_us=$(cut -d' ' -f1 "$build/startup-picker.txt" | median)
minimal_us=$(cut -d' ' -f1 "$build/startup-minimal.txt" | median)
picker_kib=$(cut -d' ' -f2 "$build/startup-picker.txt" | median)
minimal_kib=$(cut -d' ' -f2 "$build/startup-minimal.txt" | median)
printf "%-28s %7.1f ms  (minimal Qt window %.1f ms, ratio %.2f; budget 1.30)\n" "FirstFrame" \
  "$(bc -l <<<"$picker_us / 1000")" "$(bc -l <<<"$minimal_us / 1000")" "$(bc -l <<<"$picker_us / $minimal_us")"
printf "%-28s %7.1f MiB (minimal Qt window %.1f MiB, difference %.1f MiB; budget 8)\n" "PeakMemory" \
  "$(bc -l <<<"$picker_kib / 1024")" "$(bc -l <<<"$minimal_kib / 1024")" "$(bc -l <<<"($picker_kib - $minimal_kib) / 1024")"

: >"$build/startup-plain.txt"
: >"$build/startup-time.txt"
for _ in $(seq "$runs"); do
  measure "$build/bench/startup_picker" --date 2026-12-06 >>"$build/startup-plain.txt"
  measure "$build/bench/startup_picker" --time --date 2026-12-06T21:05 >>"$build/startup-time.txt"
done
plain_us=$(cut -d' ' -f1 "$build/startup-plain.txt" | median)
time_us=$(cut -d' ' -f1 "$build/startup-time.txt" | median)
printf "%-28s %7.1f ms  (without --time %.1f ms, ratio %.2f; budget 1.05)\n" "FirstFrameWithTime" \
  "$(bc -l <<<"$time_us / 1000")" "$(bc -l <<<"$plain_us / 1000")" "$(bc -l <<<"$time_us / $plain_us")"
