# SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Types each command line given into an interactive zsh on a pseudo-terminal, presses Tab at its
# end, and prints the line as completion left it, one a line.
# Usage: zsh -f zsh-complete.zsh FOLDER-OF-_wks-settings OUTPUT-FILE LINE...
zmodload zsh/zpty
folder=$1 out=$2
shift 2
: >$out
zpty shell 'zsh -f -i'
zpty -w shell "PS1='> '; fpath=(${(q)folder} \$fpath); autoload -Uz compinit; compinit -u -D
dump() { print -r -- \"\$BUFFER\" >>${(q)out}; BUFFER= }; zle -N dump; bindkey '^X' dump
print RE''ADY"
zpty -r shell ignored '*READY*'
for line; do
    zpty -w -n shell "$line"$'\t\x18'
done
for ((waited = 0; waited < 300; waited++)); do
    (($(wc -l <$out) >= $#)) && break
    sleep 0.1
done
zpty -d shell
cat $out
