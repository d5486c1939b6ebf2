#!/usr/bin/env bash
# Starts the real picker in a virtual X server with its own accessibility bus, and reads it
# through AT-SPI as a screen reader would. Usage: ScreenReaderEndToEnd.sh <picker> <scripts folder>
set -euo pipefail
picker=$1
source "$2/xvfb-session"
here=$(cd "$(dirname "$0")" && pwd)
start_xvfb
trap stop_xvfb EXIT
# Qt speaks to the accessibility bus only when asked to, or when a desktop has switched it on.
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$0" 2>/dev/null &
  picker=$!
  /usr/bin/python3 "$1/ReadThroughScreenReader.py"
  status=$?
  kill $picker $launcher 2>/dev/null
  exit $status' "$picker" "$here" 2>&1 | grep -v "fd limit"
