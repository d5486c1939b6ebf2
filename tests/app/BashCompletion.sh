#!/usr/bin/env bash
# Completes command lines with the generated bash completion and checks what it offers: options
# from their beginning, "--option=" for an option whose value may be left out, files only where
# a file is taken, and the words an option takes.
# Usage: BashCompletion.sh <datepicker.bash>
set -uo pipefail
source "$1"
cd "$(mktemp -d)" && touch picked.txt
nospace=
compopt() { [[ $* == *nospace* ]] && nospace=' (no space)'; return 0; }
failed=0
# Each case: the words as bash splits them ("=" breaks words), then what is offered.
while IFS='|' read -r words expected; do
  read -ra COMP_WORDS <<<"datepicker $words"
  [[ $words == *' ' ]] && COMP_WORDS+=('')
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=() nospace=
  _datepicker
  offered="${COMPREPLY[*]}$nospace"
  if [ "$offered" != "$expected" ]; then
    echo "FAIL: datepicker $words -> '$offered', expected '$expected'"
    failed=1
  fi
done <<'CASES'
--date-f|--date-format
--print-x|--print-xid= (no space)
--print-xid = pi|picked.txt
--print-xid |
--expander = |
--kill-p|--kill-parent= (no space)
--theme |
--text-align |left center right fill
--text-align = ce|center
--timeout-indicator b|bottom
--details |picked.txt
--date |
--title = |
CASES
exit "$failed"
