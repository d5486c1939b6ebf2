#!/usr/bin/env bash
# Checks the desktop entry, the software-centre metadata and the built Debian package, then
# unpacks the package and checks what a user gets: the program's version, its window and its
# manual page.
# Usage: CheckPackage.sh <package.deb>
set -euo pipefail
cd "$(dirname "$0")/../.."
package=$1
source scripts/xvfb-session
start_xvfb_with_scratch

failed=0
check() {
  local output
  if output=$("${@:2}" 2>&1); then echo "ok: $1"; else echo "FAIL: $1"; echo "$output"; failed=1; fi
}
window_shows() { wait_for_window Form1 >/dev/null; }

id=$(sed -n 's/^set(DATEPICKER_APP_ID \(.*\))$/\1/p' CMakeLists.txt)
check "the desktop entry is valid" desktop-file-validate "packaging/$id.desktop"
check "the metainfo is valid, without a warning" appstreamcli validate --no-net --pedantic "packaging/$id.metainfo.xml"
check "lintian finds no errors or warnings" lintian --fail-on error,warning "$package"

dpkg-deb -x "$package" "$work/root"
picker=$work/root/usr/bin/datepicker
version=$(dpkg-deb -f "$package" Version)
project_version=$(sed -n 's/^project(DatePicker VERSION \([^ ]*\) .*/\1/p' CMakeLists.txt)
check "the package has the project's version" [ "$version" = "$project_version" ]
check "--version names the project's version" \
  grep -qx "datepicker $project_version" <(env -u DISPLAY -u WAYLAND_DISPLAY "$picker" --version)

"$picker" 2>"$work/picker.log" &
picker_pid=$!
check "the installed picker opens its window" window_shows

check "the package brings a bash completion of the options" \
  bash -c 'source "$1"; COMP_WORDS=(datepicker --cal); COMP_CWORD=1; _datepicker; [ "${COMPREPLY[*]}" = --calendar ]' \
  _ "$work/root/usr/share/bash-completion/completions/datepicker"

links=$work/root/usr/libexec/datepicker/shims
check "the links to the picker named zenity, yad and kdialog are installed, none in /usr/bin" \
  bash -c 'for tool in zenity yad kdialog; do [ "$(readlink -f "$1/$tool")" = "$2" ] && [ ! -e "$3/$tool" ] || exit 1
    done' _ "$links" "$(readlink -f "$picker")" "$work/root/usr/bin"

page=$work/root/usr/share/man/man1/datepicker.1.gz
check "the manual page renders without warnings" \
  bash -c '[ -z "$(MANWIDTH=80 man --warnings -l "$1" 2>&1 >"$2")" ] && grep -q -- "--version" "$2"' \
  _ "$page" "$work/page.txt"
# Each thing once: the description is the page's own, the statuses stand under EXIT STATUS only.
check "the manual page has its own description, the statuses once, ENVIRONMENT and SEE ALSO" \
  bash -c '! grep -q "Pick a date in a small window" "$1" && [ "$(grep -ci "command line was refused" "$1")" = 1 ] &&
           for word in TZ WAYLAND_DISPLAY QT_LOGGING_RULES "yad(1)" "strftime(3)"; do grep -qw -- "$word" "$1"; done' \
  _ "$work/page.txt"
release=$(grep -om1 '<release version="[^"]*" date="[^"]*"' "packaging/$id.metainfo.xml" | cut -d'"' -f4)
check "the changelog is dated as the metainfo's release" \
  bash -c 'zcat "$1" | grep -m1 "^ -- " | grep -q "$(date -u -R -d "$2")"' _ "$work/root/usr/share/doc/datepicker/changelog.gz" "$release"
exit "$failed"
