#!/usr/bin/env bash
# Starts the program of a desktop entry as a menu would, from the entry's Path, with ARGS added
# to its command line.
#   start_desktop_entry.sh ENTRY [ARGS...]
# The string escapes of the values are undone first (\\ and \s); what remains of Exec is quoted
# by the shell's own double-quote rules, once %% is turned back into %, so the shell runs it.
set -euo pipefail
entry=$1
shift

value() {
    sed -n "s/^$1=//p" "$entry" | head -n 1 |
        sed -e 's/\\\\/\x01/g' -e 's/\\s/ /g' -e 's/\x01/\\/g'
}

command=$(value Exec | sed 's/%%/%/g')
[[ -n "$command" ]] || { echo "no Exec in $entry" >&2; exit 1; }
folder=$(value Path)
[[ -z "$folder" ]] || cd "$folder"
eval "exec $command \"\$@\""
