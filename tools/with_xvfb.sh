#!/usr/bin/env bash
# Runs a command on an X server of its own (Xvfb), stopped when the command ends.
#   with_xvfb.sh COMMAND [ARG...]
# Xvfb picks a free display number itself (-displayfd), so that tests running at the same time
# never race for one; only clients holding this run's cookie may connect. The server goes with
# the command whatever way it ends: stopped when the command is over, sent SIGTERM by the kernel
# should this script itself be killed (a test's timeout), and gone by itself once its last
# client has.
set -euo pipefail
dir=$(mktemp -d "${TMPDIR:-/tmp}/xvfb.XXXXXX")
server=""
stop() {
    if [[ -n "$server" ]]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$dir"
}
trap stop EXIT
trap 'exit 130' INT TERM HUP

# A cookie valid for any display number: the number is known only once the server has chosen it.
export XAUTHORITY="$dir/Xauthority"
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
echo "ffff 0000  0000  0012 4d49542d4d414749432d434f4f4b49452d31 0010 $cookie" |
    xauth -q -f "$XAUTHORITY" nmerge - 2>/dev/null

# 96 dots per inch: 15 twips a pixel, as the headless desktop counts; a screen larger than the
# scripts' usual 1024 x 768, so that every window a script sizes fits on it.
exec {displayfd}<> <(:)
setpriv --pdeathsig TERM Xvfb -displayfd "$displayfd" -auth "$XAUTHORITY" \
    -screen 0 1920x1200x24 -dpi 96 -nolisten tcp -terminate -noreset >"$dir/xvfb.log" 2>&1 &
server=$!
if ! read -r -t 30 -u "$displayfd" number; then
    cat "$dir/xvfb.log" >&2
    echo "Xvfb did not start" >&2
    exit 1
fi
exec {displayfd}<&-
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
status=0
"$@" || status=$?
exit "$status"
