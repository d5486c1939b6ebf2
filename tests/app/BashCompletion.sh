#!/usr/bin/env bash
# Checks what the generated bash completion offers: options from their beginning, "--option="
# for one whose value may be left out, files only where a file is taken, an option's words.
# Usage: BashCompletion.sh <datepicker.bash>
source "$1"
cd "$(mktemp -d)" && touch picked.txt
compopt() { [[ $* == *nospace* ]] && nospace=' (no space)'; return 0; }
failed=0
# The words as bash splits them ("=" breaks words), then what is offered.
while IFS='|' read -r words expected; do
  read -ra COMP_WORDS <<<"datepicker $words"
  [[ $words == *' ' ]] && COMP_WORDS+=('')
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) COMPREPLY=() nospace=
  _datepicker
  [ "${COMPREPLY[*]}$nospace" = "$expected" ] || { echo "FAIL: $words -> '${COMPREPLY[*]}$nospace'"; failed=1; }
done <<'CASES'
--date-f|--date-format
--print-x|--print-xid= (no space)
--print-xid = pi|picked.txt
--print-xid |
--kill-p|--kill-parent= (no space)
--text-align |left center right fill
--text-align = ce|center
--timeout-indicator b|bottom
--details |picked.txt
CASES
exit "$failed"
