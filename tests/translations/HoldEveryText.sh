#!/usr/bin/env bash
# Runs lupdate over the code into copies of the .ts files: a text the code marks for
# translation that a .ts file lacks comes back as an unfinished entry.
# Usage: HoldEveryText.sh <lupdate> <source tree>
set -euo pipefail
lupdate=$1
tree=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$tree"/translations/datepicker_*.ts "$work"/
mapfile -t sources < <(find "$tree/src" -name '*.cpp' -o -name '*.h')
"$lupdate" -silent -locations none -no-obsolete -I "$tree/src" "${sources[@]}" -ts "$work"/datepicker_*.ts
if grep -l 'type="unfinished"' "$work"/*.ts; then
  echo "These translations lack texts the code marks: run 'cmake --build build --target update_translations' and translate them." >&2
  grep -h -B2 'type="unfinished"' "$work"/*.ts | grep '<source>' | sort -u >&2
  exit 1
fi
