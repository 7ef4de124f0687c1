#!/usr/bin/env bash
# Runs a command on a virtual X server of its own and returns the command's status.
#   with-xvfb.sh [-s "Xvfb options"] command [arguments...]     (default: -screen 0 1024x768x24)
# Xvfb chooses a free display itself and names it only once it accepts connections
# (-displayfd), so runs side by side never take the same display and the command never starts
# before its server is ready. The server ends with the command, or when this script is stopped.
# It never resets: by default an X server starts over when its last client leaves, and a client
# that connects in that moment is refused (the accessibility bus's launcher sets its property on
# the root window and leaves just before the program connects).
set -uo pipefail
options="-screen 0 1024x768x24"
if [ "${1:-}" = -s ]; then
    options=$2
    shift 2
fi
[ $# -gt 0 ] || { echo "usage: $0 [-s \"Xvfb options\"] command [arguments...]" >&2; exit 2; }

state=$(mktemp -d)
xvfb=""
finish() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$state"
}
trap finish EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

# shellcheck disable=SC2086  # the options are words
Xvfb -displayfd 3 -nolisten tcp -noreset $options 3>"$state/display" </dev/null >"$state/log" 2>&1 &
xvfb=$!
for _ in $(seq 600); do
    [ -s "$state/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
done
if [ ! -s "$state/display" ]; then
    echo "with-xvfb: Xvfb did not start:" >&2
    cat "$state/log" >&2
    exit 1
fi
DISPLAY=":$(head -n1 "$state/display")" "$@"
