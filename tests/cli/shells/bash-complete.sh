# SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the completion function that a bash completion script binds to wks-settings on each
# command line given, as bash runs it when Tab is pressed at the line's end, and prints the
# candidates, one a line, each line given ending in a line "--".
# Usage: bash bash-complete.sh SCRIPT [bash-completion's main script] -- LINE...
script=$1
shift
if [ "$1" != -- ]; then
    . "$1"
    shift
fi
shift
. "$script"
function=$(complete -p wks-settings | sed -n 's/.* -F \([^ ]*\) .*/\1/p')
for COMP_LINE; do
    COMP_POINT=${#COMP_LINE}
    # The shell's own words, as COMP_WORDBREAKS splits them.
    read -ra COMP_WORDS <<<"${COMP_LINE//=/ = }"
    [[ $COMP_LINE == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    "$function" wks-settings "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" --
done
